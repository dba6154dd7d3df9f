#include "bench/limits.h"

#include <cmath>
#include <cstdio>

namespace bench {

std::map<std::string, double>& results() {
  static std::map<std::string, double> r;
  return r;
}

namespace {
std::map<std::string, double>& item_counts() {
  static std::map<std::string, double> n;
  return n;
}
}  // namespace

void set_items(const std::string& name, double n) {
  item_counts()[name] = n;
}

double items(const std::string& name) {
  auto it = item_counts().find(name);
  return it == item_counts().end() ? 1 : it->second;
}

std::vector<LimitSource>& limit_sources() {
  static std::vector<LimitSource> s;
  return s;
}

std::vector<Limit>& extra_limits() {
  static std::vector<Limit> l;
  return l;
}

bool report(const std::vector<Limit>& limits) {
  bool ok = true;
  std::printf("\n%-70s %10s %8s  %s\n", "limit", "measured", "at most", "");
  for (const Limit& l : limits) {
    if (std::isnan(l.value)) {
      std::printf("%-70s %10s %8.3f  not run\n", l.what.c_str(), "-", l.max);
      continue;
    }
    const bool met = l.value <= l.max;
    ok = ok && met;
    std::printf("%-70s %10.3f %8.3f  %s%s\n", l.what.c_str(), l.value, l.max,
                met ? "met" : "MISSED", l.unit.empty() ? "" : (" (" + l.unit + ")").c_str());
  }
  return ok;
}

}  // namespace bench
