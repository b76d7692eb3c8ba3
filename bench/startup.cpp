// Start-up of the installed program against its floor, timed from outside as
// a user waits for it: from the exec of the executable to the map of its
// main window on the X server, and its resident memory at that moment.
//
//   bench_startup [benchmark options] floor=PATH NAME=PATH...
//
// Another program whose name begins with "floor" is a reference, held to no
// target; one named floor+controls, the floor with one control of each kind
// the window has, gets the others measured against it too.
//
// The benchmark is an X client of its own: with SubstructureNotify on the
// root window it hears of every top-level window as the server maps it. At
// the first MapNotify of a managed window it stops the program, reads VmRSS
// (and of it the anonymous part, for information) from /proc, checks by
// _NET_WM_PID that the window is the program's, and kills it. Each program
// runs once untimed first (the page cache), then the repetitions of all
// programs take turns in random order, so the noise of the machine falls on
// all alike; the ratios of the medians are what to read. Run it on an X
// server of its own (tests/support/with-xvfb).
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// The most a program may take to map its window before it counts as hung.
constexpr auto MapTimeout = std::chrono::seconds(30);
constexpr double Target = 1.05;
constexpr char ControlsFloor[] = "floor+controls";

struct Program
{
    std::string name;
    std::string path;
};

struct Launch
{
    double seconds = 0;
    long kib = 0;
    long anonKib = 0; // the part of kib that is the program's own
    std::string error; // empty when the program mapped its window
};

