// Start-up of Quillora against the floor of an empty Qt main window: time
// from process start to the first paint of the main window, and resident
// memory then. Both run interleaved in one process run, so the noise of
// the machine falls on both alike; the ratios are what to read.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>

extern char **environ;

namespace {

std::string g_quillora;
std::string g_floor;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Starts the probe and returns {seconds to first paint, resident KiB}.
bool runProbe(const std::string &path, double &seconds, double &kib)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        return false;
    }
    FILE *out = fdopen(pipeFds[0], "r");
    long long paintedNs = 0;
    long rss = 0;
    const bool ok = out && std::fscanf(out, "%lld %ld", &paintedNs, &rss) == 2;
    if (out)
        std::fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    seconds = double(paintedNs - start) / 1e9;
    kib = double(rss);
    return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void startup(benchmark::State &state, const std::string *probe)
{
    double rssSum = 0;
    for (auto _ : state) {
        double seconds = 0, kib = 0;
        if (!runProbe(*probe, seconds, kib)) {
            state.SkipWithError("the probe did not report");
            return;
        }
        state.SetIterationTime(seconds);
        rssSum += kib;
    }
    state.counters["rss_KiB"] = benchmark::Counter(rssSum, benchmark::Counter::kAvgIterations);
}

// Prints the ratios of Quillora to the floor from the medians.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.aggregate_name != "median")
                continue;
            const std::string name = run.run_name.function_name;
            m_time[name] = run.GetAdjustedRealTime();
            m_rss[name] = run.counters.at("rss_KiB").value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_time.size() == 2) {
            std::printf("\nstart-up ratio (Quillora / floor): %.3f\n",
                        m_time["quillora"] / m_time["floor"]);
            std::printf("memory ratio   (Quillora / floor): %.3f  (%.0f KiB / %.0f KiB)\n",
                        m_rss["quillora"] / m_rss["floor"], m_rss["quillora"], m_rss["floor"]);
        }
    }

private:
    std::map<std::string, double> m_time;
    std::map<std::string, double> m_rss;
};

} // namespace

int main(int argc, char **argv)
{
    const std::string dir = [&] {
        std::string self = argv[0];
        const auto slash = self.rfind('/');
        return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
    }();
    g_quillora = dir + "/quillora_probe";
    g_floor = dir + "/floor_probe";

    for (auto [name, probe] : {std::pair{"quillora", &g_quillora}, {"floor", &g_floor}}) {
        benchmark::RegisterBenchmark(name, startup, probe)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5)
            ->Repetitions(12)
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
