// Runs the core benchmarks, then prints each limit as a ratio to its floor measured in this run.
// Exits with 1 when a limit is missed.
#include <benchmark/benchmark.h>

#include "bench/cold.h"
#include "bench/limits.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = bench::run_cold_child(argc, argv)) return *status;
  benchmark::Initialize(&argc, argv);
  // Memory first, while the arena holds nothing from earlier runs.
  bench::measure_memory();
  bench::measure_cold_fill();
  bench::register_make_elements();
  bench::register_redraw();
  bench::run_benchmarks();

  std::vector<bench::Limit> limits = {
      {"make 1 000 000 elements: time per element / time at 10 000",
       bench::ratio("MakeElements/1000000", "MakeElements/10000"), 1.5, ""},
      {"make 100 000 elements: time per element / time at 10 000",
       bench::ratio("MakeElements/100000", "MakeElements/10000"), 1.5, ""},
      {"redraw2 of 1 000 000 lines / bare project-and-round loop",
       bench::ratio("Redraw2Lines", "ProjectAndRoundFloor"), 3.0, ""},
  };
  for (const bench::Limit& l : bench::extra_limits())
    limits.push_back(l);
  return bench::report(limits) ? 0 : 1;
}
