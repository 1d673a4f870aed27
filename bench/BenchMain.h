#pragma once

#include <functional>

// The benchmarks' one main: runs what the file registered with BENCHMARK, after setUp
// (reports of the file's own, for example), and returns the process's exit code.
int runBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {});

// The same inside a QApplication with the program's appearance, on the offscreen
// platform unless QT_QPA_PLATFORM chooses another.
int runWindowBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {});
