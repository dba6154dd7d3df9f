#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

#include "fileio/curve_tessellation.h"

using namespace orvane;

namespace {

// Chord-length parameters of the points over the curve's parameter range.
std::vector<double> chord_params(const std::vector<Vec3>& q, const NurbsCurve& c) {
  std::vector<double> s{0};
  for (std::size_t k = 1; k < q.size(); ++k)
    s.push_back(s.back() + length(q[k] - q[k - 1]));
  const double lo = c.knots[c.degree];
  const double hi = c.knots[c.control.size()];
  for (double& v : s)
    v = lo + (hi - lo) * v / s.back();
  return s;
}

void expect_through(const NurbsCurve& c, const std::vector<Vec3>& q, double eps = 1e-9) {
  const std::vector<double> u = chord_params(q, c);
  for (std::size_t k = 0; k < q.size(); ++k) {
    const Vec3 p = nurbs_point(c, u[k]);
    EXPECT_NEAR(length(p - q[k]), 0, eps) << "fit point " << k;
  }
}

// The unit direction in which the curve leaves u towards u + du.
Vec3 direction(const NurbsCurve& c, double u, double du) {
  const Vec3 d = nurbs_point(c, u + du) - nurbs_point(c, u);
  return (1 / length(d)) * d;
}

}  // namespace

TEST(NurbsInterpolate, CubicThroughEveryFitPoint) {
  const std::vector<Vec3> q = {{0, 0, 0}, {1, 2, 0}, {3, 3, 1}, {4, 1, 2},
                               {6, 0, 2}, {7, 4, 0}, {9, 4, -1}};
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points(q, nullptr, nullptr, c));
  EXPECT_TRUE(valid_nurbs(c));
  EXPECT_EQ(c.degree, 3);
  EXPECT_EQ(c.control.size(), q.size());
  EXPECT_TRUE(c.weights.empty());
  expect_through(c, q);
}

TEST(NurbsInterpolate, DegreeFollowsTheDistinctPoints) {
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points({{1, 1, 1}, {3, 5, 1}}, nullptr, nullptr, c));
  EXPECT_EQ(c.degree, 1);
  const Vec3 mid = nurbs_point(c, (c.knots[1] + c.knots[2]) / 2);
  EXPECT_NEAR(length(mid - Vec3{2, 3, 1}), 0, 1e-12);
  // Repeats in a row count once.
  const std::vector<Vec3> q = {{0, 0, 0}, {0, 0, 0}, {2, 2, 0}, {2, 2, 0}, {4, 0, 0}};
  ASSERT_TRUE(interpolate_fit_points(q, nullptr, nullptr, c));
  EXPECT_EQ(c.degree, 2);
  expect_through(c, {{0, 0, 0}, {2, 2, 0}, {4, 0, 0}});
}

TEST(NurbsInterpolate, UnevenPointsOnALineGiveThatLineAtChordLengthSpeed) {
  const std::vector<Vec3> q = {{0, 0, 0}, {0.5, 1, 0}, {2, 4, 0}, {2.25, 4.5, 0}, {4, 8, 0}};
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points(q, nullptr, nullptr, c));
  const double lo = c.knots[c.degree];
  const double hi = c.knots[c.control.size()];
  for (int i = 0; i <= 50; ++i) {
    const Vec3 p = nurbs_point(c, lo + (hi - lo) * i / 50);
    EXPECT_NEAR(p.x, 4.0 * i / 50, 1e-9);
    EXPECT_NEAR(p.y, 8.0 * i / 50, 1e-9);
  }
}

TEST(NurbsInterpolate, PointsOnACircleGiveACloseCurve) {
  // Cubic interpolation errs by about R h^4 / 400 for a step h: some 1e-4 at 15 degrees.
  std::vector<Vec3> q;
  for (int deg = 0; deg <= 330; deg += 15) {
    q.push_back({10 * std::cos(deg * std::numbers::pi / 180),
                 10 * std::sin(deg * std::numbers::pi / 180), 0});
  }
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points(q, nullptr, nullptr, c));
  const double lo = c.knots[c.degree];
  const double hi = c.knots[c.control.size()];
  for (int i = 0; i <= 1000; ++i) {
    EXPECT_NEAR(length(nurbs_point(c, lo + (hi - lo) * i / 1000)), 10, 1e-2);
  }
}

