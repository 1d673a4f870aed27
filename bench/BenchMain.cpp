#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

int runBenchmarks(int argc, char **argv, const std::function<void()> &setUp)
{
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

std::optional<double> xServerCpuSeconds()
{
    const char *pid = std::getenv("QUORVEL_BENCH_X_SERVER_PID");
    if (!pid || !*pid)
        return std::nullopt;
    // The first figure of schedstat is the time the process has run, in nanoseconds.
    std::ifstream schedstat(std::string("/proc/") + pid + "/schedstat");
    unsigned long long ran = 0;
    if (!(schedstat >> ran))
        return std::nullopt;
    return double(ran) / 1e9;
}
