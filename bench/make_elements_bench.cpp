// Making N elements one by one: the time per element must not grow with N.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/cold.h"
#include "bench/limits.h"
#include "core/core.h"

namespace {

void make_lines(int n) {
  for (int i = 0; i < n; ++i) {
    const int k = orvane::get_new_element_number();
    const double x = i % 1000, y = i % 777;
    orvane::make_element(k, orvane::kLine, x, y, 0, x + 1, y + 1, 0, orvane::clLime, 0, 1, 0, 1);
  }
}

void MakeElements(benchmark::State& state, int n) {
  for (auto _ : state) {
    state.PauseTiming();
    orvane::startup();
    state.ResumeTiming();
    make_lines(n);
    benchmark::DoNotOptimize(orvane::last_element_number);
  }
  orvane::startup();
}

constexpr int kColdElements = 1000000;
constexpr int kColdChildren = 7;
constexpr int kWarmTrials = 3;

long minor_faults() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// In a fresh process: the CPU time of the first fill, its page faults, then the median CPU time
// of refills of the same store.
const bench::AddColdTask cold_fill("--cold-fill", [](const std::vector<std::string>&) {
  orvane::startup();
  const long faults = minor_faults();
  double start = bench::thread_seconds();
  make_lines(kColdElements);
  const double first = bench::thread_seconds() - start;
  const double first_faults = static_cast<double>(minor_faults() - faults);
  std::vector<double> warm;
  for (int t = 0; t < kWarmTrials; ++t) {
    orvane::startup();
    start = bench::thread_seconds();
    make_lines(kColdElements);
    warm.push_back(bench::thread_seconds() - start);
  }
  return std::vector<double>{first, bench::median(warm), first_faults};
});

}  // namespace

void bench::measure_cold_fill() {
  // Each child's first fill is set against its own warm fills, so that a slower spell of the
  // machine weighs on both sides alike; the median child counts.
  std::vector<double> firsts, warms, ratios, faults;
  for (int c = 0; c < kColdChildren; ++c) {
    const std::vector<double> f = bench::run_in_child("--cold-fill", {});
    if (f.size() != 3 || f[1] <= 0) continue;
    firsts.push_back(f[0]);
    warms.push_back(f[1]);
    ratios.push_back(f[0] / f[1]);
    faults.push_back(f[2]);
  }
  const bool ran = !ratios.empty();
  if (ran) {
    std::printf(
        "fill of %d elements in a fresh process (median of %zu): first %.1f ns, warm %.1f ns per "
        "element, %.0f page faults in the first; the kernel clears fresh memory at %.1f GB/s\n",
        kColdElements, ratios.size(), bench::median(firsts) * 1e9 / kColdElements,
        bench::median(warms) * 1e9 / kColdElements, bench::median(faults),
        bench::clear_rate_gb_s());
  }
  bench::extra_limits().push_back(
      {"fill of 1 000 000 elements: first fill / warm fill (fresh "
       "process)",
       ran ? bench::median(ratios) : std::nan(""), 1.5, "CPU time"});
}

void bench::register_make_elements() {
  for (int n : {10000, 100000, 1000000}) {
    const std::string name = "MakeElements/" + std::to_string(n);
    bench::set_items(name, n);
    benchmark::RegisterBenchmark(name.c_str(), MakeElements, n)->Unit(benchmark::kMillisecond);
  }
}
