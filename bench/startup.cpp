// Start-up of the installed program against its floors, timed from outside
// as a user waits for it: from the exec of the executable to the map of its
// main window on the X server, and its resident memory at that moment.
//
//   bench_startup [--runs=N] floor=PATH NAME=PATH...
//
// Another program whose name begins with "floor" is a reference, held to no
// target; the others are also set against floor+controls, the floor with one
// control of each kind the window has, when it is given.
//
// The bench is an X client of its own: with SubstructureNotify on the root
// window it hears of every top-level window as the server maps it. At the
// first map of a managed window it stops the program, reads VmRSS (and of it
// the anonymous part) from /proc, checks by _NET_WM_PID that the window is
// the program's, and kills it. Each program runs once untimed first (the
// page cache), then the programs take turns N times, so the noise of the
// machine falls on all alike; the ratios of the medians are what to read.
// Run it on an X server of its own (tests/support/with-xvfb).
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// The most a program may take to map its window before it counts as hung.
constexpr auto MapTimeout = std::chrono::seconds(30);
constexpr double Target = 1.05;

struct Launch
{
    double ms = 0;
    double kib = 0;
    double anonKib = 0; // the part of kib that is the program's own
    std::string error; // empty when the program mapped its window
};

struct Program
{
    std::string name;
    std::string path;
    std::vector<Launch> runs;

    double median(double Launch::*field) const
    {
        std::vector<double> values;
        for (const Launch &run : runs)
            values.push_back(run.*field);
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    }
};

xcb_connection_t *g_x = nullptr;
xcb_atom_t g_pidAtom = 0;

bool openDisplay()
{
    g_x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(g_x))
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(g_x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(g_x, root, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(g_x, xcb_intern_atom(g_x, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    g_pidAtom = atom->atom;
    std::free(atom);
    return true;
}

// The next top-level window mapped that is not override-redirect (a menu, a
// tooltip), or 0 with none mapped yet.
xcb_window_t nextMapped()
{
    xcb_window_t window = 0;
    while (!window) {
        xcb_generic_event_t *event = xcb_poll_for_event(g_x);
        if (!event)
            break;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect)
                window = map->window;
        }
        std::free(event);
    }
    return window;
}

// The pid a window's client wrote into _NET_WM_PID, or -1.
long windowPid(xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        g_x, xcb_get_property(g_x, 0, window, g_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = long(*static_cast<const uint32_t *>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

// VmRSS, and of it RssAnon (heap, stacks, copied data): the rest is pages
// of files, such as the code of the libraries, which other programs share.
void readResident(pid_t pid, Launch &result)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    result.kib = result.anonKib = -1;
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:")
            status >> result.kib;
        else if (key == "RssAnon:")
            status >> result.anonKib;
        status.ignore(1 << 16, '\n');
    }
}

// Starts the program with its output thrown away, waits for its window,
// stops it there to read its memory, then kills it.
Launch launch(const Program &program)
{
    Launch result;
    // The windows of the program killed last are unmapped after it is gone.
    xcb_flush(g_x);
    while (xcb_generic_event_t *event = xcb_poll_for_event(g_x))
        std::free(event);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *argv[] = {const_cast<char *>(program.path.c_str()), nullptr};
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int rc = posix_spawn(&pid, program.path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        result.error = program.path + ": " + std::strerror(rc);
        return result;
    }

    xcb_window_t window = 0;
    while (!(window = nextMapped())) {
        if (xcb_connection_has_error(g_x)) {
            result.error = "lost the connection to the X server";
        } else if (waitpid(pid, nullptr, WNOHANG) == pid) {
            result.error = program.name + " ended before it mapped a window";
            return result;
        } else if (Clock::now() - start > MapTimeout) {
            result.error = program.name + " mapped no window in time";
        }
        if (!result.error.empty())
            break;
        pollfd fd{xcb_get_file_descriptor(g_x), POLLIN, 0};
        poll(&fd, 1, 100);
    }
    if (window) {
        result.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        kill(pid, SIGSTOP);
        waitpid(pid, nullptr, WUNTRACED);
        readResident(pid, result);
        if (windowPid(window) != long(pid))
            result.error = "the window mapped is not " + program.name + "'s";
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return result;
}

bool isFloor(const Program &program)
{
    return program.name.rfind("floor", 0) == 0;
}

// Each program but the floors against one floor; against "floor" the other
// floors too, and the target is checked. Returns how many are over it.
int printRatios(const std::vector<Program> &programs, const Program &floor, bool target)
{
    const double ms = floor.median(&Launch::ms);
    const double kib = floor.median(&Launch::kib);
    const double anon = floor.median(&Launch::anonKib);
    std::printf("\nagainst %s", floor.name.c_str());
    if (target)
        std::printf(" (target %.2f)", Target);
    std::printf("\n%-16s %7s %7s %7s\n", "program", "time", "RSS", "anon");
    int over = 0;
    for (const Program &p : programs) {
        if (&p == &floor || (!target && isFloor(p)))
            continue;
        const double time = p.median(&Launch::ms) / ms;
        const double memory = p.median(&Launch::kib) / kib;
        const bool isOver = target && !isFloor(p) && (time > Target || memory > Target);
        over += isOver;
        std::printf("%-16s %7.3f %7.3f %7.3f%s\n", p.name.c_str(), time, memory,
                    p.median(&Launch::anonKib) / anon, isOver ? "  over" : "");
    }
    return over;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_startup [--runs=N] floor=PATH NAME=PATH...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 21;
    std::vector<Program> programs;
    const Program *floor = nullptr;
    const Program *controls = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto equals = arg.find('=');
        if (arg.rfind("--runs=", 0) == 0 && (runs = std::atoi(argv[i] + 7)) > 0)
            continue;
        if (arg[0] == '-' || equals == std::string::npos || equals == 0 || equals + 1 == arg.size())
            return usage();
        programs.push_back({arg.substr(0, equals), arg.substr(equals + 1), {}});
    }
    for (const Program &p : programs) {
        if (p.name == "floor")
            floor = &p;
        else if (p.name == "floor+controls")
            controls = &p;
    }
    if (!floor || programs.size() < 2)
        return usage();
    if (!openDisplay()) {
        std::fprintf(stderr, "bench_startup: cannot use the X server of DISPLAY\n");
        return 1;
    }

    // One untimed warm-up each, then the programs in turns.
    for (int round = -1; round < runs; ++round) {
        for (Program &p : programs) {
            const Launch run = launch(p);
            if (!run.error.empty()) {
                std::fprintf(stderr, "bench_startup: %s\n", run.error.c_str());
                return 1;
            }
            if (round >= 0)
                p.runs.push_back(run);
        }
    }

    std::printf("start-up to the main window mapped, medians of %d runs\n%-16s %8s %9s %9s\n", runs,
                "program", "ms", "RSS KiB", "anon KiB");
    for (const Program &p : programs) {
        std::printf("%-16s %8.1f %9.0f %9.0f\n", p.name.c_str(), p.median(&Launch::ms),
                    p.median(&Launch::kib), p.median(&Launch::anonKib));
    }
    const int over = printRatios(programs, *floor, true);
    if (controls)
        printRatios(programs, *controls, false);
    std::printf(over ? "\n%d program(s) over target\n" : "\nwithin target\n", over);
    xcb_disconnect(g_x);
    return 0;
}