TEST(NurbsInterpolate, EndTangentsSetTheDirectionsAtTheEnds) {
  const Vec3 up{0, 3, 0};
  const Vec3 down{0, -1, 0};
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points({{0, 0, 0}, {1, 0, 0}}, &up, &down, c));
  EXPECT_EQ(c.degree, 3);  // two points and two directions
  expect_through(c, {{0, 0, 0}, {1, 0, 0}});
  const double lo = c.knots[c.degree];
  const double hi = c.knots[c.control.size()];
  const Vec3 leave = direction(c, lo, 1e-7 * (hi - lo));
  const Vec3 arrive = direction(c, hi - 1e-7 * (hi - lo), 1e-7 * (hi - lo));
  EXPECT_NEAR(leave.y, 1, 1e-6);
  EXPECT_NEAR(arrive.y, -1, 1e-6);
  // Only the direction counts, not the length.
  const Vec3 small_up{0, 0.5, 0};
  NurbsCurve same;
  ASSERT_TRUE(interpolate_fit_points({{0, 0, 0}, {1, 0, 0}}, &small_up, &down, same));
  EXPECT_NEAR(length(nurbs_point(same, 0.3 * hi) - nurbs_point(c, 0.3 * hi)), 0, 1e-12);

  const std::vector<Vec3> q = {{0, 0, 0}, {2, 1, 0}, {4, 0, 0}, {6, 1, 0}};
  const Vec3 slant{1, -1, 0};
  ASSERT_TRUE(interpolate_fit_points(q, &slant, &slant, c));
  EXPECT_EQ(c.control.size(), 6u);
  expect_through(c, q);
  const Vec3 start = direction(c, c.knots[c.degree], 1e-8);
  EXPECT_NEAR(start.x, std::sqrt(0.5), 1e-6);
  EXPECT_NEAR(start.y, -std::sqrt(0.5), 1e-6);
  // A zero or broken tangent counts as none.
  const Vec3 zero{0, 0, 0};
  const Vec3 nan{std::numeric_limits<double>::quiet_NaN(), 0, 0};
  ASSERT_TRUE(interpolate_fit_points(q, &zero, &nan, c));
  EXPECT_EQ(c.control.size(), q.size());
}

TEST(NurbsInterpolate, TooFewOrBrokenPointsLeaveTheCurveAlone) {
  NurbsCurve c;
  c.degree = 7;
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(interpolate_fit_points({}, nullptr, nullptr, c));
  EXPECT_FALSE(interpolate_fit_points({{1, 2, 3}}, nullptr, nullptr, c));
  EXPECT_FALSE(interpolate_fit_points({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, nullptr, nullptr, c));
  EXPECT_FALSE(interpolate_fit_points({{0, 0, 0}, {inf, 0, 0}}, nullptr, nullptr, c));
  EXPECT_FALSE(interpolate_fit_points({{-1e308, 0, 0}, {1e308, 0, 0}, {-1e308, 1, 0}}, nullptr,
                                      nullptr, c));  // the chord overflows
  EXPECT_EQ(c.degree, 7);
}

TEST(NurbsInterpolate, TenThousandPointsQuickly) {
  std::vector<Vec3> q;
  for (int i = 0; i < 10000; ++i)
    q.push_back({std::cos(i * 0.01), std::sin(i * 0.01), i * 1e-3});
  const auto start = std::chrono::steady_clock::now();
  NurbsCurve c;
  ASSERT_TRUE(interpolate_fit_points(q, nullptr, nullptr, c));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2);
  EXPECT_EQ(c.control.size(), q.size());
  expect_through(c, q, 1e-7);
}
