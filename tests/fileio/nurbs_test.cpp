#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

#include "fileio/curve_tessellation.h"
#include "tests/fileio/curve_test_util.h"

using namespace orvane;
using orvane::test::max_chord_gap;
using orvane::test::unwrapped_angles;

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

// The quarter of the unit circle from (1, 0) to (0, 1) as a rational quadratic.
NurbsCurve quarter_circle() {
  return {2, {0, 0, 0, 1, 1, 1}, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {1, std::sqrt(0.5), 1}};
}

NurbsCurve cubic_bezier() {
  return {3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 0}}, {}};
}

std::string reason(const NurbsCurve& c) {
  std::string why;
  EXPECT_FALSE(valid_nurbs(c, &why));
  return why;
}

void expect_point(const Vec3& got, const Vec3& want, double eps = 1e-12) {
  EXPECT_NEAR(got.x, want.x, eps);
  EXPECT_NEAR(got.y, want.y, eps);
  EXPECT_NEAR(got.z, want.z, eps);
}

}  // namespace

TEST(NurbsValid, AcceptsWellFormedCurves) {
  std::string why = "stale";
  EXPECT_TRUE(valid_nurbs(quarter_circle(), &why));
  EXPECT_EQ(why, "");
  EXPECT_TRUE(valid_nurbs(cubic_bezier()));
  // Unclamped, and with repeated interior knots.
  EXPECT_TRUE(valid_nurbs({1, {0, 1, 2, 3}, {{0, 0, 0}, {1, 0, 0}}, {}}));
  EXPECT_TRUE(valid_nurbs({2, {0, 0, 0, 1, 1, 2, 2, 2}, {{}, {}, {}, {}, {}}, {}}));
}

