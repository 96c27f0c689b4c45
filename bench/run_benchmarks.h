#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks the command line names (all by default) once the
// application object exists; 1 for an argument it does not know.
inline int runBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
