#include "calc/tangent_arcs.h"

#include "calc/element_arcs.h"
#include "calc/elements.h"
#include "calc_test_util.h"
#include "platform/element_memory.h"

namespace {

using namespace calc_test;

// An element in element memory, freed at the end of the test.
class HeldElement {
 public:
  HeldElement(int type, std::initializer_list<double> values) : handle_(orvane::global_alloc()) {
    orvane::TElement* e = calc::globallock(handle_);
    e->element_type = type;
    std::copy(values.begin(), values.end(), std::begin(e->values));
  }
  ~HeldElement() { calc::globalfree(handle_); }
  orvane::Handle handle() const { return handle_; }

 private:
  orvane::Handle handle_;
};

TEST(CalcTangentArcs, CircleTouchingALineThroughAPoint) {
  TDArc a{{7, 7, 7}, 7, 7, 7};
  const TDLine x_axis{{0, 0, 0}, {10, 0, 0}};
  ASSERT_EQ(calc::arc_tangent_line_point(x_axis, {2, 1, 0}, {0, 1, 0}, 1, 0, 360, a), 0);
  EXPECT_XY_NEAR(a.center, 1, 1, 1e-5);
  EXPECT_EQ(a.radius, 1);
  a.radius = 7;
  EXPECT_EQ(calc::arc_tangent_line_point(x_axis, {2, 1, 0}, {0, 3, 0}, 1, 0, 360, a), 904);
  EXPECT_EQ(a.radius, 7);
}

TEST(CalcTangentArcs, CircleTangentToThreeLines) {
  TDArc a;
  // y = 0 and y = 2 run the same way; x = 5 is vertical (slope form, about 1e-6).
  EXPECT_EQ(calc::arc_tan_3_lines({{0, 0, 0}, {10, 0, 0}}, {{0, 2, 0}, {10, 2, 0}},
                                  {{5, -5, 0}, {5, 5, 0}}, {4, 1, 0}, 0, 360, a),
            0);
  EXPECT_NEAR(a.radius, 1, 1e-5);
  EXPECT_XY_NEAR(a.center, 4, 1, 1e-5);
  // The 3-4-5 triangle's incircle: radius (3 + 4 - 5) / 2 = 1 at (1, 1).
  EXPECT_EQ(calc::arc_tan_3_lines({{0, 0, 0}, {4, 0, 0}}, {{4, 0, 0}, {0, 3, 0}},
                                  {{0, 3, 0}, {0, 0, 0}}, {}, 0, 360, a),
            1);
  EXPECT_NEAR(a.radius, 1, 1e-5);
  EXPECT_XY_NEAR(a.center, 1, 1, 1e-5);
  a.radius = 7;
  EXPECT_EQ(calc::arc_tan_3_lines({{0, 0, 0}, {1, 0, 0}}, {{0, 1, 0}, {1, 1, 0}},
                                  {{0, 2, 0}, {1, 2, 0}}, {}, 0, 360, a),
            0);
  EXPECT_EQ(a.radius, 7);
  calc::arc_tangent_line_2_points({{0, 0, 0}, {1, 0, 0}}, {}, {}, 0, 360, a);
  EXPECT_EQ(a.radius, 7);
}

TEST(CalcTangentArcs, ElementSelectsTheConstruction) {
  const HeldElement line(orvane::kLine, {0, 0, 0, 10, 0, 0});
  const HeldElement point(orvane::kPoint, {1, 1, 0});
  TDArc a{{7, 7, 7}, 7, 7, 7};
  EXPECT_EQ(calc::arc_tangent_element_point(line.handle(), {2, 1, 0}, {0, 1, 0}, 1, 0, 360, a), 0);
  EXPECT_XY_NEAR(a.center, 1, 1, 1e-5);
  a = TDArc{{7, 7, 7}, 7, 7, 7};
  EXPECT_EQ(calc::arc_tangent_element_point(point.handle(), {2, 1, 0}, {0, 1, 0}, 1, 0, 9, a), 0);
  EXPECT_EQ(calc::arc_tangent_element_point(0, {2, 1, 0}, {0, 1, 0}, 1, 0, 9, a), 0);
  EXPECT_EQ(calc::arc_tan_2_points_element({0, 0, 0}, {1, 0, 0}, 0, 0, 0, 0, a), 0);
  EXPECT_XY_NEAR(a.center, 7, 7, 0);
  EXPECT_EQ(a.end_angle, 7);
}

// The circle through (2, 3) and (0, 5) touching y = 1 nearer to (2, 3) is centred (0, 3) with
// radius 2; the chord y = 3 from x = -1 to 1 gives centre (0, 2.25), radius 1.25. Both must
// come out whichever way the line element runs, and for a chord running either way.
TEST(CalcTangentArcs, CircleThroughTwoPointsTouchingALineElement) {
  for (double run : {1.0, -1.0}) {
    const HeldElement level(orvane::kLine, {-5 * run, 1, 0, 5 * run, 1, 0});
    TDArc a;
    EXPECT_EQ(calc::arc_tan_2_points_element({2, 3, 0}, {0, 5, 0}, level.handle(), 0, 0, 0, a), 0);
    EXPECT_XY_NEAR(a.center, 0, 3, 1e-6);
    EXPECT_NEAR(a.radius, 2, 1e-6);
    EXPECT_EQ(a.end_angle, 360);
    for (double chord : {1.0, -1.0}) {
      calc::arc_tan_2_points_element({-chord, 3, 0}, {chord, 3, 0}, level.handle(), 0, 0, 0, a);
      EXPECT_XY_NEAR(a.center, 0, 2.25, 1e-6);
      EXPECT_NEAR(a.radius, 1.25, 1e-6);
    }
  }
}

// A circle touching a line through a point: at the radius from the line and from the point,
// on the pick's side along the line. The point stays 0.1 to 1.9 radii from the line, where the
// correcting step's half-chord is well away from 0: 1e-9.
TEST(CalcTangentArcInvariants, CircleTouchingALineThroughAPoint) {
  Random rnd(41);
  for (int i = 0; i < kCases; ++i) {
    const TDLine l = rnd.line();
    const double r = rnd.uniform(0.3, 3);
    const double ux = (l.p2.x - l.p1.x) / dist(l.p1, l.p2),
                 uy = (l.p2.y - l.p1.y) / dist(l.p1, l.p2);
    const double h = r * rnd.uniform(0.1, 1.9), s = rnd.uniform(-5, 5);
    const TDPoint p{l.p1.x + s * ux - h * uy, l.p1.y + s * uy + h * ux, 0};
    const TDPoint pick = rnd.point();
    const double pick_along = (pick.x - p.x) * ux + (pick.y - p.y) * uy;
    if (std::abs(pick_along) < 0.5) continue;
    TDArc a;
    ASSERT_EQ(calc::arc_tangent_line_point(l, pick, p, r, 0, 360, a), 0);
    EXPECT_NEAR(line_distance(a.center, l), r, 1e-9);
    EXPECT_NEAR(dist(a.center, p), r, 1e-9);
    EXPECT_GT(((a.center.x - p.x) * ux + (a.center.y - p.y) * uy) * pick_along, 0);
  }
}

// A circle touching an arc from outside through a point outside it: at the radius from the
// point and at the sum of the radii from the arc's centre. 1e-9.
TEST(CalcTangentArcInvariants, CircleTouchingAnArcThroughAPoint) {
  Random rnd(43);
  for (int i = 0; i < kCases; ++i) {
    const TDArc a{rnd.point(), rnd.uniform(0.5, 3), 0, 360};
    const double r = rnd.uniform(0.3, 2);
    const TDPoint p = along(a.center, a.radius + r * rnd.uniform(0.2, 1.8), rnd.uniform(0, 360));
    TDArc c;
    ASSERT_EQ(calc::arc_tangent_arc_point(a, rnd.point(), p, r, 0, 360, c), 0);
    EXPECT_NEAR(dist(c.center, p), r, 1e-9);
    EXPECT_NEAR(dist(c.center, a.center), a.radius + r, 1e-9);
  }
}

// The circle tangent to the three sides of a random triangle (no angle below 10 degrees) is at
// its radius from all three lines. The sides may be steep, and the slope form of the corners and
// bisectors loses digits in proportion to the slope: 1e-7.
TEST(CalcTangentArcInvariants, CircleTangentToThreeLines) {
  Random rnd(47);
  for (int i = 0; i < kCases; ++i) {
    const TDPoint v1 = rnd.point(), v2 = rnd.point(), v3 = rnd.point();
    const TDLine l1{v1, v2}, l2{v2, v3}, l3{v3, v1};
    if (dist(v1, v2) < 1 || dist(v2, v3) < 1 || dist(v3, v1) < 1 || crossing_angle(l1, l2) < 10 ||
        crossing_angle(l2, l3) < 10 || crossing_angle(l1, l3) < 10)
      continue;
    TDArc a;
    ASSERT_EQ(calc::arc_tan_3_lines(l1, l2, l3, {}, 0, 360, a), 1);
    for (const TDLine& l : {l1, l2, l3})
      EXPECT_NEAR(line_distance(a.center, l), a.radius, 1e-7);
  }
}

}  // namespace