TEST(NurbsValid, SaysWhatIsWrong) {
  NurbsCurve c = cubic_bezier();
  c.degree = 0;
  EXPECT_NE(reason(c).find("degree 0"), std::string::npos);
  c.degree = 10000;
  EXPECT_NE(reason(c).find("degree 10000"), std::string::npos);
  c = cubic_bezier();
  c.knots.pop_back();
  EXPECT_EQ(reason(c), "knot count 7, expected 8");
  c = cubic_bezier();
  c.control.resize(2);
  c.knots.resize(6);
  EXPECT_EQ(reason(c), "2 control points, degree 3 needs at least 4");
  c = cubic_bezier();
  c.knots[2] = 0.5;
  EXPECT_NE(reason(c).find("knots out of order"), std::string::npos);
  c = cubic_bezier();
  c.knots[7] = kNan;
  EXPECT_NE(reason(c).find("not finite"), std::string::npos);
  c = cubic_bezier();
  c.knots = {1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_NE(reason(c).find("positive length"), std::string::npos);
  c = cubic_bezier();
  c.knots = {-1e308, -1e308, -1e308, -1e308, 1e308, 1e308, 1e308, 1e308};
  EXPECT_NE(reason(c).find("too wide"), std::string::npos);
  c = quarter_circle();
  c.weights[1] = 0;
  EXPECT_NE(reason(c).find("weight 1 not positive"), std::string::npos);
  c.weights = {1, 1};
  EXPECT_EQ(reason(c), "weight count 2, expected 3");
  c = quarter_circle();
  c.control[2].y = std::numeric_limits<double>::infinity();
  EXPECT_NE(reason(c).find("control point 2"), std::string::npos);
  EXPECT_FALSE(valid_nurbs(c));  // the reason is optional
}

TEST(NurbsPoint, RationalQuarterCircle) {
  const NurbsCurve c = quarter_circle();
  expect_point(nurbs_point(c, 0), {1, 0, 0});
  expect_point(nurbs_point(c, 1), {0, 1, 0});
  expect_point(nurbs_point(c, 0.5), {std::sqrt(0.5), std::sqrt(0.5), 0});
  for (int i = 0; i <= 100; ++i)
    EXPECT_NEAR(length(nurbs_point(c, i / 100.0)), 1, 1e-14);
  // Scaling every weight alike changes nothing.
  NurbsCurve scaled = c;
  for (double& w : scaled.weights)
    w *= 7;
  expect_point(nurbs_point(scaled, 0.3), nurbs_point(c, 0.3), 1e-15);
}

TEST(NurbsPoint, ClampedEndsAndBernsteinMiddle) {
  const NurbsCurve c = cubic_bezier();
  expect_point(nurbs_point(c, 0), c.control.front(), 0);
  expect_point(nurbs_point(c, 1), c.control.back(), 0);
  // (P0 + 3 P1 + 3 P2 + P3) / 8
  expect_point(nurbs_point(c, 0.5), {(3 + 9 + 4) / 8.0, (6 + 6) / 8.0, 3 / 8.0});
  // Outside the range, and NaN, count as the nearer end.
  expect_point(nurbs_point(c, -5), c.control.front(), 0);
  expect_point(nurbs_point(c, 9), c.control.back(), 0);
  expect_point(nurbs_point(c, kNan), c.control.front(), 0);
}

TEST(NurbsPoint, UnclampedUniformCubicUsesTheInnerRange) {
  const std::vector<Vec3> p = {{0, 0, 0}, {6, 0, 0}, {6, 6, 0}, {0, 6, 6}};
  const NurbsCurve c{3, {0, 1, 2, 3, 4, 5, 6, 7}, p, {}};
  // A uniform cubic starts at (P0 + 4 P1 + P2) / 6 and ends at (P1 + 4 P2 + P3) / 6.
  expect_point(nurbs_point(c, 3), {5, 1, 0});
  expect_point(nurbs_point(c, 4), {5, 5, 1});
  const std::vector<Vec3> chain = tessellate_nurbs(c, 0.01);
  ASSERT_GE(chain.size(), 2u);
  expect_point(chain.front(), {5, 1, 0});
  expect_point(chain.back(), {5, 5, 1});
}

TEST(NurbsPoint, KnotOfFullMultiplicityPassesThroughItsControlPoint) {
  const NurbsCurve c{
      3,
      {0, 0, 0, 0, 0.5, 0.5, 0.5, 1, 1, 1, 1},
      {{0, 0, 0}, {1, 3, 0}, {2, 3, 0}, {3, 0, 0}, {4, -3, 0}, {5, -3, 0}, {6, 0, 0}},
      {}};
  expect_point(nurbs_point(c, 0.5), {3, 0, 0});
  const std::vector<Vec3> chain = tessellate_nurbs(c, 0.01);
  bool found = false;
  for (const Vec3& q : chain)
    found = found || (q.x == 3 && q.y == 0);
  EXPECT_TRUE(found);
}

TEST(NurbsTessellate, QuarterCircleWithinTolerance) {
  for (double tol : {0.01, 1e-5}) {
    const std::vector<Vec3> chain = tessellate_nurbs(quarter_circle(), tol);
    ASSERT_GE(chain.size(), 2u);
    expect_point(chain.front(), {1, 0, 0});
    expect_point(chain.back(), {0, 1, 0});
    // On the unit circle a chord spanning angle d sags 1 - cos(d / 2) below it.
    const std::vector<double> angles = unwrapped_angles(chain);
    for (std::size_t i = 0; i < chain.size(); ++i) {
      EXPECT_NEAR(length(chain[i]), 1, 1e-14);
      if (i > 0) {
        EXPECT_LE(1 - std::cos((angles[i] - angles[i - 1]) / 2), tol);
      }
    }
  }
  // 1 - cos(d / 2) <= 0.01 allows d up to 0.28: six chords would do for a quarter turn.
  EXPECT_LE(tessellate_nurbs(quarter_circle(), 0.01).size(), 20u);
}

TEST(NurbsTessellate, DegreeOneIsThePolylineOfItsControlPoints) {
  const std::vector<Vec3> p = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {5, 1, 1}};
  // Simple knots, and a double knot at 2 where the chain jumps from P2 to P3.
  for (const std::vector<double>& knots :
       {std::vector<double>{0, 0, 1, 2, 3, 9, 9}, std::vector<double>{0, 0, 1, 2, 2, 7, 7}}) {
    const std::vector<Vec3> chain = tessellate_nurbs({1, knots, p, {}}, 0.01);
    ASSERT_EQ(chain.size(), p.size());
    for (std::size_t i = 0; i < p.size(); ++i)
      expect_point(chain[i], p[i], 1e-15);
  }
}

