#include "fileio/tvg_reader.h"

#include "fileio/make_cad.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

// A point record: field 2 the code, fields 5 and 6 the point in file units.
std::string rec(int code, double x, double y) {
  return "0," + std::to_string(code) + ",0,0," + std::to_string(x) + "," + std::to_string(y) +
         ";\r\n";
}

}  // namespace

using TvgReaderTest = FileioTest;

TEST_F(TvgReaderTest, ACircleObjectGivesAFullArcInDrawingUnits) {
  const std::string text = "OBJ Circle\r\nskipped\r\n" + rec(0, 24.4, 48.8) + rec(0, 48.8, 48.8);
  ASSERT_EQ(read_tvg4(write_file("c.tvg", text)), 0);
  ASSERT_EQ(live_elements(), 1);
  const TElement& e = element(1);
  EXPECT_EQ(e.element_type, kArc);
  EXPECT_DOUBLE_EQ(e.values[0], 1);
  EXPECT_DOUBLE_EQ(e.values[1], 2);
  EXPECT_EQ(e.values[2], 0);
  EXPECT_DOUBLE_EQ(e.values[3], 1);
  EXPECT_EQ(e.values[4], 0);
  EXPECT_EQ(e.values[5], 360);
  EXPECT_EQ(e.color, 0x00FF00u);
  EXPECT_EQ(e.layer, 1);
  EXPECT_EQ(e.line_type, 0);
  EXPECT_EQ(e.view, 1);
}

TEST_F(TvgReaderTest, ASurfaceClosesFromTheLastCurrentPointToTheFirst) {
  const std::string surface = "OBJ Surface\r\n" + rec(1, 0, 0) + rec(9, 0, 0) + rec(2, 24.4, 0) +
                              rec(9, 24.4, 0) + rec(2, 24.4, 24.4) + rec(999, 0, 0);
  ASSERT_EQ(read_tvg4(write_file("s.tvg", surface + surface)), 0);
  ASSERT_EQ(live_elements(), 6);  // both surfaces
  const double expected[3][4] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 0, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    const TElement& e = element(1 + i);
    EXPECT_EQ(e.element_type, kLine);
    EXPECT_EQ(e.view, 0);
    EXPECT_DOUBLE_EQ(e.values[0], expected[i][0]) << i;
    EXPECT_DOUBLE_EQ(e.values[1], expected[i][1]) << i;
    EXPECT_DOUBLE_EQ(e.values[3], expected[i][2]) << i;
    EXPECT_DOUBLE_EQ(e.values[4], expected[i][3]) << i;
  }
}

TEST_F(TvgReaderTest, ALineObjectJoinsItsTwoPoints) {
  ASSERT_EQ(read_tvg4(write_file("l.tvg",
                                 "x OBJ Line x\r\nskip\r\n" + rec(0, 24.4, 0) + rec(0, 0, -48.8))),
            0);
  const TElement& e = element(1);
  EXPECT_EQ(e.element_type, kLine);
  EXPECT_DOUBLE_EQ(e.values[0], 1);
  EXPECT_DOUBLE_EQ(e.values[4], -2);
}

TEST_F(TvgReaderTest, ACircularArcWithNegativeDirectionSwapsItsAngles) {
  const std::string arc = "OBJ CircArc\r\nskip\r\n" + rec(0, 0, 0) + rec(0, 24.4, 0) +
                          rec(0, 24.4, 24.4) + rec(0, -24.4, 24.4);
  ASSERT_EQ(read_tvg4(write_file("a.tvg", arc + "0,0,0,0,1,0;\r\n" + arc + "0,0,0,0,-1,0;\r\n")),
            0);
  ASSERT_EQ(live_elements(), 2);
  EXPECT_DOUBLE_EQ(element(1).values[3], 1);  // centre to the point on the circle
  EXPECT_NEAR(element(1).values[4], 45, 1e-9);
  EXPECT_NEAR(element(1).values[5], 135, 1e-9);
  EXPECT_NEAR(element(2).values[4], 135, 1e-9);
  EXPECT_NEAR(element(2).values[5], 45, 1e-9);
}

