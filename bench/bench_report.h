#pragma once
// Prints Google Benchmark results (the median where benchmarks repeat) as
// "bench NAME VALUE UNIT" lines, plus the
// ratios asked for after all runs: each benchmark may name a partner measured
// in the same run, and the ratio of their throughputs is printed.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class BenchLineReporter : public benchmark::BenchmarkReporter {
 public:
  // Adds a line "bench <name> <a/b> ratio" comparing two benchmarks' throughput.
  void CompareThroughput(std::string name, std::string numerator, std::string denominator);
  // Adds a line "bench <name> <a/b> ratio" comparing two benchmarks' times.
  void CompareTime(std::string name, std::string numerator, std::string denominator);

  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  using Comparison = std::pair<std::string, std::pair<std::string, std::string>>;
  std::map<std::string, double> megapixelsPerSecond_;
  std::map<std::string, double> milliseconds_;
  std::vector<Comparison> comparisons_;
  std::vector<Comparison> timeComparisons_;
};
