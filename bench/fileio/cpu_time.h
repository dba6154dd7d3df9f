// Timing for the file benchmarks: the thread's CPU time (system time included), the fastest of
// a few trials, so that neighbours on a shared machine weigh little.
#pragma once

#include <algorithm>

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

}  // namespace bench
