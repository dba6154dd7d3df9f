#include "calc/intersections.h"

#include "calc/elements.h"
#include "calc/sides.h"
#include "calc_test_util.h"
#include "platform/element_memory.h"

namespace {

using namespace calc_test;

TEST(CalcLineCrossing, CrossingsAndParallels) {
  TDPoint p{0, 0, 5};
  ASSERT_EQ(calc::point_inter_2_lines({{0, 0, 0}, {2, 2, 0}}, {{0, 2, 0}, {2, 0, 0}}, p), 0);
  EXPECT_XY_NEAR(p, 1, 1, 1e-12);
  EXPECT_EQ(p.z, 0);
  // The vertical line counts as a slope over a run of 1e-6: x comes out 2e-7 short.
  ASSERT_EQ(calc::point_inter_2_lines({{5, 0, 0}, {5, 10, 0}}, {{0, 2, 0}, {10, 2, 0}}, p), 0);
  EXPECT_NEAR(p.x, 4.9999998, 1e-9);
  EXPECT_NEAR(p.y, 2, 1e-5);
  p = TDPoint{7, 7, 7};
  EXPECT_EQ(calc::point_inter_2_lines({{0, 0, 0}, {1, 1, 0}}, {{0, 3, 0}, {2, 5, 0}}, p), 902);
  EXPECT_EQ(p.x, 7);
  // Two verticals of different heights have different steep slopes: a far-away crossing.
  EXPECT_EQ(calc::point_inter_2_lines({{0, 0, 0}, {0, 1, 0}}, {{3, 0, 0}, {3, 2, 0}}, p), 0);
  EXPECT_GT(std::abs(p.y), 1e5);
}

TEST(CalcCircleCrossing, OrderIsLargerYFirstThenLargerX) {
  TDPoint p1, p2;
  EXPECT_EQ(calc::point_inter_2_arcs({{0, 0, 3}, 2, 0, 0}, {{2, 0, 0}, 2, 0, 0}, p1, p2), 0);
  EXPECT_XY_NEAR(p1, 1, std::sqrt(3.0), 1e-9);
  EXPECT_XY_NEAR(p2, 1, -std::sqrt(3.0), 1e-9);
  EXPECT_EQ(p2.z, 3);
  calc::point_inter_2_arcs({{0, 0, 0}, 2, 0, 0}, {{0, 2, 0}, 2, 0, 0}, p1, p2);
  EXPECT_XY_NEAR(p1, std::sqrt(3.0), 1, 1e-9);
  EXPECT_XY_NEAR(p2, -std::sqrt(3.0), 1, 1e-9);
}

TEST(CalcCircleCrossing, CirclesThatDoNotMeetReportZeroAndLeaveTheOutputs) {
  TDPoint p1, p2;
  calc::point_inter_2_arcs({{0, 0, 0}, 2, 0, 0}, {{4.00005, 0, 0}, 2, 0, 0}, p1, p2);
  // Near-tangent: the absolute discriminant puts both points close to the touching point.
  EXPECT_NEAR(p1.x, 2.000025, 1e-6);
  EXPECT_LT(std::abs(p1.y), 0.02);
  p1 = p2 = TDPoint{7, 7, 7};
  EXPECT_EQ(calc::point_inter_2_arcs({{0, 0, 0}, 2, 0, 0}, {{4.001, 0, 0}, 2, 0, 0}, p1, p2), 0);
  EXPECT_EQ(p1.x + p2.y, 14);
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  EXPECT_EQ(calc::CALC_2({{0, 0, 0}, 2, 0, 0}, {{4.001, 0, 0}, 2, 0, 0}, x1, x2, y1, y2), 905);
  EXPECT_EQ(calc::CALC_2({{1, 1, 0}, 2, 0, 0}, {{1, 1, 0}, 3, 0, 0}, x1, x2, y1, y2), 906);
  EXPECT_EQ(calc::iline_circle_intersect({0, 1, -5}, {{0, 0, 0}, 2, 0, 0}, x1, x2, y1, y2), 904);
  EXPECT_EQ(x1 + x2 + y1 + y2, 0);
  // The same call twice gives the same answer: nothing uninitialised is read.
  TDPoint q1{1, 1, 1}, q2{2, 2, 2};
  calc::get_intersection_arc_arc({{0, 0, 0}, 1, 0, 0}, {{9, 0, 0}, 1, 0, 0}, {}, q1);
  calc::get_intersection_arc_arc({{0, 0, 0}, 1, 0, 0}, {{9, 0, 0}, 1, 0, 0}, {}, q2);
  EXPECT_XY_NEAR(q1, q2.x, q2.y, 0);
}

// Crossings of random lines (at least 10 degrees apart) and circles lie on both inputs. The
// slope form loses only a few digits on a 10-unit scene when directions stay a degree off
// vertical (1e-9). Line-circle candidates are placed by angle, and a half turn through the
// constant 57.29577951 is 1.7e-10 rad off pi, moving points of a radius-5 circle by about 1e-9:
// 1e-8 there.
TEST(CalcCrossingInvariants, CrossingsLieOnBothInputs) {
  Random rnd(5);
  for (int i = 0; i < kCases; ++i) {
    const TDLine a = rnd.line(), b = rnd.line();
    TDPoint p;
    if (crossing_angle(a, b) >= 10) {
      ASSERT_EQ(calc::point_inter_2_lines(a, b, p), 0);
      EXPECT_NEAR(line_distance(p, a), 0, 1e-9);
      EXPECT_NEAR(line_distance(p, b), 0, 1e-9);
    }
    const TDArc c1{rnd.point(), rnd.uniform(1, 5), 0, 360};
    const double r2 = rnd.uniform(1, 5);
    const double d = rnd.uniform(std::abs(c1.radius - r2) + 0.2, c1.radius + r2 - 0.2);
    const TDArc c2{along(c1.center, d, rnd.uniform(0, 360)), r2, 0, 360};
    TDPoint q1, q2;
    calc::point_inter_2_arcs(c1, c2, q1, q2);
    EXPECT_NEAR(dist(q1, c1.center), c1.radius, 1e-9);
    EXPECT_NEAR(dist(q2, c2.center), c2.radius, 1e-9);
    EXPECT_GE(q1.y, q2.y);
    // A line through a point of c1 at most 0.9 r from the centre, picked at that point.
    const double dir = rnd.slanted_angle();
    const TDPoint end = along(c1.center, c1.radius, dir);
    const TDLine chord{end, along(end, 2, dir + 180 - rnd.uniform(30, 150))};
    if (line_distance(c1.center, chord) > 0.9 * c1.radius) continue;
    calc::get_intersection_line_arc(chord, c1, end, p);
    EXPECT_XY_NEAR(p, end.x, end.y, 1e-8);
  }
}

TEST(CalcLineCrossing, HorizontalCrossingOfALineElement) {
  const orvane::Handle h = orvane::global_alloc();
  orvane::TElement* e = calc::globallock(h);
  ASSERT_NE(e, nullptr);
  e->element_type = orvane::kLine;
  e->values[3] = 4;
  e->values[4] = 8;
  TDPoint p{9, 9, 9};
  EXPECT_TRUE(calc::horizontal_inter(2, h, p));
  EXPECT_XY_NEAR(p, 1, 2, 1e-9);
  e->values[4] = 0;
  EXPECT_FALSE(calc::horizontal_inter(5, h, p));
  EXPECT_EQ(p.y, 2);
  calc::globalfree(h);
  EXPECT_FALSE(calc::horizontal_inter(2, h, p));
}

TEST(CalcSides, Calc3ChoosesBySideAndTies) {
  const std::tuple<double, double, int, double> cases[] = {
      // x1, x2, side, expected y (points (x1, 7) and (x2, 3))
      {1, 2, calc::kSideRight, 3},
      {1, 2, calc::kSideTop, 7},
      {1, 1, calc::kSideRight, 3},
      {1, 1, calc::kSideLeft, 7},
      {1, 2, 128 + calc::kSideBottom, 3}};  // only 7 bits count
  for (const auto& [x1, x2, side, y] : cases) {
    TDPoint p{0, 0, 5};
    calc::calc3(x1, x2, 7, 3, side, p);
    EXPECT_EQ(p.y, y) << side;
  }
  TDPoint p{9, 9, 9};
  calc::calc3(1, 2, 7, 3, 5, p);
  EXPECT_EQ(p.x + p.y + p.z, 27);
}

TEST(CalcSides, SideOfAPickAndPerpendicularDirections) {
  const TDLine level{{0, 0, 0}, {10, 0, 0}};
  EXPECT_EQ(calc::get_side_from_pick(level, {5, 3, 0}), calc::kSideTop);
  EXPECT_EQ(calc::get_side_from_pick(level, {5, -3, 0}), calc::kSideBottom);
  EXPECT_EQ(calc::get_side_from_pick({{0, 0, 0}, {0, 10, 0}}, {-2, 5, 0}), calc::kSideLeft);
  double out = -1;
  calc::get_intermediate_angle(30, calc::kSideRight, out);
  EXPECT_EQ(out, 300);
  calc::get_intermediate_angle(120, calc::kSideTop, out);
  EXPECT_EQ(out, 30);
  calc::get_intermediate_angle(200, calc::kSideLeft, out);
  EXPECT_EQ(out, 110);
  calc::get_intermediate_angle(400, calc::kSideRight, out);
  calc::get_intermediate_angle(30, 6, out);
  EXPECT_EQ(out, 110);
}

}  // namespace
