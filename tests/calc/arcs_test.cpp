#include "calc/arcs.h"

#include "calc_test_util.h"

namespace {

using namespace calc_test;

TEST(CalcArcs, FromACentre) {
  TDArc a;
  calc::arc_center_point({0, 0, 5}, {3, 4, 0}, 10, 20, a);
  EXPECT_EQ(a.radius, 5);
  EXPECT_EQ(a.center.z, 5);
  EXPECT_EQ(a.start_angle + a.end_angle, 30);
  calc::arc_center_radius({1, 2, 3}, 4, 0, 360, a);
  EXPECT_EQ(a.radius + a.center.y, 6);
  const TDLine x_axis{{0, 0, 0}, {5, 0, 0}};
  // Touching a line is measured in the plane, whatever the centre's z.
  for (double z : {0.0, 5.0}) {
    calc::arc_center_tangent_line({0, 2, z}, x_axis, 0, 360, a);
    EXPECT_NEAR(a.radius, 2, 1e-6);
    EXPECT_EQ(a.center.z, z);
  }
  calc::arc_center_tangent_line({3, 0, 0}, x_axis, 0, 360, a);
  EXPECT_EQ(a.radius, 0);
}

TEST(CalcArcs, CentreTouchingACircleOnTheNearOrFarSide) {
  const TDArc c{{0, 0, 0}, 1, 0, 360};
  TDArc a;
  calc::arc_center_tangent_arc({1, 0, 0}, {5, 0, 0}, c, 0, 360, a);
  EXPECT_EQ(a.radius, 4);
  calc::arc_center_tangent_arc({-1, 0, 0}, {5, 0, 0}, c, 0, 360, a);
  EXPECT_EQ(a.radius, 6);
  // A centre inside the circle touching its near side: the radius is a size, never negative.
  calc::arc_center_tangent_arc({0.3, 0, 0}, {0.25, 0, 0}, {{0, 0, 0}, 2, 0, 360}, 0, 360, a);
  EXPECT_EQ(a.radius, 1.75);
}

TEST(CalcArcs, ThroughTwoPoints) {
  TDArc a1, a2;
  EXPECT_EQ(calc::arc_between_2_points({0, 0, 0}, {4, 0, 2}, 0, 360, a1), 1);
  EXPECT_XY_NEAR(a1.center, 2, 0, 0);
  EXPECT_EQ(a1.center.z + a1.radius, 3);
  // Points a diameter apart: both circles within 0.0001 of the midpoint, the first above.
  ASSERT_EQ(calc::arc_through_2_points({0, 0, 3}, {2, 0, 0}, 1, 0, 360, a1, a2), 1);
  EXPECT_XY_NEAR(a1.center, 1, 0, 1.0001e-4);
  EXPECT_XY_NEAR(a2.center, 1, 0, 1.0001e-4);
  EXPECT_GT(a1.center.y, a2.center.y);
  EXPECT_EQ(a1.center.z, 3);
  a1.radius = a2.radius = 7;
  EXPECT_EQ(calc::arc_through_2_points({0, 0, 0}, {2, 0, 0}, 0.9, 0, 360, a1, a2), 0);
  EXPECT_EQ(a1.radius + a2.radius, 14);
}

TEST(CalcArcs, ThroughThreePoints) {
  TDArc a{{5, 5, 5}, 5, 0, 0};
  ASSERT_EQ(calc::arc_3_points({1, 0, 2}, {0, 1, 2}, {-1, 0, 2}, 0, 360, a), 0);
  EXPECT_XY_NEAR(a.center, 0, 0, 1e-12);
  EXPECT_EQ(a.center.z, 0);
  EXPECT_NEAR(a.radius, 1, 1e-12);
  ASSERT_EQ(calc::arc_3_points({0, 0, 0}, {0, 0, 0}, {2, 0, 0}, 0, 360, a), 0);
  EXPECT_XY_NEAR(a.center, 1, 0, 0);
  EXPECT_EQ(a.radius, 1);
  a.radius = 5;
  EXPECT_EQ(calc::arc_3_points({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, 0, 360, a), 908);
  // P1 between the other two: the direction test misses it, the determinant is 0.
  EXPECT_EQ(calc::arc_3_points({0, 0, 0}, {1, 1, 0}, {-1, -1, 0}, 0, 360, a), 908);
  EXPECT_EQ(a.radius, 5);
}

// Constructed circles pass through their points. The 3-point centre solves a 2x2 system whose
// condition stays moderate for triangles with no angle below 5 degrees: 1e-9 on a 10-unit scene.
TEST(CalcArcInvariants, CirclesPassThroughTheirPoints) {
  Random rnd(23);
  for (int i = 0; i < kCases; ++i) {
    const TDPoint p1 = rnd.point(), p2 = rnd.point(), p3 = rnd.point();
    if (dist(p1, p2) < 0.5 || dist(p1, p3) < 0.5 || dist(p2, p3) < 0.5 ||
        crossing_angle({p1, p2}, {p1, p3}) < 5 || crossing_angle({p1, p2}, {p2, p3}) < 5) {
      continue;
    }
    TDArc a;
    ASSERT_EQ(calc::arc_3_points(p1, p2, p3, 0, 360, a), 0);
    for (const TDPoint& p : {p1, p2, p3})
      EXPECT_NEAR(dist(a.center, p), a.radius, 1e-9);
    const double r = dist(p1, p2) / 2 * rnd.uniform(1.05, 3);
    TDArc b[2];
    ASSERT_EQ(calc::arc_through_2_points(p1, p2, r, 0, 360, b[0], b[1]), 1);
    for (const TDArc& c : b) {
      EXPECT_NEAR(dist(c.center, p1), r, 1e-9);
      EXPECT_NEAR(dist(c.center, p2), r, 1e-9);
    }
  }
}

}  // namespace
