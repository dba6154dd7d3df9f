#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "bench/limits.h"

namespace bench {

namespace {

// Keeps each finished benchmark's time per item for the limits printed after the run; of a
// benchmark run in repetitions, the fastest, so that a neighbour's burst weighs little.
class CapturingReporter : public benchmark::ConsoleReporter {
 public:
  CapturingReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.run_name.function_name;
      const double ns =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
      const double per_item = ns / items(name);
      const auto [kept, first] = results().try_emplace(name, per_item);
      if (!first) kept->second = std::min(kept->second, per_item);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

void run_benchmarks() {
  CapturingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}

double ns_per_item(const std::string& name) {
  auto it = results().find(name);
  return it == results().end() ? 0 : it->second;
}

double ratio(const std::string& a, const std::string& b) {
  const double floor = ns_per_item(b);
  const double measured = ns_per_item(a);
  return floor > 0 && measured > 0 ? measured / floor : std::nan("");
}

}  // namespace bench
