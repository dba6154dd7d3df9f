// Reading 1 000 000 elements of DXF in a fresh process: the first read, whose store, arena and
// buffers start empty, against the warm reads that follow it in the same process and against
// the floor's first pass in a fresh process of its own.
//
// Each figure is the thread's CPU time (system time, page faults included). Read and floor
// children take turns, each started on memory the machine has backed; every ratio pairs
// figures measured side by side (a read child's first and warm reads, a read child and the
// floor child after it) and the median pair counts, so that a slower spell of a shared machine
// weighs on both sides alike.
#include <benchmark/benchmark.h>

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

// In a fresh process: the first read of the file, the median of the warm reads after it, and
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
  std::vector<double> warm;
  for (int t = 0; t < kWarmReads; ++t)
    warm.push_back(read());
  return std::vector<double>{first, bench::median(warm), elements};
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
  double first = NAN;        // median first read, seconds
  double warm = NAN;         // median warm read
  double floor = NAN;        // median first floor pass
  double first_warm = NAN;   // median of each read child's first / warm
  double first_floor = NAN;  // median of first read / the floor child run beside it
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
    std::vector<double> first, warm, floor, first_warm, first_floor;
    for (int c = 0; c < kChildren; ++c) {
      const std::vector<double> r = bench::run_in_child("--cold-dxf-read", {file});
      const std::vector<double> f = bench::run_in_child("--cold-floor", {file});
      if (r.size() != 3 || f.size() != 1) {
        state.SkipWithError("a child failed");
        return;
      }
      if (r[2] < bench::kFileElements) {
        state.SkipWithError("the file did not read back whole");
        return;
      }
      first.push_back(r[0]);
      warm.push_back(r[1]);
      floor.push_back(f[0]);
      first_warm.push_back(r[0] / r[1]);
      first_floor.push_back(r[0] / f[0]);
    }
    figures() = {bench::median(first), bench::median(warm), bench::median(floor),
                 bench::median(first_warm), bench::median(first_floor)};
    state.SetIterationTime(figures().first);
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
        "DXF in a fresh process (medians): first read %.1f ns, warm read %.1f ns, first floor "
        "%.1f ns per element\n",
        f.first * 1e9 / n, f.warm * 1e9 / n, f.floor * 1e9 / n);
  }
  return std::vector<bench::Limit>{
      {"reading 1 000 000 elements of DXF, first read / warm read (fresh process)", f.first_warm,
       kLimit, "CPU time"},
      {"reading 1 000 000 elements of DXF, first read / first floor (fresh processes)",
       f.first_floor, kLimit, "CPU time"},
  };
});

}  // namespace
