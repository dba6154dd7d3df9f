#include "calc/lines.h"

#include "calc/tangent_lines.h"
#include "calc_test_util.h"

namespace {

using namespace calc_test;

double sign(double v) {
  return v > 0 ? 1 : -1;
}

TEST(CalcLines, ThroughPointsAtAnAngleAndAtRightAngles) {
  TDLine l{{0, 0, 5}, {0, 0, 6}};
  EXPECT_EQ(calc::line_point_angle({0, 0, 1}, 90, 2, l), 0);
  EXPECT_XY_NEAR(l.p2, 0, 2, 1e-9);
  EXPECT_EQ(l.p1.z + l.p2.z, 11);  // z is not written
  EXPECT_EQ(calc::line_2_points({1, 2, 3}, {1, 2, 9}, l), 903);
  EXPECT_EQ(l.p2.z, 9);  // written even when undefined
  calc::line_perpendicular_point({0, 2, 4}, {{-1, -1, 0}, {3, 3, 0}}, l);
  EXPECT_XY_NEAR(l.p2, 1, 1, 1e-9);
  calc::line_perpendicular_point({1, 1, 0}, {{-1, -1, 0}, {3, 3, 0}}, l);
  EXPECT_NEAR(dist(l.p1, l.p2), 0, 1e-9);
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
// it for a negative distance). The feet come from the slope form: 1e-9 on a 10-unit scene.
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

TEST(CalcTangentLines, FromInsideIs908AndAtAnAngleStartsAtTheTouchingPoint) {
  TDLine l{{7, 7, 7}, {7, 7, 7}};
  EXPECT_EQ(calc::line_tangent_point({}, {0.5, 0, 0}, {{0, 0, 0}, 1, 0, 360}, l), 908);
  EXPECT_EQ(l.p1.x, 7);
  calc::line_tangent_angle({{1, 0, 0}, 2, 0, 360}, 0, 3, l);
  EXPECT_XY_NEAR(l.p1, 1, 2, 1e-9);
  EXPECT_XY_NEAR(l.p2, 4, 2, 1e-9);
}

TEST(CalcTangentLines, PicksAboveTwoEqualCirclesGiveTheUpperOuterTangent) {
  TDLine l;
  EXPECT_EQ(calc::line_tangent_2_arcs2({{0, 0, 0}, 1, 0, 360}, {{4, 0, 0}, 1, 0, 360}, {0, 1.2, 0},
                                       {4, 1.2, 0}, l),
            0);
  // Equal radii: the second circle counts as the bigger one, so the line starts there. The
  // difference of the radii is a point circle; its touching point comes out 1e-4 above the
  // centre, and the direction to it is nudged 1e-7 off the vertical, turning the ends by about
  // 1e-3 of a radian while the line stays within 1e-6 of touching.
  EXPECT_XY_NEAR(l.p1, 4, 1, 2e-3);
  EXPECT_XY_NEAR(l.p2, 0, 1, 2e-3);
  EXPECT_NEAR(line_distance({0, 0, 0}, l), 1, 1e-6);
  EXPECT_NEAR(line_distance({4, 0, 0}, l), 1, 1e-6);
}

// A tangent from a point is at the radius from the centre and touches the circle at the
// touching point nearer to the pick. The two circles behind it meet at right angles: 1e-9.
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
    // Of two mirror images, the one on the pick's side of the mirror line is the nearer.
    const TDLine axis{c.center, through};
    if (line_distance(pick, axis) < 1e-6) continue;
    EXPECT_EQ(sign(side_distance(l.p2, axis)), sign(side_distance(pick, axis)));
  }
}

// Common tangents touch both circles; picks on one side of the centre line give an outer
// tangent (both centres on one side of it), picks on opposite sides a crossing one. The outer
// case goes through a circle of the difference of the radii, which can be small: 1e-8.
TEST(CalcTangentInvariants, CommonTangentTouchesBothCircles) {
  Random rnd(17);
  for (int i = 0; i < kCases; ++i) {
    const TDArc a1{rnd.point(), rnd.uniform(0.5, 2), 0, 360};
    const double r2 = rnd.uniform(0.5, 2), theta = rnd.uniform(0, 360);
    const TDArc a2{along(a1.center, rnd.uniform(a1.radius + r2 + 0.5, 10), theta), r2, 0, 360};
    const double side1 = sign(rnd.uniform(-1, 1)), side2 = sign(rnd.uniform(-1, 1));
    const TDPoint p1 = along(a1.center, a1.radius, theta + side1 * rnd.uniform(20, 160));
    const TDPoint p2 = along(a2.center, a2.radius, theta + side2 * rnd.uniform(20, 160));
    TDLine l;
    calc::line_tangent_2_arcs2(a1, a2, p1, p2, l);
    EXPECT_NEAR(line_distance(a1.center, l), a1.radius, 1e-8);
    EXPECT_NEAR(line_distance(a2.center, l), a2.radius, 1e-8);
    const bool outer = sign(side_distance(a1.center, l)) == sign(side_distance(a2.center, l));
    EXPECT_EQ(outer, side1 == side2) << i;
  }
}

}  // namespace
