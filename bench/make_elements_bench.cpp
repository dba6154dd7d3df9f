// Making N elements one by one: the time per element must not grow with N.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

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
constexpr int kColdChildren = 5;
constexpr int kWarmTrials = 3;

long minor_faults() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// In a fresh process: the CPU time of the first fill, its page faults, then the least CPU time
// of a refill of the same store.
const bench::AddColdTask cold_fill("--cold-fill", [](const std::vector<std::string>&) {
  orvane::startup();
  const long faults = minor_faults();
  double start = bench::thread_seconds();
  make_lines(kColdElements);
  const double first = bench::thread_seconds() - start;
  const double first_faults = static_cast<double>(minor_faults() - faults);
  double warm = 1e30;
  for (int t = 0; t < kWarmTrials; ++t) {
    orvane::startup();
    start = bench::thread_seconds();
    make_lines(kColdElements);
    warm = std::min(warm, bench::thread_seconds() - start);
  }
  return std::vector<double>{first, warm, first_faults};
});

}  // namespace

void bench::measure_cold_fill() {
  double first = 1e30, warm = 1e30, faults = 0;
  bool ran = false;
  for (int c = 0; c < kColdChildren; ++c) {
    const std::vector<double> f = bench::run_in_child("--cold-fill", {});
    if (f.size() != 3) continue;
    ran = true;
    if (f[0] < first) {
      first = f[0];
      faults = f[2];
    }
    warm = std::min(warm, f[1]);
  }
  if (ran) {
    std::printf(
        "fill of %d elements in a fresh process: first %.1f ns, warm %.1f ns per element, %.0f "
        "page faults in the first\n",
        kColdElements, first * 1e9 / kColdElements, warm * 1e9 / kColdElements, faults);
  }
  bench::extra_limits().push_back(
      {"fill of 1 000 000 elements: first fill / warm fill (fresh "
       "process)",
       ran ? first / warm : std::nan(""), 1.5, "CPU time"});
}

void bench::register_make_elements() {
  for (int n : {10000, 100000, 1000000}) {
    const std::string name = "MakeElements/" + std::to_string(n);
    bench::set_items(name, n);
    benchmark::RegisterBenchmark(name.c_str(), MakeElements, n)->Unit(benchmark::kMillisecond);
  }
}
