// Reading a DXF file of about 1 000 000 elements written the way R2000-era programs write one
// (polylines with bulges, inserts, ellipses, named layers), against the floor of reading the
// same file's lines and converting their numbers.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/fileio/cpu_time.h"
#include "bench/fileio/drawing_generator.h"
#include "bench/fileio/modern_dxf.h"
#include "bench/fileio/read_floor.h"
#include "bench/limits.h"
#include "core/core.h"
#include "fileio/fileio.h"
#include "fileio/load_report.h"

namespace {

constexpr double kReadLimit = 3.0;

const std::string& modern_file() {
  static const std::string file = [] {
    const std::string name = bench::scratch_folder() + "/modern.dxf";
    return bench::write_modern_dxf(name, bench::kFileElements) ? name : std::string();
  }();
  return file;
}

void ReadModern(benchmark::State& state) {
  if (modern_file().empty()) {
    state.SkipWithError("no file");
    return;
  }
  int elements = 0;
  for (auto _ : state) {
    const auto fresh = [] {
      orvane::startup();
      orvane::cad_type = 2;
    };
    const auto floor = [] { benchmark::DoNotOptimize(bench::read_floor(modern_file())); };
    state.SetIterationTime(bench::fastest_beside_floor(
        floor, fresh, [] { orvane::make_cad(modern_file()); },
        bench::paired_ratios()["Read/DXF-R2000"]));
    elements = static_cast<int>(orvane::load_report.made());
  }
  if (elements < bench::kFileElements * 9 / 10) state.SkipWithError("the file read short");
  state.counters["elements"] = elements;
  orvane::startup();
}

void FloorModern(benchmark::State& state) {
  if (modern_file().empty()) {
    state.SkipWithError("no file");
    return;
  }
  for (auto _ : state) {
    state.SetIterationTime(
        bench::fastest([] {}, [] { benchmark::DoNotOptimize(bench::read_floor(modern_file())); }));
  }
}

const bool registered = [] {
  using Run = void (*)(benchmark::State&);
  const std::pair<const char*, Run> runs[] = {{"Read/DXF-R2000", ReadModern},
                                              {"Floor/DXF-R2000", FloorModern}};
  for (const auto& [name, run] : runs) {
    bench::set_items(name, bench::kFileElements);
    benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseManualTime();
  }
  return true;
}();

static bench::AddLimits limits([] {
  return std::vector<bench::Limit>{{"reading an R2000-style DXF file / floor",
                                    bench::paired_ratio("Read/DXF-R2000"), kReadLimit, "ratio"}};
});

}  // namespace
