// DXF entities as today's programs write them: polylines with bulges, inserts of blocks,
// entity planes, layers by name, and what is left out.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/curve_tessellation.h"
#include "fileio/fileio.h"
#include "fileio/load_report.h"
#include "tests/fileio/dxf_test_util.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;
using dxf_test::arc_point;
using dxf_test::lines;
using dxf_test::of_type;

namespace {

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts)
    all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::vector<std::string> entities(const std::vector<std::string>& body) {
  return join({{"0", "SECTION", "2", "ENTITIES"}, body, {"0", "ENDSEC", "0", "EOF"}});
}

// A block section holding the given BLOCK ... ENDBLK runs.
std::vector<std::string> blocks(const std::vector<std::string>& body) {
  return join({{"0", "SECTION", "2", "BLOCKS"}, body, {"0", "ENDSEC"}});
}

std::vector<std::string> block(const std::string& name, const std::string& bx,
                               const std::string& by, const std::vector<std::string>& body) {
  return join({{"0", "BLOCK", "2", name, "10", bx, "20", by, "30", "0"}, body, {"0", "ENDBLK"}});
}

// Distance in the XY plane from (x, y) to line element e.
double segment_distance(const TElement& e, double x, double y) {
  const double ax = e.values[0], ay = e.values[1], dx = e.values[3] - ax, dy = e.values[4] - ay;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0, 1.0) : 0;
  return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

const std::vector<std::string> kUnitLine = {"0", "LINE", "10", "0",  "20",
                                            "0", "11",   "1",  "21", "0"};

}  // namespace

class DxfEntitiesTest : public FileioTest {
 protected:
  void read(const std::vector<std::string>& items) {
    ASSERT_EQ(load(write_file("d.dxf", lines(items)), 2), -1);
  }
};

TEST_F(DxfEntitiesTest, LwpolylineBulgesBecomeArcsAtTheElevation) {
  read(entities({"0",  "LWPOLYLINE", "90", "4",  "70", "1",  "38", "1.5", "10",
                 "0",  "20",         "0",  "10", "4",  "20", "0",  "42",  "1",
                 "10", "4",          "20", "4",  "10", "0",  "20", "4"}));
  const auto l = of_type(kLine);
  const auto a = of_type(kArc);
  ASSERT_EQ(l.size(), 3u);
  ASSERT_EQ(a.size(), 1u);
  // The side from (4,0) to (4,4) with bulge 1 is the half circle about (4,2) through (6,2).
  EXPECT_EQ(a[0].view, 1);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[4]), 4, 0, 1.5, 1e-9);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[5]), 4, 4, 1.5, 1e-9);
  EXPECT_POINT_NEAR(arc_point(a[0], 0), 6, 2, 1.5, 1e-9);
  EXPECT_NEAR(a[0].values[3], 2, 1e-12);
  EXPECT_EQ(l[0].values[2], 1.5);
  EXPECT_EQ(load_report.lines, 3);
  EXPECT_EQ(load_report.arcs, 1);
}

TEST_F(DxfEntitiesTest, EntitiesInATiltedPlaneFollowTheArbitraryAxisRule) {
  // Normal (0, 0.6, 0.8): the plane's x axis is (-1, 0, 0), its y axis (0, -0.8, 0.6).
  read(entities({"0",   "ARC",    "10", "0",          "20",  "0", "30",  "5",   "40",  "2",
                 "50",  "0",      "51", "90",         "210", "0", "220", "0.6", "230", "0.8",
                 "0",   "CIRCLE", "10", "1",          "40",  "1", "210", "0",   "220", "0.6",
                 "230", "0.8",    "0",  "CIRCLE",     "40",  "1", "210", "0.6", "220", "0",
                 "230", "0.8",    "0",  "LWPOLYLINE", "38",  "5", "10",  "2",   "20",  "0",
                 "10",  "0",      "20", "2",          "210", "0", "220", "0.6", "230", "0.8"}));
  const auto a = of_type(kArc);
  ASSERT_EQ(a.size(), 3u);
  EXPECT_GE(a[0].view, 7);
  EXPECT_EQ(a[1].view, a[0].view);  // one plane, one arc view
  EXPECT_NE(a[2].view, a[0].view);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[4]), -2, 3, 4, 1e-9);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[5]), 0, 1.4, 5.2, 1e-9);
  const auto l = of_type(kLine);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_NEAR(l[0].values[0], -2, 1e-12);
  EXPECT_NEAR(l[0].values[1], 3, 1e-12);
  EXPECT_NEAR(l[0].values[2], 4, 1e-12);
  EXPECT_NEAR(l[0].values[4], 1.4, 1e-12);
  EXPECT_NEAR(l[0].values[5], 5.2, 1e-12);
}

