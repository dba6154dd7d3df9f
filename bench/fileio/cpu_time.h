// Timing of file reading for the benchmarks: the thread's CPU time (system time included), the
// fastest of a few trials, so that neighbours on a shared machine weigh less than the reader.
#pragma once

#include <time.h>

#include <algorithm>

namespace bench {

inline double thread_seconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

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
