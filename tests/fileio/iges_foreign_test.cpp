// IGES files of other programs: each entity kind, form and flag in a small hand-made file,
// with the expected model-space geometry worked out by hand.
#include <cmath>
#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/iges.h"
#include "fileio/load_report.h"
#include "tests/fileio/fileio_test.h"
#include "tests/fileio/iges_test_file.h"

using namespace orvane;

namespace {

struct P3 {
  double x, y, z;
};

std::vector<const TElement*> of_type(int type) {
  std::vector<const TElement*> out;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e != nullptr && !e->deleted && e->element_type == type) out.push_back(e);
  }
  return out;
}

// The model-space point of an arc at an angle in degrees, through its arc view.
P3 arc_point(const TElement& e, double degrees) {
  const view_entry& w = arc_view[e.view];
  const double a = degrees * M_PI / 180;
  const double u = e.values[0] + e.values[3] * std::cos(a);
  const double v = e.values[1] + e.values[3] * std::sin(a);
  const double d = e.values[2];
  return {w.ax * u + w.ay * v + w.az * d, w.bx * u + w.by * v + w.bz * d,
          w.cx * u + w.cy * v + w.cz * d};
}

void expect_near(const P3& a, const P3& b, double tol = 1e-9) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

// The chain of line elements as its vertices, in drawing order.
std::vector<P3> chain_points() {
  std::vector<P3> out;
  for (const TElement* e : of_type(kLine)) {
    if (out.empty()) out.push_back({e->values[0], e->values[1], e->values[2]});
    out.push_back({e->values[3], e->values[4], e->values[5]});
  }
  return out;
}

class IgesForeignTest : public FileioTest {
 protected:
  void read(const std::vector<TestEntity>& entities) {
    ASSERT_TRUE(read_iges(write_file("f.igs", foreign_iges(entities))));
  }
};

TEST_F(IgesForeignTest, ColourZeroTakesTheDrawingColourAndNegativeOnesTheirDefinition) {
  current_color = clAqua;
  read({{110, "110,0,0,0,1,0,0;"},
        {110, "110,0,0,0,2,0,0;", 0, -5},
        {314, "314,100.,50.,0.;"},
        {110, "110,0,0,0,3,0,0;", 0, 2},
        // Black on the black background would not show.
        {314, "314,0.,0.,0.;"},
        {110, "110,0,0,0,4,0,0;", 0, -9}});
  const auto lines = of_type(kLine);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0]->color, clAqua);
  EXPECT_EQ(lines[1]->color, 0x0080FFu);  // red 255, green 50% of 255 rounded to 128
  EXPECT_EQ(lines[2]->color, clRed);
  EXPECT_EQ(lines[3]->color, clAqua);
}

TEST_F(IgesForeignTest, MatricesPlaceEntitiesAndChainThroughEachOther) {
  read({// A quarter turn about z, then a move by (10, 0, 0).
        {124, "124,0,-1,0,10,1,0,0,0,0,0,1,0;"},
        {110, "110,1,0,0,2,0,0;", 0, 3, 1},
        // A move by (1, 2, 3) that refers on to a doubling: the doubling applies last.
        {124, "124,1,0,0,1,0,1,0,2,0,0,1,3;", 0, 0, 7},
        {124, "124,2,0,0,0,0,2,0,0,0,0,2,0;"},
        {116, "116,1,1,1;", 0, 3, 5}});
  const auto lines = of_type(kLine);
  ASSERT_EQ(lines.size(), 1u);
  expect_near({lines[0]->values[0], lines[0]->values[1], lines[0]->values[2]}, {10, 1, 0});
  expect_near({lines[0]->values[3], lines[0]->values[4], lines[0]->values[5]}, {10, 2, 0});
  const auto points = of_type(kPoint);
  ASSERT_EQ(points.size(), 1u);
  expect_near({points[0]->values[0], points[0]->values[1], points[0]->values[2]}, {4, 6, 8});
}