TEST_F(DxfEntitiesTest, InsertsPlaceScaleRotateArrayAndNestBlocks) {
  read(join(
      {blocks(join(
           {block("B", "1", "1", kUnitLine),
            block("C", "0", "0", {"0", "INSERT", "2", "B", "10", "100", "20", "0", "30", "0"})})),
       entities({"0",  "INSERT", "2",  "B",      "10", "10", "20", "20",     "41", "2",  "42", "2",
                 "50", "90",     "0",  "INSERT", "2",  "B",  "10", "10",     "20", "20", "70", "2",
                 "71", "3",      "44", "5",      "45", "7",  "0",  "INSERT", "2",  "C"})}));
  const auto l = of_type(kLine);
  ASSERT_EQ(l.size(), 1u + 6u + 1u);
  // (0,0) - base (1,1) = (-1,-1), scaled by 2, turned by 90 degrees, moved to (10,20).
  EXPECT_NEAR(l[0].values[0], 12, 1e-12);
  EXPECT_NEAR(l[0].values[1], 18, 1e-12);
  EXPECT_NEAR(l[0].values[3], 12, 1e-12);
  EXPECT_NEAR(l[0].values[4], 20, 1e-12);
  // The array's last cell: column 1 and row 2 move the block by (5, 14).
  EXPECT_NEAR(l[6].values[0], 14, 1e-12);
  EXPECT_NEAR(l[6].values[1], 33, 1e-12);
  // Nested: C places B at (100, 0).
  EXPECT_NEAR(l[7].values[0], 99, 1e-12);
  EXPECT_NEAR(l[7].values[1], -1, 1e-12);
}

TEST_F(DxfEntitiesTest, MirroredArcsAndByblockValuesComeFromTheInsert) {
  read(join(
      {blocks(join(
           {block("M", "0", "0",
                  {"0", "ARC", "10", "1", "20", "0", "40", "1", "50", "0", "51", "90"}),
            block("K", "0", "0", {"0", "LINE", "8", "0", "62", "0", "6", "BYBLOCK", "11", "1"})})),
       entities({"0", "INSERT", "2", "M", "41", "-1", "0", "INSERT", "2", "K", "8", "7", "62", "1",
                 "6", "DASHDOT"})}));
  const auto a = of_type(kArc);
  ASSERT_EQ(a.size(), 1u);
  // Mirrored in x: the arc from (2,0) to (1,1) becomes the one from (-2,0) to (-1,1), seen
  // from below.
  EXPECT_EQ(a[0].view, 4);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[4]), -2, 0, 0, 1e-9);
  EXPECT_POINT_NEAR(arc_point(a[0], a[0].values[5]), -1, 1, 0, 1e-9);
  const auto l = of_type(kLine);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].color, clRed);
  EXPECT_EQ(l[0].layer, 7);
  EXPECT_EQ(l[0].line_type, 3);
}

TEST_F(DxfEntitiesTest, BadInsertsAreCountedAndNeverHang) {
  read(join({blocks(join({block("S", "0", "0", join({{"0", "INSERT", "2", "S"}, kUnitLine})),
                          block("A", "0", "0", kUnitLine)})),
             entities({"0", "INSERT", "2", "S", "0",  "INSERT", "2",  "Nowhere",
                       "0", "INSERT", "2", "A", "70", "1000",   "71", "1000",
                       "0", "INSERT", "2", "A", "41", "0"})}));
  EXPECT_EQ(of_type(kLine).size(), 1u);  // S's own line, once
  EXPECT_EQ(load_report.left_out_count("INSERT", LeftOut::kRecursive), 1);
  EXPECT_EQ(load_report.left_out_count("INSERT", LeftOut::kDamaged), 2);  // no block; scale 0
  EXPECT_EQ(load_report.left_out_count("INSERT", LeftOut::kLimit), 1);    // a million cells
}

