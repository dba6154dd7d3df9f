// Ratios of a measurement to a floor measured in the same run, checked against their limits.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// Nanoseconds per item of every finished benchmark, by name.
std::map<std::string, double>& results();
// Items one iteration of the named benchmark processes.
void set_items(const std::string& name, double items);
double items(const std::string& name);

struct Limit {
  std::string what;
  double value;  // the measured ratio (or figure)
  double max;    // at most this
  std::string unit;
};

// A benchmark file that checks limits after the run registers them at load time:
//   static bench::AddLimits limits([] { return std::vector<bench::Limit>{...}; });
using LimitSource = std::function<std::vector<Limit>()>;
std::vector<LimitSource>& limit_sources();
struct AddLimits {
  explicit AddLimits(LimitSource source) { limit_sources().push_back(std::move(source)); }
};

// Figures measured outside Google Benchmark (memory) add their limits here.
std::vector<Limit>& extra_limits();

// Runs the registered benchmarks, keeping each one's time per item in results().
void run_benchmarks();
double ns_per_item(const std::string& name);
// The ratio of two benchmarks' times per item; NaN when one of them did not run.
double ratio(const std::string& a, const std::string& b);

// Prints every limit with its measured value; true when all are met.
bool report(const std::vector<Limit>& limits);

}  // namespace bench

namespace bench {

// Each benchmark file registers its benchmarks (or measures its figures) here.
void register_make_elements();
void register_redraw();
void measure_memory();
// Fills a store in fresh processes: first fill against a refill.
void measure_cold_fill();

}  // namespace bench