TEST_F(IgesForeignTest, LoopingMatricesAndInfiniteLinesAreLeftOutAndCounted) {
  read({{124, "124,1,0,0,1,0,1,0,0,0,0,1,0;", 0, 0, 3},
        {124, "124,1,0,0,1,0,1,0,0,0,0,1,0;", 0, 0, 1},
        {110, "110,0,0,0,1,1,1;", 0, 3, 1},
        {110, "110,0,0,0,1,0,0;", 1},
        {110, "110,0,0,0,1,0,0;", 2},
        {110, "110,0,0,0,5,5,5;"}});
  EXPECT_EQ(of_type(kLine).size(), 1u);
  EXPECT_EQ(load_report.left_out_count("110", LeftOut::kDamaged), 1);
  EXPECT_EQ(load_report.left_out_count("110 form 1", LeftOut::kInfinite), 1);
  EXPECT_EQ(load_report.left_out_count("110 form 2", LeftOut::kInfinite), 1);
}

TEST_F(IgesForeignTest, AnArcLandsInItsOwnPlane) {
  // The matrix turns the XY plane about x so that y goes to z; the arc runs from (2, 0) to
  // (0, 2) about the origin, so in the model from (2, 0, 0) to (0, 0, 2) through (√2, 0, √2).
  read({{124, "124,1,0,0,0,0,0,-1,0,0,1,0,0;"}, {100, "100,0,0,0,2,0,0,2;", 0, 0, 1}});
  const auto arcs = of_type(kArc);
  ASSERT_EQ(arcs.size(), 1u);
  const TElement& a = *arcs[0];
  EXPECT_NEAR(a.values[3], 2, 1e-12);
  expect_near(arc_point(a, a.values[4]), {2, 0, 0});
  expect_near(arc_point(a, a.values[5]), {0, 0, 2});
  expect_near(arc_point(a, (a.values[4] + a.values[5]) / 2), {std::sqrt(2.0), 0, std::sqrt(2.0)});
}

TEST_F(IgesForeignTest, BSplinesFollowTheirControlPolygonAndRange) {
  // Degree 1 through (0,0), (1,0), (1,1): the polyline itself.
  read({{126, "126,2,1,0,0,1,0,0,0,1,2,2,1,1,1,0,0,0,1,0,0,1,1,0,0,2,0,0,1;"}});
  const auto points = chain_points();
  ASSERT_GE(points.size(), 3u);
  expect_near(points.front(), {0, 0, 0});
  expect_near(points.back(), {1, 1, 0});
  bool corner = false;
  for (const P3& p : points)
    corner = corner || (std::fabs(p.x - 1) < 1e-9 && std::fabs(p.y) < 1e-9);
  EXPECT_TRUE(corner);
}

TEST_F(IgesForeignTest, ARationalQuarterCircleStaysOnTheCircle) {
  // Weights 1, √2/2, 1 on (1,0), (1,1), (0,1): exactly the unit quarter circle.
  read({{126, "126,2,2,0,0,0,0,0,0,0,1,1,1,1,.70710678118654752,1,1,0,0,1,1,0,0,1,0,0,1,0,0,1;"}});
  const auto points = chain_points();
  ASSERT_GE(points.size(), 3u);
  expect_near(points.front(), {1, 0, 0});
  expect_near(points.back(), {0, 1, 0});
  for (const P3& p : points)
    EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-9);
}

TEST_F(IgesForeignTest, ABSplineDrawsOnlyItsParameterRange) {
  read({{126, "126,1,1,0,0,1,0,0,0,1,1,1,1,0,0,0,2,0,0,.25,.75,0,0,1;"}});
  const auto points = chain_points();
  ASSERT_GE(points.size(), 2u);
  expect_near(points.front(), {0.5, 0, 0});
  expect_near(points.back(), {1.5, 0, 0});
}