TEST_F(TvgReaderTest, CurveRecordsDrawLinesAndBulgedArcs) {
  // 1 at (0,0); 2 to (2,0); 9 moves: P = (2,0), Q = (2,2); 102 with b2 = 0 bends P..Q
  // around their midpoint (2,1).
  const std::string text = "OBJ Curve\r\n" + rec(1, 0, 0) + rec(2, 48.8, 0) + rec(9, 48.8, 48.8) +
                           "0,102,0,0,1,0;\r\n" + rec(2, 0, 0) + rec(999, 0, 0) + rec(2, 9, 9);
  ASSERT_EQ(read_tvg4(write_file("k.tvg", text)), 0);
  ASSERT_EQ(live_elements(), 3);
  EXPECT_EQ(element(1).element_type, kLine);
  EXPECT_DOUBLE_EQ(element(1).values[3], 2);
  const TElement& arc = element(2);
  EXPECT_EQ(arc.element_type, kArc);
  EXPECT_DOUBLE_EQ(arc.values[0], 2);
  EXPECT_DOUBLE_EQ(arc.values[1], 1);
  EXPECT_DOUBLE_EQ(arc.values[3], 1);
  EXPECT_NEAR(arc.values[4], 270, 1e-4);  // from the centre down to P
  EXPECT_NEAR(arc.values[5], 90, 1e-4);   // and up to Q
  // After the arc P = Q = (2,2): the next line starts there.
  const TElement& line = element(3);
  EXPECT_DOUBLE_EQ(line.values[0], 2);
  EXPECT_DOUBLE_EQ(line.values[1], 2);
}

TEST_F(TvgReaderTest, ABulgeMovesTheCentreSideways) {
  // P = (0,0), Q = (2,0), b2 = 0.5: centre (1 - 0, 0 + 2 * 0.5) = (1, 1).
  const std::string text = "OBJ Curve\r\n" + rec(1, 0, 0) + rec(9, 0, 0) + rec(9, 48.8, 0) +
                           "0,102,0,0,-1,0.5;\r\n" + rec(999, 0, 0);
  ASSERT_EQ(read_tvg4(write_file("b.tvg", text)), 0);
  const TElement& arc = element(1);
  EXPECT_DOUBLE_EQ(arc.values[0], 1);
  EXPECT_DOUBLE_EQ(arc.values[1], 1);
  EXPECT_NEAR(arc.values[3], std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(arc.values[4], 315, 1e-4);  // b1 < 0: the angles are exchanged
  EXPECT_NEAR(arc.values[5], 225, 1e-4);
}

TEST_F(TvgReaderTest, AFileWithoutHeadersStillClearsTheDrawing) {
  ASSERT_EQ(load(write_file("p.cdl", "POINT 1,1,1,1,1\r\n"), 1), 0);
  ASSERT_EQ(load(write_file("n.tvg", "Drawing & Dimension\r\nOBJ Line\r\nno objects\r\n"), 4), 0);
  EXPECT_EQ(live_elements(), 0);
}

TEST_F(TvgReaderTest, MergingKeepsTheDrawingAndMadeElementsMarkItChanged) {
  ASSERT_EQ(load(write_file("p.cdl", "POINT 1,1,1,1,1\r\n"), 1), 0);
  const std::string file =
      write_file("m.tvg", "OBJ Circle\r\n-\r\n" + rec(0, 0, 0) + rec(0, 24.4, 0));
  ASSERT_EQ(load(file, 4, true), 0);
  EXPECT_EQ(live_elements(), 2);
  EXPECT_TRUE(cad_changed);
  EXPECT_EQ(max_x, 1);  // the extents grew with the circle
}

TEST_F(TvgReaderTest, ObjectsCutShortReadZerosAndEndWithTheFile) {
  ASSERT_EQ(read_tvg4(write_file("cut.tvg", "OBJ Line\r\nskip\r\n" + rec(0, 24.4, 24.4))), 0);
  const TElement& e = element(1);
  EXPECT_DOUBLE_EQ(e.values[0], 1);
  EXPECT_EQ(e.values[3], 0);
  EXPECT_EQ(e.values[4], 0);
  ASSERT_EQ(read_tvg4(write_file("s.tvg", "OBJ Surface\r\n" + rec(1, 24.4, 0) + rec(2, 0, 0))), 0);
  EXPECT_EQ(live_elements(), 1);  // the line of code 2; no 999, so no closing line
}

TEST_F(TvgReaderTest, AFileThatCannotBeOpenedLeavesTheDrawing) {
  ASSERT_EQ(load(write_file("p.cdl", "POINT 1,1,1,1,1\r\n"), 1), 0);
  EXPECT_EQ(read_tvg4(path("missing.tvg")), 2);
  EXPECT_EQ(read_tvg4(path("")), 5);
  EXPECT_EQ(live_elements(), 1);
}
