// Helpers for the calculator tests: seeded random geometry, and plane measures computed here
// independently of the routines under test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "calc/calc.h"

namespace calc_test {

namespace calc = orvane::calc;
using orvane::TDArc;
using orvane::TDLine;
using orvane::TDPoint;

// Random cases per family: enough to meet every quadrant and orientation many times.
inline constexpr int kCases = 300;

inline TDPoint along(const TDPoint& p, double dist, double degrees) {
  const double r = degrees * std::numbers::pi / 180;
  return TDPoint{p.x + dist * std::cos(r), p.y + dist * std::sin(r), p.z};
}

inline double dist(const TDPoint& a, const TDPoint& b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// Signed distance of P from the infinite line, positive on its left.
inline double side_distance(const TDPoint& p, const TDLine& l) {
  const double dx = l.p2.x - l.p1.x, dy = l.p2.y - l.p1.y;
  return (dx * (p.y - l.p1.y) - dy * (p.x - l.p1.x)) / std::hypot(dx, dy);
}

inline double line_distance(const TDPoint& p, const TDLine& l) {
  return std::abs(side_distance(p, l));
}

// Angle between the directions of two lines in degrees, 0 to 90.
inline double crossing_angle(const TDLine& a, const TDLine& b) {
  const double d =
      std::atan2(a.p2.y - a.p1.y, a.p2.x - a.p1.x) - std::atan2(b.p2.y - b.p1.y, b.p2.x - b.p1.x);
  return std::abs(std::remainder(d, std::numbers::pi)) * 180 / std::numbers::pi;
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(engine_); }
  TDPoint point(double extent = 10) {
    return TDPoint{uniform(-extent, extent), uniform(-extent, extent), 0};
  }
  // A direction at least a degree away from the vertical, where the slope form of the line
  // routines is approximate by design.
  double slanted_angle() {
    double a = 0;
    do {
      a = uniform(0, 360);
    } while (std::abs(std::fmod(a, 180.0) - 90) <= 1);
    return a;
  }
  // A segment of 1 to 10 units in a slanted direction.
  TDLine line() {
    const TDPoint start = point();
    return TDLine{start, along(start, uniform(1, 10), slanted_angle())};
  }

 private:
  std::mt19937 engine_;
};

}  // namespace calc_test

#define EXPECT_XY_NEAR(p, ex, ey, tol) \
  do {                                 \
    EXPECT_NEAR((p).x, (ex), (tol));   \
    EXPECT_NEAR((p).y, (ey), (tol));   \
  } while (0)