TEST_F(DxfEntitiesTest, LayersTakeTheirTableNamesColoursLineTypesAndStates) {
  read(join(
      {{"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER"},
       {"0", "LAYER", "2", "0", "70", "0", "62", "7", "6", "CONTINUOUS"},
       {"0", "LAYER", "2", "Walls", "70", "0", "62", "-1", "6", "CONTINUOUS"},
       {"0", "LAYER", "2", "5", "70", "0", "62", "3", "6", "HIDDEN"},
       {"0", "LAYER", "2", "Doors", "70", "1", "62", "5", "6", "CENTER"},
       {"0", "ENDTAB", "0", "ENDSEC"},
       entities({"0", "LINE",    "8",  "Walls", "11", "1",    "0",  "LINE", "8",  "5",    "11", "1",
                 "0", "LINE",    "8",  "Doors", "62", "256",  "11", "1",    "0",  "LINE", "8",  "0",
                 "6", "PHANTOM", "11", "1",     "0",  "LINE", "8",  "Roof", "11", "1"})}));
  const auto l = of_type(kLine);
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[0].layer, 2);  // the first name that is not a number takes the first free number
  EXPECT_EQ(l[0].color, clRed);
  EXPECT_EQ(l[0].line_type, 1);
  EXPECT_EQ(l[1].layer, 5);
  EXPECT_EQ(l[1].color, clLime);
  EXPECT_EQ(l[1].line_type, 2);
  EXPECT_EQ(l[2].layer, 3);
  EXPECT_EQ(l[2].color, clBlue);
  EXPECT_EQ(l[2].line_type, 3);
  EXPECT_EQ(l[3].layer, 1);
  EXPECT_EQ(l[3].color, clWhite);
  EXPECT_EQ(l[3].line_type, 4);
  EXPECT_EQ(l[4].layer, 4);  // a name the table lacks takes the next free number
  EXPECT_EQ(layer_name[2], "Walls");
  EXPECT_EQ(layer_name[3], "Doors");
  EXPECT_EQ(layer_name[4], "Roof");
  EXPECT_EQ(layer_name[5], "5");
  EXPECT_FALSE(visible_layer[2]);  // off
  EXPECT_FALSE(visible_layer[3]);  // frozen
  EXPECT_TRUE(visible_layer[5]);
}

TEST_F(DxfEntitiesTest, ValuesAreNeverKeywordsAndLeftOutEntitiesAreCounted) {
  read(entities({"0",    "TEXT",  "1",  "POLYLINE", "10",   "5",     "20", "5",    "0",
                 "LINE", "11",    "1",  "0",        "LINE", "67",    "1",  "11",   "1",
                 "0",    "XLINE", "10", "0",        "0",    "HATCH", "2",  "SOLID"}));
  EXPECT_EQ(of_type(kLine).size(), 1u);
  EXPECT_EQ(live_elements(), 1);
  EXPECT_EQ(load_report.left_out_count("LINE", LeftOut::kPaperSpace), 1);
  EXPECT_EQ(load_report.summary(),
            "1 line; left out: 1 TEXT (unsupported), 1 LINE (paper space), 1 XLINE (infinite), "
            "1 HATCH (unsupported)");
}

TEST_F(DxfEntitiesTest, FacesSolidsAndMeshesDrawTheirVisibleEdgesOnce) {
  read(entities(
      {"0",  "3DFACE", "10", "0",   "20", "0",        "11", "1",      "21", "0",      "12", "1",
       "22", "1",      "13", "0",   "23", "1",        "70", "2",      "0",  "SOLID",  "10", "0",
       "20", "0",      "30", "2",   "11", "1",        "21", "0",      "12", "0",      "22", "1",
       "13", "1",      "23", "1",   "0",  "POLYLINE", "70", "64",     "71", "4",      "72", "2",
       "0",  "VERTEX", "70", "192", "10", "0",        "20", "0",      "0",  "VERTEX", "70", "192",
       "10", "1",      "20", "0",   "0",  "VERTEX",   "70", "192",    "10", "1",      "20", "1",
       "0",  "VERTEX", "70", "192", "10", "0",        "20", "1",      "0",  "VERTEX", "70", "128",
       "71", "1",      "72", "2",   "73", "3",        "0",  "VERTEX", "70", "128",    "71", "1",
       "72", "3",      "73", "-4",  "0",  "SEQEND"}));
  const auto l = of_type(kLine);
  // Face: edge 2 hidden, 3 lines. Solid: its outline 1-2-4-3, 4 lines at z 2. Polyface: two
  // triangles sharing the diagonal, the edge from vertex 4 hidden: 4 lines.
  ASSERT_EQ(l.size(), 3u + 4u + 4u);
  for (int i = 0; i < 3; ++i)  // the face's right side (1,0)-(1,1) is hidden
    EXPECT_FALSE(l[i].values[0] == 1 && l[i].values[3] == 1) << "line " << i;
  EXPECT_EQ(l[3].values[2], 2);
  EXPECT_EQ(l[4].values[3], 1);  // the solid's second side runs to its fourth corner (1,1)
  EXPECT_EQ(l[4].values[4], 1);
}

