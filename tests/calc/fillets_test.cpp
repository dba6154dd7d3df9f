#include "calc/fillets.h"

#include "calc_test_util.h"

namespace {

using namespace calc_test;

TEST(CalcFillets, FilletOfTheAxesAndOfParallels) {
  TDArc a;
  ASSERT_EQ(calc::arc_tangent_2_lines({{0, 0, 0}, {10, 0, 0}}, {{0, 0, 0}, {0, 10, 0}}, 1, 0, 90,
                                      {3, 2, 0}, {2, 3, 0}, a),
            0);
  // The Y axis is vertical, which the slope form resolves to about 1e-6.
  EXPECT_XY_NEAR(a.center, 1, 1, 1e-5);
  EXPECT_EQ(a.radius, 1);
  // Parallel lines: 902, and only the centre stays as it was.
  a = TDArc{{7, 7, 7}, 7, 7, 7};
  EXPECT_EQ(calc::arc_tangent_2_lines({{0, 0, 0}, {10, 0, 0}}, {{0, 3, 0}, {10, 3, 0}}, 1, 10, 20,
                                      {1, 1, 0}, {1, 1, 0}, a),
            902);
  EXPECT_XY_NEAR(a.center, 7, 7, 0);
  EXPECT_EQ(a.radius, 1);
  EXPECT_EQ(a.end_angle, 20);
}

// Fillets of two lines lie at the radius from both, on the picked sides. The offset lines cross
// at 20 degrees or more, so 1e-9 on a 10-unit scene.
TEST(CalcFilletInvariants, FilletBetweenTwoLines) {
  Random rnd(29);
  for (int i = 0; i < kCases; ++i) {
    const TDLine l1 = rnd.line(), l2 = rnd.line();
    const TDPoint p1 = rnd.point(), p2 = rnd.point();
    if (crossing_angle(l1, l2) < 20 || line_distance(p1, l1) < 0.1 || line_distance(p2, l2) < 0.1)
      continue;
    const double r = rnd.uniform(0.2, 3);
    TDArc a;
    ASSERT_EQ(calc::arc_tangent_2_lines(l1, l2, r, 0, 360, p1, p2, a), 0);
    EXPECT_NEAR(side_distance(a.center, l1), std::copysign(r, side_distance(p1, l1)), 1e-9);
    EXPECT_NEAR(side_distance(a.center, l2), std::copysign(r, side_distance(p2, l2)), 1e-9);
  }
}

// A fillet between a line and an arc, built backwards from a known fillet circle: it lies at the
// radius from the line and at the arc's radius plus (outside) or minus (inside) the fillet's
// from the arc's centre. Cases whose offset line nearly touches the enlarged circle are skipped:
// there the half-chord is a square root of a tiny difference. The centre is placed by angle on
// the enlarged circle, where a half turn through 57.29577951 is 1.7e-10 rad off pi: 1e-8.
TEST(CalcFilletInvariants, FilletBetweenALineAndAnArc) {
  Random rnd(31);
  for (int i = 0; i < kCases; ++i) {
    const TDPoint centre = rnd.point(5);
    const double r = rnd.uniform(0.3, 2);
    const double theta = rnd.slanted_angle();
    const TDPoint touch = along(centre, r, theta + 90);
    const TDLine l{touch, along(touch, rnd.uniform(1, 5), theta)};
    const bool outside = i % 2 == 0;
    const double arc_r = outside ? rnd.uniform(0.5, 3) : r + rnd.uniform(0.5, 3);
    const double reach = outside ? arc_r + r : arc_r - r;
    const TDArc a{along(centre, reach, rnd.uniform(0, 360)), arc_r, 0, 360};
    if (line_distance(a.center, TDLine{centre, along(centre, 1, theta)}) > 0.9 * reach) continue;
    TDArc f{{0, 0, 4}, 0, 0, 0};
    calc::arc_tangent_line_arc(l, a, r, 0, 360, centre, centre, f);
    EXPECT_NEAR(line_distance(f.center, l), r, 1e-8);
    EXPECT_NEAR(dist(f.center, a.center), reach, 1e-8);
    EXPECT_EQ(f.center.z, 4);
  }
}

// The outside fillet of two arcs is at each arc's radius plus the fillet's from its centre, and
// is the crossing with the larger y. The enlarged circles cross at a fair angle (their distance
// kept 0.3 inside the possible range): 1e-8.
TEST(CalcFilletInvariants, FilletOutsideTwoArcs) {
  Random rnd(37);
  for (int i = 0; i < kCases; ++i) {
    const double r1 = rnd.uniform(0.5, 3), r2 = rnd.uniform(0.5, 3), r = rnd.uniform(0.3, 2);
    const TDArc a1{rnd.point(), r1, 0, 360};
    const double d = rnd.uniform(std::abs(r1 - r2) + 0.3, r1 + r2 + 2 * r - 0.3);
    const TDArc a2{along(a1.center, d, rnd.uniform(0, 360)), r2, 0, 360};
    TDArc f;
    ASSERT_EQ(calc::arc_tangent_2_arcs(a1, a2, r, 0, 360, {}, {}, f), 0);
    EXPECT_NEAR(dist(f.center, a1.center), r1 + r, 1e-8);
    EXPECT_NEAR(dist(f.center, a2.center), r2 + r, 1e-8);
    // The other crossing is the mirror image across the centre line.
    const double dx = a2.center.x - a1.center.x, dy = a2.center.y - a1.center.y;
    const double t =
        ((f.center.x - a1.center.x) * dx + (f.center.y - a1.center.y) * dy) / (dx * dx + dy * dy);
    const double other_y = 2 * (a1.center.y + t * dy) - f.center.y;
    EXPECT_GE(f.center.y, other_y - 1e-9);
  }
}

}  // namespace
