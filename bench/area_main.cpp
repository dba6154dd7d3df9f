// Runs the benchmarks registered by the files linked in, then prints every registered limit as a
// ratio to its floor measured in this run. Exits with 1 when a limit is missed.
#include <benchmark/benchmark.h>

#include "bench/cold.h"
#include "bench/limits.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = bench::run_cold_child(argc, argv)) return *status;
  benchmark::Initialize(&argc, argv);
  bench::run_benchmarks();
  std::vector<bench::Limit> limits = bench::extra_limits();
  for (const bench::LimitSource& source : bench::limit_sources())
    for (const bench::Limit& l : source())
      limits.push_back(l);
  return bench::report(limits) ? 0 : 1;
}
