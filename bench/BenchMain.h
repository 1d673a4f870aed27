#pragma once

#include <functional>
#include <optional>

// The benchmarks' one main: runs what the file registered with BENCHMARK, after setUp
// (reports of the file's own, for example), and returns the process's exit code.
int runBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {});

// The same inside a QApplication with the program's appearance, on the offscreen
// platform unless QT_QPA_PLATFORM chooses another.
int runWindowBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {});

// The CPU time the X server has used so far, in seconds, where the benchmark runs under
// bench/on-x-server (which names the server in QUORVEL_BENCH_X_SERVER_PID) on Linux.
std::optional<double> xServerCpuSeconds();
