#pragma once
// The groups of core benchmarks, registered by the one benchmark program.

#include "bench_report.h"

// Five runs each, so that the median stands against the rest of the machine's load.
inline void Repeated(benchmark::internal::Benchmark* b) { b->Repetitions(5)->ReportAggregatesOnly(true); }

void RegisterPixelBenchmarks(BenchLineReporter& reporter);
void RegisterFrameBenchmarks(BenchLineReporter& reporter);
void RegisterSchedulerBenchmarks(BenchLineReporter& reporter);
void RegisterMergeBenchmarks(BenchLineReporter& reporter);
