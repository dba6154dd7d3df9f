#include <string>
#include <vector>

#include "core/colors.h"
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

// The six values of element n; none when there is no such element.
std::vector<double> values(int n) {
  const TElement* e = lock_element(n);
  return e ? std::vector<double>(e->values, e->values + 6) : std::vector<double>();
}

// A polyline through (0,0), (4,0), (4,3); the second and third vertices red and blue, the
// SEQEND record yellow.
std::string triangle(const std::string& flags) {
  return dxf({"0",  "POLYLINE", "66", "1",      "70", flags,    "10", "0",      "20", "0",
              "0",  "VERTEX",   "10", "0",      "20", "0",      "0",  "VERTEX", "10", "4",
              "20", "0",        "62", "1",      "0",  "VERTEX", "10", "4",      "20", "3",
              "62", "5",        "0",  "SEQEND", "62", "2",      "0",  "EOF"});
}

}  // namespace

using DxfReaderTest = FileioTest;

TEST_F(DxfReaderTest, EntitiesWithoutGroupsTakeTheDefaultsAndLayerNamesGiveLayerOne) {
  const std::string text = dxf(
      {"0",  "LINE", "10", "1",      "20", "2",     "30", "3",      "11", "4.5",   "21", "-5",
       "31", "6",    "0",  "POINT",  "8",  "WALLS", "6",  "DASHED", "0",  "POINT", "8",  "7",
       "62", "5",    "0",  "CIRCLE", "8",  "0",     "10", "1",      "40", "2",     "0",  "EOF"});
  ASSERT_TRUE(read_dxf2(write_file("l.dxf", text)));
  ASSERT_EQ(live_elements(), 4);
  EXPECT_EQ(values(1), (std::vector<double>{1, 2, 3, 4.5, -5, 6}));
  const TElement& line = element(1);
  EXPECT_EQ(line.color, clLime);
  EXPECT_EQ(line.layer, 1);
  EXPECT_EQ(line.line_type, 1);
  EXPECT_EQ(element(2).layer, 1);
  EXPECT_EQ(element(3).layer, 7);
  EXPECT_EQ(element(3).color, clBlue);
  EXPECT_EQ(element(3).line_type, 0);                               // points carry line type 0
  EXPECT_EQ(values(4), (std::vector<double>{1, 0, 0, 2, 0, 360}));  // a circle is a full arc
  EXPECT_EQ(element(4).layer, 1);
  EXPECT_EQ(cdl_filename, path("l.dxf"));
  EXPECT_FALSE(cad_changed);
}

TEST_F(DxfReaderTest, PolylinesGiveALinePerSideAndClosedOnesOneMore) {
  ASSERT_TRUE(read_dxf2(write_file("open.dxf", triangle("0"))));
  ASSERT_EQ(live_elements(), 2);
  EXPECT_EQ(values(1), (std::vector<double>{0, 0, 0, 4, 0, 0}));
  EXPECT_EQ(values(2), (std::vector<double>{4, 0, 0, 4, 3, 0}));
  EXPECT_EQ(element(1).color, clRed);  // the vertex record that ends the side
  EXPECT_EQ(element(2).color, clBlue);
  ASSERT_TRUE(read_dxf2(write_file("closed.dxf", triangle("1"))));
  ASSERT_EQ(live_elements(), 3);
  EXPECT_EQ(values(3), (std::vector<double>{4, 3, 0, 0, 0, 0}));
  EXPECT_EQ(element(3).color, clYellow);  // the SEQEND record's colour
}

TEST_F(DxfReaderTest, AnArcWithExtrusionDownwardsIsInArcViewFour) {
  const std::string text =
      dxf({"0",  "ARC", "10",  "1",   "20",  "2",   "40",  "3",    "50", "10",
           "51", "80",  "210", "0.0", "220", "0.0", "230", "-1.0", "0",  "EOF"});
  ASSERT_TRUE(read_dxf2(write_file("arc.dxf", text)));
  EXPECT_EQ(values(1), (std::vector<double>{1, 2, 0, 3, 10, 80}));
  EXPECT_EQ(element(1).view, 4);
  const view_entry& v = arc_view[4];
  EXPECT_TRUE(v.defined);
  EXPECT_EQ((std::vector<double>{v.ax, v.bx, v.cx, v.ay, v.by, v.cy, v.az, v.bz, v.cz}),
            (std::vector<double>{-1, 0, 0, 0, 1, 0, 0, 0, -1}));
}

TEST_F(DxfReaderTest, ColourNumbersReadAsTheirTableColoursAndWriteBack) {
  const TColor expected[17] = {0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0x808000, 0xFF0000,
                               0xFF00FF, 0xFFFFFF, 0x808080, 0x000080, 0x008080, 0xFFFF00,
                               0x008000, 0x800000, 0x800080, 0xC0C0C0, 0xFFFFFF};
  plot_background = clWhite;
  for (int n = 0; n <= 16; ++n)
    EXPECT_EQ(set_dxf_color(n), expected[n]) << n;
  for (int n = 0; n <= 15; ++n)
    EXPECT_EQ(get_dxf_color(expected[n]), n) << n;
  for (int n : {17, 256, -1})
    EXPECT_EQ(set_dxf_color(n), clLime) << n;
  EXPECT_EQ(get_dxf_color(clDarkRed), 3);
  plot_background = clBlack;
  EXPECT_EQ(set_dxf_color(0), clSilver);
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
