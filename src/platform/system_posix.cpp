#include "platform/system_posix.h"

#include "platform/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char **environ;

namespace platform {

namespace {

[[noreturn]] void fail(const std::string &what, int error)
{
    throw Error(what + ": " + std::strerror(error));
}

// Runs in the program's own process, between fork and exec: only
// async-signal-safe calls. Gives the program the signal state of a fresh
// process and no descriptor but the standard three.
void resetProcessState()
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        sigaction(signal, &byDefault, nullptr); // some cannot be changed: no matter
#ifdef CLOSE_RANGE_CLOEXEC
    close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
}

bool isRegularFile(const std::string &path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isExecutableFile(const std::string &path)
{
    return isRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::optional<std::string> findSysInfoTool(const char *searchPath)
{
    static constexpr const char *Tools[] = {"hardinfo", "kinfocenter", "lshw-gtk"};
    if (!searchPath)
        return std::nullopt;
    const std::string_view folders = searchPath;
    for (const char *tool : Tools) {
        std::size_t start = 0;
        while (start <= folders.size()) {
            std::size_t end = folders.find(':', start);
            if (end == std::string_view::npos)
                end = folders.size();
            std::string folder(folders.substr(start, end - start));
            start = end + 1;
            if (folder.empty() || folder.front() != '/')
                continue;
            if (folder.back() != '/')
                folder += '/';
            std::string candidate = folder + tool;
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    return std::nullopt;
}

void startProgram(const std::string &path)
{
    if (path.empty())
        throw Error("no program to start");

    // The program's process reports a failed exec through this pipe; a
    // successful one closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        fail("cannot start " + path, errno);
    char *const arguments[] = {const_cast<char *>(path.c_str()), nullptr};

    const pid_t middle = ::fork();
    if (middle < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        fail("cannot start " + path, error);
    }
    if (middle == 0) {
        // A short-lived process in a session of its own: it forks the
        // program and ends, so the program is handed to init, not to us.
        ::close(report[0]);
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0) {
            resetProcessState();
            ::execve(path.c_str(), arguments, environ);
        }
        const int error = errno;
        if (program < 0 || program == 0) {
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(program > 0 ? 0 : 127);
    }

    ::close(report[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got > 0)
        fail("cannot start " + path, error);
    if (got < 0)
        fail("cannot start " + path, errno);
}

namespace {

class PosixSystem : public System
{
public:
    bool isPlainFile(const std::string &path) override { return isRegularFile(path); }

    void startProgram(const std::string &path) override { platform::startProgram(path); }

    std::optional<std::string> findSysInfoTool() const override
    {
        return platform::findSysInfoTool(std::getenv("PATH"));
    }
};

// A POSIX system keeps no registry: every key is missing.
class NoRegistry : public Registry
{
public:
    RegStatus openKey(RegRoot, const std::string &, std::uint32_t, std::uint32_t, RegKey &) override
    {
        return ErrorFileNotFound;
    }
    RegStatus queryValue(RegKey, const std::string &, std::uint32_t &, unsigned char *,
                         std::uint32_t &) override
    {
        return ErrorFileNotFound;
    }
    RegStatus closeKey(RegKey) override { return ErrorSuccess; }
    std::string ansiToUtf8(std::string_view bytes) const override { return std::string(bytes); }
};

} // namespace

System &systemServices()
{
    static PosixSystem system;
    return system;
}

Registry &systemRegistry()
{
    static NoRegistry registry;
    return registry;
}

} // namespace platform
