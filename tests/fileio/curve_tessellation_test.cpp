#include "fileio/curve_tessellation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/fileio/curve_test_util.h"

using namespace orvane;
using orvane::test::max_chord_gap;
using orvane::test::unwrapped_angles;

namespace {

constexpr double kPi = std::numbers::pi;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Parameters of the chain points of the ellipse c + 3 cos t x + sin t y.
std::vector<double> ellipse_params(const std::vector<Vec3>& chain, const Vec3& c) {
  std::vector<Vec3> unit_circle;
  for (const Vec3& p : chain)
    unit_circle.push_back({(p.x - c.x) / 3, p.y - c.y, 0});
  return unwrapped_angles(unit_circle);
}

// Restores the application's tolerance when a test has changed it.
struct ToleranceGuard {
  double saved = chord_tolerance;
  ~ToleranceGuard() { chord_tolerance = saved; }
};

}  // namespace

TEST(CurveTolerance, UnusableValuesMeanTheDefault) {
  ToleranceGuard guard;
  chord_tolerance = 0.2;
  EXPECT_EQ(effective_chord_tolerance(), 0.2);
  for (double bad : {0.0, -1.0, kNan, kInf}) {
    chord_tolerance = bad;
    EXPECT_EQ(effective_chord_tolerance(), kDefaultChordTolerance) << bad;
  }
}

TEST(CurveEllipse, FullEllipseLiesOnTheCurveWithinTolerance) {
  const Vec3 c{1, 2, 0};
  const Vec3 a{3, 0, 0};
  const Vec3 b{0, 1, 0};
  const auto curve = [&](double t) { return c + std::cos(t) * a + std::sin(t) * b; };
  for (double tol : {0.01, 0.1, 1e-4}) {
    const std::vector<Vec3> chain = tessellate_ellipse(c, a, b, 0, 2 * kPi, tol);
    ASSERT_GE(chain.size(), 9u);
    for (const Vec3& p : chain) {
      EXPECT_NEAR(std::pow((p.x - 1) / 3, 2) + std::pow(p.y - 2, 2), 1, 1e-12);
      EXPECT_EQ(p.z, 0);
    }
    EXPECT_EQ(chain.front().x, 4);
    EXPECT_EQ(chain.front().y, 2);
    EXPECT_NEAR(chain.back().x, 4, 1e-15);
    EXPECT_NEAR(chain.back().y, 2, 1e-15);
    EXPECT_LE(max_chord_gap(chain, ellipse_params(chain, c), curve), tol);
  }
  // A circle of radius sqrt(10) needs about 40 chords for 0.01; the ellipse is flatter still.
  EXPECT_LE(tessellate_ellipse(c, a, b, 0, 2 * kPi, 0.01).size(), 45u);
}

TEST(CurveEllipse, SkewAxesInSpaceAndExactEnds) {
  // a and b not perpendicular: p - c = cos t a + sin t b gives sin t = y, cos t = z.
  const Vec3 c{-5, 0, 10};
  const Vec3 a{2, 0, 1};
  const Vec3 b{1, 1, 0};
  const std::vector<Vec3> chain = tessellate_ellipse(c, a, b, 0.5, 2.0, 0.001);
  ASSERT_GE(chain.size(), 3u);
  EXPECT_EQ(chain.front().x, c.x + std::cos(0.5) * 2 + std::sin(0.5));
  EXPECT_EQ(chain.back().y, std::sin(2.0));
  EXPECT_EQ(chain.back().z, c.z + std::cos(2.0));
  std::vector<Vec3> unit_circle;
  for (const Vec3& p : chain) {
    const double s = p.y;
    const double co = p.z - c.z;
    EXPECT_NEAR(s * s + co * co, 1, 1e-12);
    EXPECT_NEAR(p.x - c.x, 2 * co + s, 1e-12);
    unit_circle.push_back({co, s, 0});
  }
  const auto curve = [&](double t) { return c + std::cos(t) * a + std::sin(t) * b; };
  EXPECT_LE(max_chord_gap(chain, unwrapped_angles(unit_circle), curve), 0.001);
}

TEST(CurveEllipse, UsesTheApplicationToleranceWhenNoneIsGiven) {
  ToleranceGuard guard;
  const Vec3 c{1, 2, 0};
  const auto curve = [&](double t) {
    return c + std::cos(t) * Vec3{3, 0, 0} + std::sin(t) * Vec3{0, 1, 0};
  };
  chord_tolerance = 0.5;
  for (double tol : {0.0, -3.0, kNan}) {
    const std::vector<Vec3> chain = tessellate_ellipse(c, {3, 0, 0}, {0, 1, 0}, 0, kPi, tol);
    const double gap = max_chord_gap(chain, ellipse_params(chain, c), curve);
    EXPECT_LE(gap, 0.5);
    EXPECT_GT(gap, 0.01);  // coarser than the default would draw
  }
}

