#pragma once
// The main() of a benchmark that opens the program's windows: off screen
// unless a display is asked for, with the application made before the
// benchmarks' own set-up runs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <functional>

inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {}) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
