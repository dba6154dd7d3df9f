#include "calc/lines.h"

#include <gtest/gtest.h>

#include "calc/tangent_lines.h"
#include "calc_test_util.h"

namespace {

namespace calc = orvane::calc;
using namespace calc_test;

// The mirror image of P across the line through A and B.
TDPoint mirror(const TDPoint& p, const TDPoint& a, const TDPoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
  return TDPoint{2 * (a.x + t * dx) - p.x, 2 * (a.y + t * dy) - p.y, 0};
}

int sign(double v) {
  return v > 0 ? 1 : -1;
}

TEST(CalcLines, LineThroughTwoPointsIsWrittenEvenWhenUndefined) {
  TDLine l;
  EXPECT_EQ(calc::line_2_points({1, 2, 3}, {1, 2, 9}, l), 903);
  EXPECT_EQ(l.p2.z, 9);
  EXPECT_EQ(calc::line_2_points({1, 2, 3}, {4, 2, 9}, l), 0);
}

TEST(CalcLines, LineAtAnAngleWritesOnlyXAndY) {
  TDLine l{{0, 0, 5}, {0, 0, 6}};
  EXPECT_EQ(calc::line_point_angle({0, 0, 1}, 90, 2, l), 0);
  EXPECT_XY_NEAR(l.p2, 0, 2, 1e-9);
  EXPECT_EQ(l.p1.z, 5);
  EXPECT_EQ(l.p2.z, 6);
}

TEST(CalcLines, PerpendicularFromAPoint) {
  TDLine out;
  calc::line_perpendicular_point({0, 2, 4}, {{-1, -1, 0}, {3, 3, 0}}, out);
  EXPECT_XY_NEAR(out.p2, 1, 1, 1e-9);
  EXPECT_EQ(out.p1.z, 4);
  calc::line_perpendicular_point({1, 1, 0}, {{-1, -1, 0}, {3, 3, 0}}, out);
  EXPECT_NEAR(dist(out.p1, out.p2), 0, 1e-9);
}

TEST(CalcLines, OffsetIntoItsOwnInputMatchesASeparateOutput) {
  TDLine l{{0, 0, 1}, {4, 4, 2}};
  TDLine out;
  calc::offset_line(l, 2, {0, 3, 0}, out);
  calc::offset_line(l, 2, {0, 3, 0}, l);
  EXPECT_XY_NEAR(l.p1, out.p1.x, out.p1.y, 0);
  EXPECT_XY_NEAR(l.p2, out.p2.x, out.p2.y, 0);
  EXPECT_EQ(l.p2.z, 2);
}

// Offsets and parallels are parallel to the line at the given distance, on P's side (away from
// it for a negative distance). The feet come from the slope form; 1e-9 on a 10-unit scene.
TEST(CalcLineInvariants, OffsetsAndParallelsKeepTheirDistance) {
  Random rnd(11);
  for (int i = 0; i < kCases; ++i) {
    const TDLine l = rnd.line();
    const TDPoint p = rnd.point();
    const double sp = side_distance(p, l);
    if (std::abs(sp) < 0.1) continue;
    const double d = rnd.uniform(-3, 3);
    TDLine out;
    calc::offset_line(l, d, p, out);
    EXPECT_NEAR(side_distance(out.p1, l), sign(sp) * d, 1e-9);
    EXPECT_NEAR(side_distance(out.p2, l), sign(sp) * d, 1e-9);
    calc::line_parallel_point(p, l, out);
    EXPECT_NEAR(line_distance(p, out), 0, 1e-9);
    EXPECT_NEAR(side_distance(out.p1, l), side_distance(out.p2, l), 1e-9);
  }
}

TEST(CalcTangentLines, ThroughAPointInsideTheCircleIs908) {
  TDLine l{{7, 7, 7}, {7, 7, 7}};
  EXPECT_EQ(calc::line_tangent_point({0, 0, 0}, {0.5, 0, 0}, {{0, 0, 0}, 1, 0, 360}, l), 908);
  EXPECT_EQ(l.p1.x, 7);
}

TEST(CalcTangentLines, TangentAtAnAngleStartsAtTheTouchingPoint) {
  TDLine l;
  calc::line_tangent_angle({{1, 0, 0}, 2, 0, 360}, 0, 3, l);
  EXPECT_XY_NEAR(l.p1, 1, 2, 1e-9);
  EXPECT_XY_NEAR(l.p2, 4, 2, 1e-9);
}

TEST(CalcTangentLines, PicksAboveTwoEqualCirclesGiveTheUpperOuterTangent) {
  TDLine l;
  ASSERT_EQ(calc::line_tangent_2_arcs2({{0, 0, 0}, 1, 0, 360}, {{4, 0, 0}, 1, 0, 360}, {0, 1.2, 0},
                                       {4, 1.2, 0}, l),
            0);
  // Equal radii: the second circle counts as the bigger one, so the line starts there. The
  // difference of the radii is a point circle; its touching point comes out 1e-4 above the
  // centre, and the direction to it is nudged 1e-7 off the vertical, turning the ends by about
  // 1e-3 of a radian while the line stays within 1e-6 of touching.
  EXPECT_XY_NEAR(l.p1, 4, 1, 2e-3);
  EXPECT_XY_NEAR(l.p2, 0, 1, 2e-3);
  EXPECT_NEAR(calc_test::line_distance({0, 0, 0}, l), 1, 1e-6);
  EXPECT_NEAR(calc_test::line_distance({4, 0, 0}, l), 1, 1e-6);
}

// A tangent from a point touches the circle (its distance from the centre is the radius) at the
// touching point nearer to the pick. The two circles meet at right angles, so the crossing is
// well conditioned: 1e-9.
TEST(CalcTangentInvariants, TangentFromAPointTouchesTheCircle) {
  Random rnd(13);
  for (int i = 0; i < kCases; ++i) {
    const TDArc c{rnd.point(), rnd.uniform(0.5, 3), 0, 360};
    const TDPoint through = along(c.center, c.radius * rnd.uniform(1.2, 5), rnd.uniform(0, 360));
    const TDPoint pick = rnd.point();
    TDLine l;
    ASSERT_EQ(calc::line_tangent_point(pick, through, c, l), 0);
    EXPECT_XY_NEAR(l.p1, through.x, through.y, 0);
    EXPECT_NEAR(line_distance(c.center, l), c.radius, 1e-9);
    EXPECT_NEAR(dist(l.p2, c.center), c.radius, 1e-9);
    EXPECT_LE(dist(l.p2, pick), dist(mirror(l.p2, c.center, through), pick) + 1e-9);
  }
}

// Common tangents touch both circles; picks on one side of the centre line give an outer
// tangent (both centres on one side of it), picks on opposite sides a crossing one. The outer
// case goes through a circle of the difference of the radii, which can be small: 1e-8.
TEST(CalcTangentInvariants, CommonTangentTouchesBothCircles) {
  Random rnd(17);
  for (int i = 0; i < kCases; ++i) {
    const TDArc a1{rnd.point(), rnd.uniform(0.5, 2), 0, 360};
    const TDArc a2{{}, rnd.uniform(0.5, 2), 0, 360};
    const double theta = rnd.uniform(0, 360);
    TDArc b2 = a2;
    b2.center = along(a1.center, rnd.uniform(a1.radius + a2.radius + 0.5, 10), theta);
    const int side1 = rnd.uniform(0, 1) < 0.5 ? 1 : -1;
    const int side2 = rnd.uniform(0, 1) < 0.5 ? 1 : -1;
    const TDPoint p1 = along(a1.center, a1.radius, theta + side1 * rnd.uniform(20, 160));
    const TDPoint p2 = along(b2.center, b2.radius, theta + side2 * rnd.uniform(20, 160));
    TDLine l;
    calc::line_tangent_2_arcs2(a1, b2, p1, p2, l);
    EXPECT_NEAR(line_distance(a1.center, l), a1.radius, 1e-8);
    EXPECT_NEAR(line_distance(b2.center, l), b2.radius, 1e-8);
    const bool same_side = sign(side_distance(a1.center, l)) == sign(side_distance(b2.center, l));
    EXPECT_EQ(same_side, side1 == side2) << i;
  }
}

}  // namespace
