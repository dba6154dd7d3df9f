// Runs the benchmarks, then prints each limit as a ratio to its floor measured in this run.
// Exits with 1 when a limit is missed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "bench/limits.h"

namespace {

class CapturingReporter : public benchmark::ConsoleReporter {
 public:
  CapturingReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.run_name.function_name;
      const double ns =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
      bench::results()[name] = ns / bench::items(name);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

double ns_per_item(const char* name) {
  auto it = bench::results().find(name);
  return it == bench::results().end() ? 0 : it->second;
}

// The ratio of two benchmarks' times per item; NaN when one of them did not run.
double ratio(const char* a, const char* b) {
  const double floor = ns_per_item(b);
  const double measured = ns_per_item(a);
  return floor > 0 && measured > 0 ? measured / floor : std::nan("");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  // Memory first, while the arena holds nothing from earlier runs.
  bench::measure_memory();
  bench::register_make_elements();
  bench::register_redraw();
  CapturingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::vector<bench::Limit> limits = {
      {"make 1 000 000 elements: time per element / time at 10 000",
       ratio("MakeElements/1000000", "MakeElements/10000"), 1.5, ""},
      {"make 100 000 elements: time per element / time at 10 000",
       ratio("MakeElements/100000", "MakeElements/10000"), 1.5, ""},
      {"redraw2 of 1 000 000 lines / bare project-and-round loop",
       ratio("Redraw2Lines", "ProjectAndRoundFloor"), 3.0, ""},
  };
  for (const bench::Limit& l : bench::extra_limits())
    limits.push_back(l);
  return bench::report(limits) ? 0 : 1;
}