TEST_F(IgesForeignTest, DamagedBSplinesAreCountedAndNeverDrawn) {
  read({// degree 0
        {126, "126,1,0,0,0,1,0,0,1,1,1,0,0,0,1,0,0,0,1,0,0,1;"},
        // knots out of order
        {126, "126,1,1,0,0,1,0,0,1,0,1,1,1,0,0,0,1,0,0,0,1,0,0,1;"},
        // a weight of 0
        {126, "126,1,1,0,0,1,0,0,0,1,1,0,1,0,0,0,1,0,0,0,1,0,0,1;"},
        // 10 000 control points announced, two given
        {126, "126,9999,1,0,0,1,0,0,0,1,1,1,1,0,0,0,1,0,0,0,1,0,0,1;"},
        // NaN and 1e400
        {126, "126,1,1,0,0,1,0,0,0,1,1,1,1,NaN,0,0,1,0,0,0,1,0,0,1;"},
        {126, "126,1,1,0,0,1,0,0,0,1,1,1,1,1E400,0,0,1,0,0,0,1,0,0,1;"},
        // and one good one
        {126, "126,1,1,0,0,1,0,0,0,1,1,1,1,0,0,0,1,0,0,0,1,0,0,1;"}});
  EXPECT_EQ(of_type(kLine).size(), 1u);
  EXPECT_EQ(load_report.left_out_count("126", LeftOut::kDamaged), 6);
}

TEST_F(IgesForeignTest, CompositeMembersAreDrawnOnceThroughTheirCurve) {
  read({{110, "110,0,0,0,1,0,0;", 0, 0, 0, "00010000"},
        {110, "110,1,0,0,1,1,0;"},  // independent by its status, yet a member
        {102, "102,2,1,3;"}});
  EXPECT_EQ(of_type(kLine).size(), 2u);
}

TEST_F(IgesForeignTest, SurfacesShowOnlyTheirModelSpaceBoundaries) {
  read({{128, "128,1,1,1,1,0,0,1,0,0,0,1,1,0,0,1,1,1,1,0,0,0,1,0,0,0,1,0,1,1,0,0,1,0,1;", 0, 0, 0,
         "00010000"},
        // the boundary in the surface's (u, v) space, and in the model
        {110, "110,0,0,0,1,0,0;", 0, 0, 0, "00010500"},
        {110, "110,5,5,5,6,6,6;", 0, 0, 0, "00010000"},
        {142, "142,0,1,3,5,2;", 0, 0, 0, "00010500"},
        {144, "144,1,1,0,7;"},
        // a parametric entity and a blanked one standing alone
        {110, "110,0,0,0,9,9,9;", 0, 0, 0, "00000500"},
        {110, "110,0,0,0,8,8,8;", 0, 0, 0, "01000000"}});
  const auto lines = of_type(kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->values[0], 5);
  EXPECT_EQ(lines[0]->values[5], 6);
}

TEST_F(IgesForeignTest, SubfigureInstancesAreScaledAndMovedAndCyclesEnd) {
  read({{110, "110,0,0,0,1,0,0;", 0, 0, 0, "00010000"},
        {308, "308,0,4HPART,1,1;", 0, 0, 0, "00010200"},
        {408, "408,3,5,5,0,2;"},
        // a definition that holds an instance of itself
        {308, "308,0,4HLOOP,2,1,9;", 0, 0, 0, "00010200"},
        {408, "408,7,0,0,0;", 0, 0, 0, "00010000"},
        {408, "408,7,0,0,0,1;"}});
  const auto lines = of_type(kLine);
  ASSERT_GE(lines.size(), 2u);
  expect_near({lines[0]->values[0], lines[0]->values[1], lines[0]->values[2]}, {5, 5, 0});
  expect_near({lines[0]->values[3], lines[0]->values[4], lines[0]->values[5]}, {7, 5, 0});
  EXPECT_GE(load_report.left_out_count("308", LeftOut::kRecursive), 1);
}

