#pragma once
// The sets of the Win32 benchmark program: each file registers its set, and
// the program runs them all after its own, every figure printed as a line
// "bench NAME VALUE UNIT".

#include <chrono>
#include <cstdio>
#include <vector>

#include "store/tmassiv.h"

using WinBenchSet = void (*)();

inline std::vector<WinBenchSet>& WinBenchSets() {
  static std::vector<WinBenchSet> sets;
  return sets;
}

// Registers a set at start-up: `static const WinBenchRegistration r(&Run);`.
struct WinBenchRegistration {
  explicit WinBenchRegistration(WinBenchSet set) { WinBenchSets().push_back(set); }
};

inline void Report(const char* name, double value, const char* unit) { std::printf("bench %s %.3f %s\n", name, value, unit); }

template <typename Work>
double MicrosecondsPerRun(int runs, Work work) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) work();
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / runs;
}

