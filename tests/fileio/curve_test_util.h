// Checks shared by the curve tests: how far a true curve strays from the chords drawn for it.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "fileio/geometry3d.h"

namespace orvane::test {

inline double distance_to_segment(const Vec3& q, const Vec3& a, const Vec3& b) {
  const Vec3 ab = b - a;
  const double len2 = dot(ab, ab);
  const double s = len2 > 0 ? std::clamp(dot(q - a, ab) / len2, 0.0, 1.0) : 0.0;
  return length(q - (a + s * ab));
}

// The largest distance between curve(t), sampled densely between the parameters of consecutive
// chain points (params[i] belongs to chain[i]), and the chord joining them.
inline double max_chord_gap(const std::vector<Vec3>& chain, const std::vector<double>& params,
                            const std::function<Vec3(double)>& curve) {
  double worst = 0;
  for (std::size_t i = 1; i < chain.size() && i < params.size(); ++i) {
    for (int k = 1; k < 64; ++k) {
      const Vec3 q = curve(params[i - 1] + (params[i] - params[i - 1]) * k / 64);
      worst = std::max(worst, distance_to_segment(q, chain[i - 1], chain[i]));
    }
  }
  return worst;
}

// Angles of points about the origin in the xy plane, unwrapped so that they increase.
inline std::vector<double> unwrapped_angles(const std::vector<Vec3>& chain) {
  std::vector<double> out;
  for (const Vec3& p : chain) {
    double a = std::atan2(p.y, p.x);
    if (!out.empty()) {
      while (a < out.back() - 1e-9)
        a += 2 * std::numbers::pi;
    }
    out.push_back(a);
  }
  return out;
}

}  // namespace orvane::test