TEST(CurveEllipse, EmptyOrBadRangesGiveNoPoints) {
  const Vec3 c{0, 0, 0}, a{1, 0, 0}, b{0, 1, 0};
  EXPECT_TRUE(tessellate_ellipse(c, a, b, 1, 0, 0.01).empty());
  EXPECT_TRUE(tessellate_ellipse(c, a, b, 1, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_ellipse(c, a, b, kNan, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_ellipse(c, a, b, 0, kInf, 0.01).empty());
  EXPECT_TRUE(tessellate_ellipse(c, {kNan, 0, 0}, b, 0, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_ellipse({0, kInf, 0}, a, b, 0, 1, 0.01).empty());
  // Points that overflow are no chain either.
  EXPECT_TRUE(tessellate_ellipse({1e308, 0, 0}, {1e308, 0, 0}, b, 0, 1, 0.01).empty());
}

TEST(CurveEllipse, SegmentCountStaysBounded) {
  const std::size_t most = kMaxCurveSegments + 1;
  const Vec3 c{0, 0, 0};
  EXPECT_EQ(tessellate_ellipse(c, {1, 0, 0}, {0, 1, 0}, 0, 2 * kPi, 1e-300).size(), most);
  EXPECT_LE(tessellate_ellipse(c, {1e300, 0, 0}, {0, 1e300, 0}, 0, 2 * kPi, 0.01).size(), most);
  EXPECT_LE(tessellate_ellipse(c, {1, 0, 0}, {0, 1, 0}, 0, 1e300, 0.01).size(), most);
  // A tiny arc is still one chord with both ends; a degenerate ellipse is a run of one point.
  EXPECT_EQ(tessellate_ellipse(c, {1, 0, 0}, {0, 1, 0}, 0, 1e-6, 0.01).size(), 2u);
  for (const Vec3& p : tessellate_ellipse({7, 7, 7}, {}, {}, 0, 2 * kPi, 0.01)) {
    EXPECT_EQ(p.x, 7);
  }
}

TEST(CurveFunction, CircleAndParabolaStayWithinTolerance) {
  const auto circle = [](double t) { return Vec3{std::cos(t), std::sin(t), 0}; };
  std::vector<Vec3> chain = tessellate_function(circle, 0, 2 * kPi, 0.001);
  ASSERT_GE(chain.size(), 9u);
  for (const Vec3& p : chain)
    EXPECT_NEAR(length(p), 1, 1e-12);
  EXPECT_EQ(chain.front().x, 1);
  EXPECT_EQ(chain.back().x, std::cos(2 * kPi));
  EXPECT_EQ(chain.back().y, std::sin(2 * kPi));
  EXPECT_LE(max_chord_gap(chain, unwrapped_angles(chain), circle), 0.001);

  const auto parabola = [](double t) { return Vec3{t, t * t, 1}; };
  chain = tessellate_function(parabola, -1, 2, 0.01);
  std::vector<double> params;
  for (const Vec3& p : chain) {
    EXPECT_EQ(p.y, p.x * p.x);
    params.push_back(p.x);
  }
  EXPECT_EQ(chain.front().x, -1);
  EXPECT_EQ(chain.back().x, 2);
  EXPECT_LE(max_chord_gap(chain, params, parabola), 0.01);
  // Its vertical gap (x2 - x1)^2 / 4 is within 0.01 for chords of length 0.2; about 15 chords do.
  EXPECT_LE(chain.size(), 40u);
}

TEST(CurveFunction, AStraightLineIsNotCutFiner) {
  const std::vector<Vec3> chain = tessellate_function(
      [](double t) {
        return Vec3{t, 2 * t, -t};
      },
      0, 10, 1e-9);
  ASSERT_GE(chain.size(), 2u);
  EXPECT_LE(chain.size(), 9u);
  EXPECT_EQ(chain.back().y, 20);
}

TEST(CurveFunction, BadRangesAndEmptyFunctionGiveNoPoints) {
  const auto line = [](double t) { return Vec3{t, 0, 0}; };
  EXPECT_TRUE(tessellate_function(line, 2, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_function(line, 1, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_function(line, kNan, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_function(line, -kInf, 1, 0.01).empty());
  EXPECT_TRUE(tessellate_function(line, -1e308, 1e308, 0.01).empty());  // range overflows
  EXPECT_TRUE(tessellate_function(nullptr, 0, 1, 0.01).empty());
}

TEST(CurveFunction, NonFiniteSamplesAreLeftOutWithoutHanging) {
  // A pole in the middle of the range.
  const auto pole = [](double t) { return Vec3{t, 1 / (t - 0.5), 0}; };
  std::vector<Vec3> chain = tessellate_function(pole, 0, 1, 0.01);
  ASSERT_GE(chain.size(), 2u);
  EXPECT_LE(chain.size(), kMaxCurveSegments + 1u);
  for (const Vec3& p : chain)
    EXPECT_TRUE(is_finite(p));
  // NaN on a whole stretch, and everywhere.
  const auto holed = [](double t) {
    return t > 0.3 && t < 0.6 ? Vec3{kNan, 0, 0} : Vec3{t, std::sin(5 * t), 0};
  };
  chain = tessellate_function(holed, 0, 1, 0.001);
  ASSERT_GE(chain.size(), 2u);
  for (const Vec3& p : chain)
    EXPECT_TRUE(p.x <= 0.3 || p.x >= 0.6);
  EXPECT_EQ(chain.back().x, 1);
  EXPECT_TRUE(tessellate_function([](double) { return Vec3{kNan, 0, 0}; }, 0, 1, 0.01).empty());
}

TEST(CurveFunction, WildCurvesStayBoundedAndQuick) {
  const auto start = std::chrono::steady_clock::now();
  const std::size_t most = kMaxCurveSegments + 1;
  const auto wiggle = [](double t) { return Vec3{t, std::sin(1e6 * t), 0}; };
  EXPECT_LE(tessellate_function(wiggle, 0, 1, 1e-6).size(), most);
  const auto huge = [](double t) { return Vec3{1e300 * std::cos(t), 1e300 * std::sin(t), 0}; };
  const std::vector<Vec3> chain = tessellate_function(huge, 0, 6, 0.01);
  EXPECT_LE(chain.size(), most);
  EXPECT_GE(chain.size(), 2u);
  const auto overflow = [](double t) { return Vec3{1e308 * (1 + t), 0, 0}; };
  EXPECT_LE(tessellate_function(overflow, 0, 2, kNan).size(), most);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 5);
}
