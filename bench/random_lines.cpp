#include "bench/random_lines.h"

#include <random>

#include "core/core.h"

std::vector<double> bench::make_random_lines(int count, unsigned seed) {
  orvane::startup();
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> coordinate(-500, 500);
  std::vector<double> points;
  points.reserve(static_cast<std::size_t>(count) * 6);
  for (int i = 0; i < count; ++i) {
    double g[6];
    for (double& v : g)
      v = coordinate(random);
    points.insert(points.end(), g, g + 6);
    orvane::make_element(orvane::get_new_element_number(), orvane::kLine, g[0], g[1], g[2], g[3],
                         g[4], g[5], orvane::clLime, 0, 1, 0, 1);
  }
  return points;
}