TEST_F(IgesForeignTest, ConicsStayOnTheirCurves) {
  // x²/4 + y² = 1 from (2, 0) to (-2, 0): the upper half; y = x² from (0, 0) to (2, 4).
  read({{104, "104,1,0,4,0,0,-4,0,2,0,-2,0;", 1}});
  auto points = chain_points();
  ASSERT_GE(points.size(), 3u);
  expect_near(points.front(), {2, 0, 0});
  expect_near(points.back(), {-2, 0, 0});
  for (const P3& p : points) {
    EXPECT_NEAR(p.x * p.x / 4 + p.y * p.y, 1, 1e-9);
    EXPECT_GE(p.y, -1e-12);
  }
  startup();
  read({{104, "104,1,0,0,0,-1,0,0,0,0,2,4;", 3}});
  points = chain_points();
  ASSERT_GE(points.size(), 3u);
  for (const P3& p : points)
    EXPECT_NEAR(p.y, p.x * p.x, 1e-9);
  EXPECT_NEAR(std::fabs(points.back().x - points.front().x), 2, 1e-12);
}

TEST_F(IgesForeignTest, CopiousDataGivesPointsPolylinesAndClosedCurves) {
  read({{106, "106,2,3,0,0,0,1,0,0,1,1,0;", 12},
        {106, "106,1,3,5,0,0,1,0,0,1;", 63},
        {106, "106,2,2,7,7,7,8,8,8;", 2},
        {106, "106,1,2,0,0,0,1,1;", 40}});
  EXPECT_EQ(of_type(kLine).size(), 2u + 3u);
  EXPECT_EQ(of_type(kPoint).size(), 2u);
  EXPECT_EQ(load_report.left_out_count("106 form 40", LeftOut::kUnsupported), 1);
  const auto lines = of_type(kLine);
  // The closed curve comes back to (0, 0, 5).
  EXPECT_EQ(lines[4]->values[3], 0);
  EXPECT_EQ(lines[4]->values[4], 0);
  EXPECT_EQ(lines[4]->values[5], 5);
}

TEST_F(IgesForeignTest, AParametricSplineFollowsItsPolynomials) {
  // x = s, y = s² for s in [0, 1].
  read({{112, "112,3,1,3,1,0,1,0,1,0,0,0,0,1,0,0,0,0,0,1,1,1,0,1,2,2,0,0,0,0,0,0,0;"}});
  const auto points = chain_points();
  ASSERT_GE(points.size(), 3u);
  expect_near(points.front(), {0, 0, 0});
  expect_near(points.back(), {1, 1, 0});
  for (const P3& p : points)
    EXPECT_NEAR(p.y, p.x * p.x, 1e-12);
}

TEST_F(IgesForeignTest, DelimitersOfTheGlobalSectionSplitContinuedData) {
  const std::string global = "1H//1H!///7HTESTCAD//32/38/6/308/15//1./2/2HMM/1/0.01!";
  std::string data = "110/1.000000000000000/2.000000000000000/3.000000000000000/";
  data += "4.000000000000000/5.000000000000000/6.500000000000000!";
  ASSERT_TRUE(read_iges(write_file("d.igs", foreign_iges({{110, data}}, global, '/'))));
  const auto lines = of_type(kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::vector<double>(lines[0]->values, lines[0]->values + 6),
            (std::vector<double>{1, 2, 3, 4, 5, 6.5}));
  EXPECT_TRUE(metric_machine);
}

TEST_F(IgesForeignTest, FilesWrittenHereKeepTheirBlackAndTheirNumbers) {
  make_element(get_new_element_number(), kLine, 0, 0, 0, 1, 1, 1, clBlack, 1, 7, 0, 1);
  ASSERT_TRUE(write_iges(path("w.igs")));
  ASSERT_TRUE(read_iges(path("w.igs")));
  EXPECT_EQ(element(2).color, clBlack);
  EXPECT_EQ(element(2).layer, 7);
}

}  // namespace
