// Reading IGES as other programs write it (B-splines, transformation matrices, continued
// records), against the floor of reading the same file's lines and converting their numbers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/fileio/cpu_time.h"
#include "bench/fileio/drawing_generator.h"
#include "bench/fileio/foreign_iges.h"
#include "bench/fileio/read_floor.h"
#include "bench/limits.h"
#include "core/core.h"
#include "fileio/fileio.h"
#include "fileio/load_report.h"

namespace {

constexpr double kReadLimit = 4.0;
const std::string kRead = "Read/IGES other programs";
const std::string kFloor = "Floor/IGES other programs";

bench::ForeignIgesCounts counts;
orvane::LoadReport last_report;

const std::string& file() {
  static const std::string name = bench::scratch_folder() + "/other.igs";
  return name;
}

// The file, generated once; false when it could not be written.
bool ensure_file() {
  static const bool written = bench::write_foreign_iges(file(), bench::kFileElements, counts);
  return written;
}

void Read(benchmark::State& state) {
  if (!ensure_file()) {
    state.SkipWithError("no file");
    return;
  }
  for (auto _ : state) {
    const auto fresh = [] {
      orvane::startup();
      orvane::cad_type = 3;
    };
    const auto floor = [] { benchmark::DoNotOptimize(bench::read_floor(file())); };
    state.SetIterationTime(bench::fastest_beside_floor(
        floor, fresh, [] { orvane::make_cad(file()); }, bench::paired_ratios()[kRead]));
    last_report = orvane::load_report;
  }
  // Every line and arc, at least one line per spline, and nothing left out.
  const int64_t least = counts.lines + counts.arcs + counts.splines;
  if (last_report.made() < least || !last_report.left_out.empty()) {
    state.SkipWithError(("the file did not read whole: " + last_report.summary()).c_str());
  }
  orvane::startup();
}

void Floor(benchmark::State& state) {
  if (!ensure_file()) {
    state.SkipWithError("no file");
    return;
  }
  for (auto _ : state) {
    state.SetIterationTime(
        bench::fastest([] {}, [] { benchmark::DoNotOptimize(bench::read_floor(file())); }));
  }
}

const bool registered = [] {
  using Run = void (*)(benchmark::State&);
  for (const auto& [name, run] : {std::pair<std::string, Run>{kRead, Read}, {kFloor, Floor}}) {
    bench::set_items(name, bench::kFileElements);
    benchmark::RegisterBenchmark(name.c_str(), run)->Unit(benchmark::kMillisecond)->UseManualTime();
  }
  return true;
}();

static bench::AddLimits limits([] {
  std::printf(
      "IGES of other programs: %lld entities (%lld 126 B-splines, %lld 124 matrices, %lld lines, "
      "%lld arcs, %lld placed by a matrix); read %.1f ns, floor %.1f ns per entity; %s\n",
      static_cast<long long>(counts.entities), static_cast<long long>(counts.splines),
      static_cast<long long>(counts.matrices), static_cast<long long>(counts.lines),
      static_cast<long long>(counts.arcs), static_cast<long long>(counts.placed),
      bench::ns_per_item(kRead), bench::ns_per_item(kFloor), last_report.summary().c_str());
  return std::vector<bench::Limit>{{"reading 1 000 000 entities of IGES of other programs / floor",
                                    bench::paired_ratio(kRead), kReadLimit, "ratio"}};
});

}  // namespace
