// Writing and reading 1 000 000 elements as CDL, DXF and IGES, each read against the floor of
// reading the same file's lines and converting their numbers.
//
// Reading and its floor are timed in the thread's CPU time (system time included), and each
// iteration keeps the fastest of a few trials: on a machine shared with other jobs the wall
// clock and single runs measure the neighbours more than the reader. The ratio is the median
// of the read trials' ratios to a floor pass run just before each.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/fileio/cpu_time.h"
#include "bench/fileio/drawing_generator.h"
#include "bench/fileio/read_floor.h"
#include "bench/limits.h"
#include "core/core.h"
#include "fileio/fileio.h"

namespace {

struct Format {
  const char* name;
  int cad_type;
  double read_limit;  // reading at most this many times the floor
};

using bench::fastest;

const Format kFormats[] = {{"CDL", 1, 2.0}, {"DXF", 2, 2.0}, {"IGES", 3, 3.0}};

std::string file_of(const Format& f) {
  return bench::scratch_folder() + "/drawing." + f.name;
}

// The file of a format, written once from the generated drawing; false when the writer failed.
bool ensure_file(const Format& f) {
  return !bench::drawing_file(f.name, f.cad_type).empty();
}

void Write(benchmark::State& state, Format f) {
  bench::make_drawing(bench::kFileElements);
  const std::string file = file_of(f) + ".written";
  for (auto _ : state) {
    orvane::cad_type = f.cad_type;
    if (!orvane::save_cad(file)) {
      state.SkipWithError("the writer failed");
      break;
    }
  }
  std::filesystem::remove(file);
  orvane::startup();
}

void Read(benchmark::State& state, Format f) {
  if (!ensure_file(f)) {
    state.SkipWithError("no file");
    return;
  }
  int elements = 0;
  for (auto _ : state) {
    const auto fresh = [&] {
      orvane::startup();
      orvane::cad_type = f.cad_type;
    };
    const auto floor = [&] { benchmark::DoNotOptimize(bench::read_floor(file_of(f))); };
    state.SetIterationTime(bench::fastest_beside_floor(
        floor, fresh, [&] { orvane::make_cad(file_of(f)); },
        bench::paired_ratios()[std::string("Read/") + f.name]));
    elements = orvane::last_element_number;
  }
  if (elements < bench::kFileElements) state.SkipWithError("the file did not read back whole");
  orvane::startup();
}

void Floor(benchmark::State& state, Format f) {
  if (!ensure_file(f)) {
    state.SkipWithError("no file");
    return;
  }
  for (auto _ : state) {
    state.SetIterationTime(
        fastest([] {}, [&] { benchmark::DoNotOptimize(bench::read_floor(file_of(f))); }));
  }
}

const bool registered = [] {
  for (const Format& f : kFormats) {
    using Run = void (*)(benchmark::State&, Format);
    const std::pair<const char*, Run> runs[] = {{"Write", Write}, {"Read", Read}, {"Floor", Floor}};
    for (const auto& [kind, run] : runs) {
      const std::string name = std::string(kind) + "/" + f.name;
      bench::set_items(name, bench::kFileElements);
      benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), run, f);
      b->Unit(benchmark::kMillisecond);
      if (run != Write) b->UseManualTime();
    }
  }
  return true;
}();

double peak_megabytes() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

static bench::AddLimits limits([] {
  std::vector<bench::Limit> l;
  for (const Format& f : kFormats) {
    const std::string read = std::string("Read/") + f.name;
    const std::string floor = std::string("Floor/") + f.name;
    std::printf("%-5s write %7.1f ns, read %7.1f ns, floor %7.1f ns per element\n", f.name,
                bench::ns_per_item(std::string("Write/") + f.name), bench::ns_per_item(read),
                bench::ns_per_item(floor));
    l.push_back({std::string("reading 1 000 000 elements of ") + f.name + " / floor",
                 bench::paired_ratio(read), f.read_limit, "ratio"});
  }
  std::printf("peak memory of the run: %.0f MB\n", peak_megabytes());
  return l;
});

}  // namespace
