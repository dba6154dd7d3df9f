// Making N elements one by one: the time per element must not grow with N.
#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace

void bench::register_make_elements() {
  for (int n : {10000, 100000, 1000000}) {
    const std::string name = "MakeElements/" + std::to_string(n);
    bench::set_items(name, n);
    benchmark::RegisterBenchmark(name.c_str(), MakeElements, n)->Unit(benchmark::kMillisecond);
  }
}
