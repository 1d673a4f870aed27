#include "BenchMain.h"

#include <benchmark/benchmark.h>

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