TEST_F(DxfEntitiesTest, EllipsesStayWithinTheChordTolerance) {
  read(entities({"0",  "ELLIPSE", "10", "1",   "20", "2", "11", "3",
                 "21", "0",       "40", "0.5", "41", "0", "42", "6.283185307179586",
                 "0",  "ELLIPSE", "10", "1",   "20", "2", "11", "3",
                 "21", "0",       "40", "0.5", "41", "0", "42", "1.5707963267948966",
                 "0",  "ELLIPSE", "11", "0",   "21", "2", "40", "1"}));
  const auto l = of_type(kLine);
  ASSERT_GT(l.size(), 16u);
  double worst = 0;
  for (const TElement& e : l) {
    for (int k = 0; k < 2; ++k) {  // every vertex on the ellipse
      const double x = (e.values[3 * k] - 1) / 3, y = (e.values[3 * k + 1] - 2) / 1.5;
      EXPECT_NEAR(x * x + y * y, 1, 1e-9);
    }
    // The chord's midpoint against a dense sampling of the true ellipse.
    const double mx = (e.values[0] + e.values[3]) / 2, my = (e.values[1] + e.values[4]) / 2;
    double best = 1e9;
    for (int i = 0; i < 20000; ++i) {
      const double t = i * 6.283185307179586 / 20000;
      best = std::min(best, std::hypot(mx - 1 - 3 * std::cos(t), my - 2 - 1.5 * std::sin(t)));
    }
    worst = std::max(worst, best);
  }
  EXPECT_LE(worst, kDefaultChordTolerance * 1.01);
  const auto arcs = of_type(kArc);
  ASSERT_EQ(arcs.size(), 1u);  // the ellipse of ratio 1 is a circle
  EXPECT_NEAR(arcs[0].values[3], 2, 1e-12);
}

TEST_F(DxfEntitiesTest, SplinesFromControlPointsAndFitPoints) {
  read(entities({"0",  "SPLINE", "70", "8", "71", "2", "72", "6", "73", "3", "40", "0",
                 "40", "0",      "40", "0", "40", "1", "40", "1", "40", "1", "10", "0",
                 "20", "0",      "10", "1", "20", "2", "10", "2", "20", "0"}));
  const auto l = of_type(kLine);
  ASSERT_GE(l.size(), 4u);
  // The quadratic through control points (0,0), (1,2), (2,0) is y = 2x - x^2.
  for (const TElement& e : l)
    for (int k = 0; k < 2; ++k)
      EXPECT_NEAR(e.values[3 * k + 1], 2 * e.values[3 * k] - e.values[3 * k] * e.values[3 * k],
                  1e-9);
  EXPECT_EQ(l.front().values[0], 0);
  EXPECT_NEAR(l.back().values[3], 2, 1e-12);

  read(entities({"0",  "SPLINE", "71", "3",  "74", "3",  "11", "0",  "21",     "0",  "11",
                 "1",  "21",     "1",  "11", "2",  "21", "0",  "0",  "SPLINE", "71", "2",
                 "72", "6",      "73", "3",  "40", "1",  "40", "0",  "40",     "0",  "40",
                 "1",  "40",     "1",  "40", "1",  "10", "0",  "10", "1",      "10", "2"}));
  const auto fit = of_type(kLine);
  ASSERT_GE(fit.size(), 2u);
  double nearest = 1e9;  // the chain passes (1, 1)
  for (const TElement& e : fit)
    nearest = std::min(nearest, segment_distance(e, 1, 1));
  EXPECT_LE(nearest, kDefaultChordTolerance);
  EXPECT_NEAR(fit.back().values[3], 2, 1e-9);
  EXPECT_EQ(load_report.left_out_count("SPLINE", LeftOut::kDamaged), 1);  // knots out of order
}

TEST_F(DxfEntitiesTest, HeaderUnitsSetMillimetresForThatFileOnly) {
  read(join({{"0", "SECTION", "2", "HEADER", "9", "$INSUNITS", "70", "4", "0", "ENDSEC"},
             entities(kUnitLine)}));
  EXPECT_TRUE(metric_machine);
  read(entities(kUnitLine));
  EXPECT_FALSE(metric_machine);
}
