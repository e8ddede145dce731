#include "bench_report.h"

#include <cstdio>

void BenchLineReporter::CompareThroughput(std::string name, std::string numerator, std::string denominator) {
  comparisons_.push_back({std::move(name), {std::move(numerator), std::move(denominator)}});
}

void BenchLineReporter::CompareTime(std::string name, std::string numerator, std::string denominator) {
  timeComparisons_.push_back({std::move(name), {std::move(numerator), std::move(denominator)}});
}

void BenchLineReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    // With repetitions only the median stands for the benchmark.
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
    const std::string name = run.run_name.function_name;
    const auto items = run.counters.find("items_per_second");
    if (items == run.counters.end()) {  // no throughput: the time of one run
      const double ms = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
      milliseconds_[name] = ms;
      std::printf("bench %s %.3f ms\n", name.c_str(), ms);
      continue;
    }
    const double mps = items->second.value / 1e6;
    megapixelsPerSecond_[name] = mps;
    std::printf("bench %s %.1f Mpx/s\n", name.c_str(), mps);
  }
  std::fflush(stdout);
}

void BenchLineReporter::Finalize() {
  for (const auto& [name, pair] : comparisons_) {
    const auto a = megapixelsPerSecond_.find(pair.first), b = megapixelsPerSecond_.find(pair.second);
    if (a == megapixelsPerSecond_.end() || b == megapixelsPerSecond_.end() || b->second == 0) continue;
    std::printf("bench %s %.2f ratio\n", name.c_str(), a->second / b->second);
  }
  for (const auto& [name, pair] : timeComparisons_) {
    const auto a = milliseconds_.find(pair.first), b = milliseconds_.find(pair.second);
    if (a == milliseconds_.end() || b == milliseconds_.end() || b->second == 0) continue;
    std::printf("bench %s %.2f ratio\n", name.c_str(), a->second / b->second);
  }
}
