// Reading 1 000 000 elements of DXF in a fresh process: the first read, whose store, arena and
// buffers start empty, against the warm reads that follow it in the same process and against
// the floor's first pass in a fresh process of its own.
//
// Each figure is the thread's CPU time (system time, page faults included); read and floor
// children take turns, and the least figure of each kind counts, so that neighbours on a shared
// machine weigh little.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/cold.h"
#include "bench/fileio/drawing_generator.h"
#include "bench/fileio/read_floor.h"
#include "bench/limits.h"
#include "core/core.h"
#include "fileio/fileio.h"

namespace {

constexpr int kChildren = 5;    // children of each kind
constexpr int kWarmReads = 3;   // warm reads after the first one, in the read child
constexpr int kDxf = 2;         // cad_type of DXF
constexpr double kLimit = 1.5;  // for both ratios

// In a fresh process: the first read of the file, the least of the warm reads after it, and
// the number of elements read (to tell a short read).
const bench::AddColdTask cold_read("--cold-dxf-read", [](const std::vector<std::string>& args) {
  if (args.size() != 1) return std::vector<double>{};
  const auto read = [&] {
    orvane::startup();
    orvane::cad_type = kDxf;
    const double start = bench::thread_seconds();
    orvane::make_cad(args[0]);
    return bench::thread_seconds() - start;
  };
  const double first = read();
  const double elements = orvane::last_element_number;
  double warm = 1e30;
  for (int t = 0; t < kWarmReads; ++t)
    warm = std::min(warm, read());
  return std::vector<double>{first, warm, elements};
});

// In a fresh process: the floor's first pass over the file.
const bench::AddColdTask cold_floor("--cold-floor", [](const std::vector<std::string>& args) {
  if (args.size() != 1) return std::vector<double>{};
  const double start = bench::thread_seconds();
  const long numbers = bench::read_floor(args[0]);
  const double seconds = bench::thread_seconds() - start;
  return numbers > 0 ? std::vector<double>{seconds} : std::vector<double>{};
});

struct ColdFigures {
  double first = NAN;  // least first read, seconds
  double warm = NAN;   // least warm read
  double floor = NAN;  // least first floor pass
};

ColdFigures& figures() {
  static ColdFigures f;
  return f;
}

void ColdReadDxf(benchmark::State& state) {
  const std::string file = bench::drawing_file("DXF", kDxf);
  if (file.empty()) {
    state.SkipWithError("no file");
    return;
  }
  for (auto _ : state) {
    double first = 1e30, warm = 1e30, floor = 1e30;
    bool whole = true;
    for (int c = 0; c < kChildren; ++c) {
      const std::vector<double> r = bench::run_in_child("--cold-dxf-read", {file});
      const std::vector<double> f = bench::run_in_child("--cold-floor", {file});
      if (r.size() != 3 || f.size() != 1) {
        state.SkipWithError("a child failed");
        return;
      }
      whole = whole && r[2] >= bench::kFileElements;
      first = std::min(first, r[0]);
      warm = std::min(warm, r[1]);
      floor = std::min(floor, f[0]);
    }
    if (!whole) {
      state.SkipWithError("the file did not read back whole");
      return;
    }
    figures() = {first, warm, floor};
    state.SetIterationTime(first);
  }
}

const bool registered = [] {
  bench::set_items("ColdRead/DXF", bench::kFileElements);
  benchmark::RegisterBenchmark("ColdRead/DXF", ColdReadDxf)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(1);
  return true;
}();

static bench::AddLimits limits([] {
  const ColdFigures& f = figures();
  if (!std::isnan(f.first)) {
    const double n = bench::kFileElements;
    std::printf(
        "DXF in a fresh process: first read %.1f ns, warm read %.1f ns, first floor %.1f ns "
        "per element\n",
        f.first * 1e9 / n, f.warm * 1e9 / n, f.floor * 1e9 / n);
  }
  return std::vector<bench::Limit>{
      {"reading 1 000 000 elements of DXF, first read / warm read (fresh process)",
       f.first / f.warm, kLimit, "CPU time"},
      {"reading 1 000 000 elements of DXF, first read / first floor (fresh processes)",
       f.first / f.floor, kLimit, "CPU time"},
  };
});

}  // namespace
