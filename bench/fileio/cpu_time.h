// Timing for the file benchmarks: the thread's CPU time (system time included), the fastest of
// a few trials, so that neighbours on a shared machine weigh little; a ratio to the floor pairs
// each trial with a floor pass run just before it.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "bench/cold.h"

namespace bench {

inline constexpr int kTrials = 3;

// The least thread CPU time of kTrials runs of work, each after prepare (not timed).
template <class Prepare, class Work>
double fastest(Prepare prepare, Work work) {
  double best = 1e30;
  for (int t = 0; t < kTrials; ++t) {
    prepare();
    const double start = thread_seconds();
    work();
    best = std::min(best, thread_seconds() - start);
  }
  return best;
}

// Each trial runs the floor, then prepare (not timed) and the work, back to back, so that both
// see the machine in the same state. The least work time; each trial's work / floor goes to
// ratios.
template <class Floor, class Prepare, class Work>
double fastest_beside_floor(Floor floor, Prepare prepare, Work work, std::vector<double>& ratios) {
  double best = 1e30;
  for (int t = 0; t < kTrials; ++t) {
    double start = thread_seconds();
    floor();
    const double floor_seconds = thread_seconds() - start;
    prepare();
    start = thread_seconds();
    work();
    const double seconds = thread_seconds() - start;
    best = std::min(best, seconds);
    if (floor_seconds > 0) ratios.push_back(seconds / floor_seconds);
  }
  return best;
}

// The work / floor ratios of every trial of fastest_beside_floor, by the work's name.
inline std::map<std::string, std::vector<double>>& paired_ratios() {
  static std::map<std::string, std::vector<double>> ratios;
  return ratios;
}

// The median of a work's paired ratios; NaN when it did not run.
inline double paired_ratio(const std::string& name) {
  const auto it = paired_ratios().find(name);
  return it == paired_ratios().end() ? median({}) : median(it->second);
}

}  // namespace bench
