#include <string>
#include <vector>

#include "fileio/dxf.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

// A DXF text of group lines joined with CR LF.
std::string dxf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

// The groups of a polyline with the vertices (0,0), (4,0), (4,3); the second and third
// vertices are red and blue, the SEQEND record yellow.
std::string triangle(const std::string& flags) {
  return dxf({"0",  "POLYLINE", "66", "1",      "70", flags, "10", "0", "20", "0",
              "30", "0",        "0",  "VERTEX", "10", "0",   "20", "0", "30", "0",
              "0",  "VERTEX",   "10", "4",      "20", "0",   "30", "0", "62", "1",
              "0",  "VERTEX",   "10", "4",      "20", "3",   "30", "0", "62", "5",
              "0",  "SEQEND",   "62", "2",      "0",  "EOF"});
}

}  // namespace

using DxfReaderTest = FileioTest;

TEST_F(DxfReaderTest, ALineWithoutColourIsLimeOnLayerOneWithLineTypeOne) {
  ASSERT_TRUE(read_dxf2(write_file("l.dxf", dxf({"0", "LINE", "10", "1", "20", "2", "30", "3", "11",
                                                 "4.5", "21", "-5", "31", "6", "0", "EOF"}))));
  ASSERT_EQ(live_elements(), 1);
  const TElement& e = element(1);
  EXPECT_EQ(e.element_type, kLine);
  const double expected[6] = {1, 2, 3, 4.5, -5, 6};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(e.values[i], expected[i]) << i;
  EXPECT_EQ(e.color, 0x00FF00u);
  EXPECT_EQ(e.layer, 1);
  EXPECT_EQ(e.line_type, 1);
  EXPECT_EQ(e.view, 0);
  EXPECT_EQ(cdl_filename, path("l.dxf"));
  EXPECT_FALSE(cad_changed);
}

TEST_F(DxfReaderTest, LayerZeroAndLayerNamesGiveLayerOneNumbersAreKept) {
  const std::string text = dxf({"0", "POINT", "8", "0", "0", "POINT", "8", "WALLS", "6", "DASHED",
                                "0", "POINT", "8", "7", "62", "5", "0", "EOF"});
  ASSERT_TRUE(read_dxf2(write_file("layers.dxf", text)));
  ASSERT_EQ(live_elements(), 3);
  EXPECT_EQ(element(1).layer, 1);
  EXPECT_EQ(element(2).layer, 1);
  EXPECT_EQ(element(3).layer, 7);
  EXPECT_EQ(element(3).color, 0xFF0000u);
  EXPECT_EQ(element(3).line_type, 0);  // points carry line type 0
}

TEST_F(DxfReaderTest, AnOpenPolylineOfThreeVerticesGivesTwoLines) {
  ASSERT_TRUE(read_dxf2(write_file("open.dxf", triangle("0"))));
  ASSERT_EQ(live_elements(), 2);
  const TElement& a = element(1);
  const TElement& b = element(2);
  EXPECT_EQ(a.values[0], 0);
  EXPECT_EQ(a.values[3], 4);
  EXPECT_EQ(a.values[4], 0);
  EXPECT_EQ(a.color, 0x0000FFu);  // the vertex record that ends the segment
  EXPECT_EQ(b.values[0], 4);
  EXPECT_EQ(b.values[4], 3);
  EXPECT_EQ(b.color, 0xFF0000u);
}

TEST_F(DxfReaderTest, AClosedPolylineGetsALineFromTheLastVertexBackToTheFirst) {
  ASSERT_TRUE(read_dxf2(write_file("closed.dxf", triangle("1"))));
  ASSERT_EQ(live_elements(), 3);
  const TElement& c = element(3);
  EXPECT_EQ(c.values[0], 4);
  EXPECT_EQ(c.values[1], 3);
  EXPECT_EQ(c.values[3], 0);
  EXPECT_EQ(c.values[4], 0);
  EXPECT_EQ(c.color, 0x00FFFFu);  // the SEQEND record's colour
}

TEST_F(DxfReaderTest, AnArcWithExtrusionDownwardsIsInArcViewFour) {
  const std::string text =
      dxf({"0",  "ARC", "10", "1",   "20",  "2",   "30",  "0",   "40",   "3", "50",
           "10", "51",  "80", "210", "0.0", "220", "0.0", "230", "-1.0", "0", "EOF"});
  ASSERT_TRUE(read_dxf2(write_file("arc.dxf", text)));
  const TElement& e = element(1);
  EXPECT_EQ(e.element_type, kArc);
  EXPECT_EQ(e.view, 4);
  EXPECT_EQ(e.values[3], 3);
  EXPECT_EQ(e.values[4], 10);
  EXPECT_EQ(e.values[5], 80);
  const view_entry& v = arc_view[4];
  EXPECT_TRUE(v.defined);
  EXPECT_EQ(v.ax, -1);
  EXPECT_EQ(v.by, 1);
  EXPECT_EQ(v.cz, -1);
  EXPECT_EQ(v.bx, 0);
  EXPECT_EQ(v.cx, 0);
}

TEST_F(DxfReaderTest, ACircleBecomesAFullArc) {
  ASSERT_TRUE(read_dxf2(
      write_file("c.dxf", dxf({"0", "CIRCLE", "10", "1", "20", "1", "40", "2", "0", "EOF"}))));
  EXPECT_EQ(element(1).element_type, kArc);
  EXPECT_EQ(element(1).values[4], 0);
  EXPECT_EQ(element(1).values[5], 360);
  EXPECT_EQ(element(1).view, 1);
}

TEST_F(DxfReaderTest, ColourNumbersReadAsTheirTableColours) {
  const TColor expected[17] = {0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0x808000, 0xFF0000,
                               0xFF00FF, 0xFFFFFF, 0x808080, 0x000080, 0x008080, 0xFFFF00,
                               0x008000, 0x800000, 0x800080, 0xC0C0C0, 0xFFFFFF};
  plot_background = 0xFFFFFF;
  for (int n = 0; n <= 16; ++n)
    EXPECT_EQ(set_dxf_color(n), expected[n]) << n;
  for (int n : {17, 256, -1})
    EXPECT_EQ(set_dxf_color(n), 0x00FF00u) << n;
  plot_background = 0;
  EXPECT_EQ(set_dxf_color(0), 0xC0C0C0u);  // black on black reads silver
}

TEST_F(DxfReaderTest, ReadingStopsAtTheEofLine) {
  const std::string text = dxf({"0", "POINT", "10", "1", "0", "EOF", "POINT", "10", "2", "0"});
  ASSERT_TRUE(read_dxf2(write_file("eof.dxf", text)));
  EXPECT_EQ(live_elements(), 1);
  EXPECT_TRUE(abort2);
}

TEST_F(DxfReaderTest, LoneLfAndCrEndLinesAndMergingKeepsTheDrawing) {
  ASSERT_TRUE(read_dxf2(write_file("lf.dxf", "0\nPOINT\n10\n5\n0\rPOINT\r10\r6\r0\rEOF\r")));
  ASSERT_EQ(live_elements(), 2);
  EXPECT_EQ(element(2).values[0], 6);
  merge_cad = true;
  ASSERT_TRUE(read_dxf2(path("lf.dxf")));
  merge_cad = false;
  EXPECT_EQ(live_elements(), 4);
  ASSERT_TRUE(read_dxf2(path("lf.dxf")));
  EXPECT_EQ(live_elements(), 2);
}
