// The core benchmark program: every group, one line "bench NAME VALUE UNIT" each.

#include "bench_registry.h"

int main(int argc, char** argv) {
  BenchLineReporter reporter;
  RegisterPixelBenchmarks(reporter);
  RegisterFrameBenchmarks(reporter);
  RegisterSchedulerBenchmarks(reporter);
  RegisterMergeBenchmarks(reporter);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks(&reporter);  // calls Finalize, which prints the ratios
  return 0;
}