TEST(NurbsTessellate, CubicStaysWithinToleranceOfDenseEvaluation) {
  const NurbsCurve c = cubic_bezier();
  const std::vector<Vec3> chain = tessellate_nurbs(c, 0.001);
  ASSERT_GE(chain.size(), 2u);
  expect_point(chain.front(), c.control.front(), 0);
  expect_point(chain.back(), c.control.back(), 0);
  // Every point of the curve (from the Bernstein form) is near some chord.
  for (int i = 0; i <= 2000; ++i) {
    const double t = i / 2000.0;
    const double s = 1 - t;
    const double b[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
    Vec3 q;
    for (int k = 0; k < 4; ++k)
      q = q + b[k] * c.control[k];
    double nearest = 1e9;
    for (std::size_t k = 1; k < chain.size(); ++k) {
      nearest = std::min(nearest, orvane::test::distance_to_segment(q, chain[k - 1], chain[k]));
    }
    EXPECT_LE(nearest, 0.001) << t;
  }
}

TEST(NurbsTessellate, HostileCurvesGiveBoundedResultsQuickly) {
  const auto start = std::chrono::steady_clock::now();
  const std::size_t most = kMaxCurveSegments + 1;
  NurbsCurve bad = cubic_bezier();
  bad.degree = 10000;
  EXPECT_TRUE(tessellate_nurbs(bad, 0.01).empty());
  bad.degree = 0;
  EXPECT_TRUE(tessellate_nurbs(bad, 0.01).empty());
  // A million control points in a zigzag, clamped: capped, ends kept.
  NurbsCurve big;
  big.degree = 3;
  const int n = 1000000;
  for (int i = 0; i < n; ++i)
    big.control.push_back({double(i), double(i % 2), 0});
  big.knots.assign(4, 0.0);
  for (int i = 1; i <= n - 4; ++i)
    big.knots.push_back(i);
  big.knots.insert(big.knots.end(), 4, double(n - 3));
  const std::vector<Vec3> chain = tessellate_nurbs(big, 0.01);
  EXPECT_LE(chain.size(), most);
  ASSERT_GE(chain.size(), 2u);
  expect_point(chain.front(), {0, 0, 0}, 0);
  expect_point(chain.back(), {n - 1.0, 1, 0}, 1e-6);
  // Huge values, extreme weights, a tolerance of NaN, the highest degree.
  NurbsCurve wild = quarter_circle();
  wild.control = {{1e300, 0, 0}, {1e300, 1e300, 0}, {0, 1e300, 0}};
  EXPECT_LE(tessellate_nurbs(wild, kNan).size(), most);
  wild = quarter_circle();
  wild.weights = {1e-300, 1e300, 1e-300};
  for (const Vec3& q : tessellate_nurbs(wild, 1e-300))
    EXPECT_TRUE(is_finite(q));
  NurbsCurve line{kMaxSplineDegree, {}, {}, {}};
  line.knots.assign(kMaxSplineDegree + 1, 0.0);
  line.knots.insert(line.knots.end(), kMaxSplineDegree + 1, 1.0);
  for (int i = 0; i <= kMaxSplineDegree; ++i)
    line.control.push_back({double(i), 2.0 * i, 0});
  // Control points evenly along a line give that line.
  for (const Vec3& q : tessellate_nurbs(line, 0.01))
    EXPECT_NEAR(q.y, 2 * q.x, 1e-9);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 10);
}