class Display
{
public:
    bool open()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(m_connection,
                                  xcb_intern_atom(m_connection, 0, sizeof name - 1, name), nullptr),
            &std::free);
        if (!atom)
            return false;
        m_pidAtom = atom->atom;
        return true;
    }

    ~Display()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    // Drops the events of earlier runs: the windows of a killed program
    // are unmapped and destroyed after it is gone.
    void drain()
    {
        xcb_flush(m_connection);
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // The next top-level window mapped that is not override-redirect (a
    // menu, a tooltip), or 0 with nothing mapped yet.
    xcb_window_t mapped()
    {
        xcb_window_t window = 0;
        while (!window) {
            xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
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

    bool failed() { return xcb_connection_has_error(m_connection) != 0; }
    int fd() { return xcb_get_file_descriptor(m_connection); }

    // The pid a window's client wrote into _NET_WM_PID, or -1.
    long windowPid(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                m_connection,
                xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return -1;
        return long(*static_cast<const uint32_t *>(xcb_get_property_value(reply.get())));
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
};

Display g_display;
std::vector<Program> g_programs;

// The resident memory of a process, and of it the anonymous part (heap,
// stacks, copied data): the rest is pages of files, such as the code of the
// libraries, which other programs share.
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
    g_display.drain();
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
    while (!(window = g_display.mapped())) {
        int status = 0;
        if (g_display.failed()) {
            result.error = "lost the connection to the X server";
        } else if (waitpid(pid, &status, WNOHANG) == pid) {
            result.error = program.name + " ended before it mapped a window";
            return result;
        } else if (Clock::now() - start > MapTimeout) {
            result.error = program.name + " mapped no window in time";
        }
        if (!result.error.empty())
            break;
        pollfd fd{g_display.fd(), POLLIN, 0};
        poll(&fd, 1, 100);
    }
    if (window) {
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        int status = 0;
        kill(pid, SIGSTOP);
        waitpid(pid, &status, WUNTRACED);
        readResident(pid, result);
        if (g_display.windowPid(window) != long(pid))
            result.error = "the window mapped is not " + program.name + "'s";
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return result;
}

void startup(benchmark::State &state, const Program *program)
{
    for (auto _ : state) {
        const Launch run = launch(*program);
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["rss_KiB"] = double(run.kib);
        state.counters["anon_KiB"] = double(run.anonKib);
    }
}

// After the usual table, each program against the floor from the medians.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Aggregate
                || run.aggregate_name != "median")
                continue;
            Median &median = m_medians[run.run_name.function_name];
            median.ms = run.GetAdjustedRealTime();
            median.kib = run.counters.at("rss_KiB").value;
            median.anonKib = run.counters.at("anon_KiB").value;
            median.runs = run.repetitions;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto floor = m_medians.find("floor");
        if (floor == m_medians.end())
            return;
        const Median &f = floor->second;
        std::printf(
            "\nstart-up to the main window mapped, against the floor (medians of %lld runs)\n",
            static_cast<long long>(f.runs));
        std::printf("%-15s %8s %8s %6s %9s %9s %6s %6s %9s %9s %6s\n", "program", "ms", "floor",
                    "ratio", "RSS KiB", "floor", "ratio", "target", "anon KiB", "floor", "ratio");
        int over = 0;
        for (const Program &program : g_programs) {
            const auto it = m_medians.find(program.name);
            if (program.name == "floor" || it == m_medians.end())
                continue;
            const Median &p = it->second;
            const double time = p.ms / f.ms;
            const double memory = p.kib / f.kib;
            // Another floor is a reference, not held to the target.
            const bool reference = program.name.rfind("floor", 0) == 0;
            const bool met = reference || (time <= Target && memory <= Target);
            over += met ? 0 : 1;
            char target[8] = "";
            if (!reference)
                std::snprintf(target, sizeof target, "%.2f", Target);
            std::printf("%-15s %8.1f %8.1f %6.3f %9.0f %9.0f %6.3f %6s %9.0f %9.0f %6.3f%s\n",
                        program.name.c_str(), p.ms, f.ms, time, p.kib, f.kib, memory, target,
                        p.anonKib, f.anonKib, p.anonKib / f.anonKib, met ? "" : "  over");
        }
        std::printf(over ? "%d program(s) over target\n" : "within target\n", over);

        const auto controls = m_medians.find(ControlsFloor);
        if (controls == m_medians.end())
            return;
        const Median &c = controls->second;
        std::printf("\nagainst %s, the floor with one control of each kind\n", ControlsFloor);
        for (const Program &program : g_programs) {
            const auto it = m_medians.find(program.name);
            if (program.name.rfind("floor", 0) == 0 || it == m_medians.end())
                continue;
            const Median &p = it->second;
            std::printf("%-15s time %6.3f   RSS %6.3f   anon %6.3f\n", program.name.c_str(),
                        p.ms / c.ms, p.kib / c.kib, p.anonKib / c.anonKib);
        }
    }

private:
    struct Median
    {
        double ms = 0;
        double kib = 0;
        double anonKib = 0;
        int64_t runs = 0;
    };
    std::map<std::string, Median> m_medians;
};

int usage()
{
    std::fprintf(stderr, "usage: bench_startup [benchmark options] floor=PATH NAME=PATH...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // By default 21 runs of each program, taking turns; options given on
    // the command line come later and win.
    std::vector<char *> args{argv[0]};
    char repetitions[] = "--benchmark_repetitions=21";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), {repetitions, interleaving, aggregates});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());

    bool hasFloor = false;
    for (int i = 1; i < count; ++i) {
        const std::string arg = args[i];
        const auto equals = arg.find('=');
        if (arg[0] == '-' || equals == std::string::npos || equals == 0 || equals + 1 == arg.size())
            return usage();
        g_programs.push_back({arg.substr(0, equals), arg.substr(equals + 1)});
        hasFloor = hasFloor || g_programs.back().name == "floor";
    }
    if (!hasFloor || g_programs.size() < 2)
        return usage();
    if (!g_display.open()) {
        std::fprintf(stderr, "bench_startup: cannot use the X server of DISPLAY\n");
        return 1;
    }

    for (const Program &program : g_programs) {
        const Launch warmUp = launch(program);
        if (!warmUp.error.empty()) {
            std::fprintf(stderr, "bench_startup: %s\n", warmUp.error.c_str());
            return 1;
        }
        benchmark::RegisterBenchmark(program.name.c_str(), startup, &program)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
