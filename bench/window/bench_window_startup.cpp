// Start-up of the advisor's window against a bare Qt window with one line
// edit, side by side in one run on X: the time from starting the process to
// its first paint, and the process's peak memory. Launches alternate between
// the two programs so that both see the same machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "XServer.h"

namespace {

struct Launch {
    double firstPaintMs = 0;
    double cpuMs = 0; // user and system time of the whole run
    double peakMiB = 0;
    bool ok = false;
};

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Starts `program` with the first-paint probe and waits for it to end.
Launch launch(const char* program)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    const long long started = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::freopen("/dev/null", "w", stderr);
        setenv("TABLEWISE_FIRST_PAINT_PROBE", "1", 1);
        unsetenv("TABLEWISE_STATE_FILE");
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char buf[64];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        line.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Launch l;
    l.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !line.empty();
    if (l.ok) {
        l.firstPaintMs = static_cast<double>(std::atoll(line.c_str()) - started) / 1e6;
        l.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
        const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
        l.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    return l;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void StartupToFirstPaint(benchmark::State& state)
{
    benchwindow::XServer x;
    if (!x.ready()) {
        state.SkipWithError("no X display");
        return;
    }
    // Both programs once, untimed, so that neither pays for a cold cache.
    launch(TABLEWISE_BARE_WINDOW);
    launch(TABLEWISE_ADVISOR_WINDOW);
    // Each pair of launches gives a ratio; the median ratio stands against
    // other work on the machine slowing some launches.
    std::vector<double> bareMs, advisorMs, timeRatios, cpuRatios, bareCpu, advisorCpu, bareMiB, advisorMiB;
    for (auto _ : state) {
        const Launch bare = launch(TABLEWISE_BARE_WINDOW);
        const Launch advisor = launch(TABLEWISE_ADVISOR_WINDOW);
        if (!bare.ok || !advisor.ok) {
            state.SkipWithError("a program did not report its first paint");
            return;
        }
        bareMs.push_back(bare.firstPaintMs);
        advisorMs.push_back(advisor.firstPaintMs);
        timeRatios.push_back(advisor.firstPaintMs / bare.firstPaintMs);
        cpuRatios.push_back(advisor.cpuMs / bare.cpuMs);
        bareCpu.push_back(bare.cpuMs);
        advisorCpu.push_back(advisor.cpuMs);
        bareMiB.push_back(bare.peakMiB);
        advisorMiB.push_back(advisor.peakMiB);
        state.SetIterationTime(advisor.firstPaintMs / 1000.0);
    }
    state.counters["bare_ms"] = median(bareMs);
    state.counters["advisor_ms"] = median(advisorMs);
    state.counters["time_ratio"] = median(timeRatios);
    // The fastest launch of each: what the program costs when nothing else
    // on the machine gets in its way.
    state.counters["best_time_ratio"] = *std::min_element(advisorMs.begin(), advisorMs.end())
        / *std::min_element(bareMs.begin(), bareMs.end());
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["advisor_cpu_ms"] = median(advisorCpu);
    state.counters["cpu_ratio"] = median(cpuRatios);
    state.counters["bare_MiB"] = median(bareMiB);
    state.counters["advisor_MiB"] = median(advisorMiB);
    state.counters["memory_ratio"] = median(advisorMiB) / median(bareMiB);
}
BENCHMARK(StartupToFirstPaint)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
