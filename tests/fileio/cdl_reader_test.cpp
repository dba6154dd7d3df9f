#include "fileio/cdl_reader.h"

#include "fileio/make_cad.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

using CdlReaderTest = FileioTest;

TEST_F(CdlReaderTest, APointRecordMakesElementOne) {
  ASSERT_EQ(load(write_file("p.cdl", "POINT  1,2,3,12,5\r\n"), 1), 0);
  const TElement& e = element(1);
  EXPECT_EQ(e.element_type, kPoint);
  EXPECT_EQ(e.values[0], 1);
  EXPECT_EQ(e.values[1], 2);
  EXPECT_EQ(e.values[2], 3);
  EXPECT_EQ(e.color, 0x0000FFu);
  EXPECT_EQ(e.layer, 5);
  EXPECT_EQ(e.line_type, 0);
  EXPECT_EQ(e.view, 0);
  EXPECT_EQ(live_elements(), 1);
  EXPECT_EQ(last_element_number, 2);
  EXPECT_TRUE(fast_load_flag);
  EXPECT_FALSE(cad_changed);
}

TEST_F(CdlReaderTest, LineArcCircleAndPointRecordsMapTheirFields) {
  const std::string text =
      "LINE   1,2,3,4,5,6,9,7,2,1\r\n"
      "VLINE  1,2,3,4,5,6,3,12,8,1\r\n"
      "ARC    1,1,0,2,10,80,5,4,3,2,1\r\n"
      "CIRCLE 5,5,0,1.5,1,13,4,1,,1\r\n"
      "VPOINT 7,8,9,2,11,6\r\n";
  ASSERT_EQ(load(write_file("all.cdl", text), 1), 0);
  ASSERT_EQ(live_elements(), 5);
  const TElement& line = element(1);
  EXPECT_EQ(line.element_type, kLine);
  EXPECT_EQ(line.values[5], 6);
  EXPECT_EQ(line.color, 0xFF0000u);  // 9 blue
  EXPECT_EQ(line.layer, 7);
  EXPECT_EQ(line.line_type, 2);
  const TElement& vline = element(2);
  EXPECT_EQ(vline.color, 0x0000FFu);  // 12 red: the view field comes first
  EXPECT_EQ(vline.layer, 8);
  const TElement& arc = element(3);
  EXPECT_EQ(arc.element_type, kArc);
  EXPECT_EQ(arc.values[3], 2);
  EXPECT_EQ(arc.values[4], 10);
  EXPECT_EQ(arc.values[5], 80);
  EXPECT_EQ(arc.view, 5);
  EXPECT_EQ(arc.color, 0x00FFFFu);  // 4 yellow
  EXPECT_EQ(arc.layer, 3);
  EXPECT_EQ(arc.line_type, 2);
  const TElement& circle = element(4);
  EXPECT_EQ(circle.element_type, kArc);
  EXPECT_EQ(circle.values[4], 0);
  EXPECT_EQ(circle.values[5], 360);
  EXPECT_EQ(circle.color, 0xFF00FFu);  // 13 fuchsia
  EXPECT_EQ(circle.layer, 4);
  const TElement& vpoint = element(5);
  EXPECT_EQ(vpoint.element_type, kPoint);
  EXPECT_EQ(vpoint.color, 0xFFFF00u);  // 11 aqua
  EXPECT_EQ(vpoint.layer, 6);
}

TEST_F(CdlReaderTest, ViewRecordsStoreCoefficientsColumnByColumn) {
  const std::string text =
      "VIEW   7,1,2,3,4,5,6,7,8,9\r\n"
      "VIEW   95,9,0,0,0,9,0,0,0,9\r\n"
      "VIEW   0,5,5,5,5,5,5,5,5,5\r\n"
      "VIEW   -3,5,5,5,5,5,5,5,5,5\r\n";
  ASSERT_EQ(load(write_file("v.cdl", text), 1), 0);
  const view_entry& v = arc_view[7];
  EXPECT_TRUE(v.defined);
  EXPECT_EQ(v.ax, 1);
  EXPECT_EQ(v.ay, 2);
  EXPECT_EQ(v.az, 3);
  EXPECT_EQ(v.bx, 4);
  EXPECT_EQ(v.cx, 7);
  EXPECT_EQ(v.cz, 9);
  EXPECT_TRUE(arc_view[90].defined);
  EXPECT_EQ(arc_view[90].ax, 9);
  // Views below 1 are ignored; view 1 keeps the identity.
  EXPECT_EQ(arc_view[1].ax, 1);
  EXPECT_EQ(arc_view[1].ay, 0);
  EXPECT_EQ(arc_view[0].ax, 0);
  EXPECT_EQ(live_elements(), 0);
}

TEST_F(CdlReaderTest, ArcsAndCirclesWithoutPositiveRadiusMakeNothingAndEndTheLine) {
  const std::string text =
      "ARC    0,0,0,-1,0,90,1,1,1,1\r\nCIRCLE 0,0,0,0,1,1,1,1\r\n"
      "ARC CIRCLE POINT 0,0,0,-1,1,1,1,1\r\nCIRCLE POINT 0,0,0,0,1,1,1,1\r\n";
  ASSERT_EQ(load(write_file("r.cdl", text), 1), 0);
  EXPECT_EQ(live_elements(), 0);
  EXPECT_EQ(last_element_number, 1);  // no number was used up
}

TEST_F(CdlReaderTest, ArcAnglesAndViews) {
  const std::string text =
      "ARC    0,0,0,1,45,45,1,1,1,1\r\n"
      "ARC    0,0,0,1,90,0.00005,91,1,1,1\r\n"
      "ARC    0,0,0,1,90,-0.00005,0,1,1,1\r\n";
  ASSERT_EQ(load(write_file("a.cdl", text), 1), 0);
  EXPECT_EQ(element(1).values[4], 0);
  EXPECT_EQ(element(1).values[5], 360);
  EXPECT_EQ(element(2).values[5], 0);
  EXPECT_EQ(element(2).view, 1);
  EXPECT_EQ(element(3).values[5], 0);
  EXPECT_EQ(element(3).view, 1);
}

TEST_F(CdlReaderTest, LayerFieldsAreTakenModulo256) {
  const std::string text =
      "POINT  0,0,0,1,0\r\nPOINT  0,0,0,1,255\r\nPOINT  0,0,0,1,257\r\nPOINT  0,0,0,1,-3\r\n"
      "POINT  0,0,0,1,1e300\r\n";
  ASSERT_EQ(load(write_file("l.cdl", text), 1), 0);
  EXPECT_EQ(element(1).layer, 252);
  EXPECT_EQ(element(2).layer, 252);
  EXPECT_EQ(element(3).layer, 1);
  EXPECT_EQ(element(4).layer, 252);
  EXPECT_EQ(element(5).layer, 252);
}

TEST_F(CdlReaderTest, DExponentAndTooManyCommas) {
  std::string many = "LINE   1,2,3,4,5,6,12,3,1";
  while (std::count(many.begin(), many.end(), ',') < 22)
    many += ",1";
  ASSERT_EQ(load(write_file("d.cdl", "LINE   1.0D2,0,0,1,1,1,1,1,1\r\n" + many + "\r\n"), 1), 0);
  EXPECT_EQ(element(1).values[0], 100);
  const TElement& zero = element(2);
  for (double v : zero.values)
    EXPECT_EQ(v, 0);
  EXPECT_EQ(zero.color, 0xC0C0C0u);  // black on the black background
  EXPECT_EQ(zero.layer, 252);
  EXPECT_EQ(zero.line_type, 0);
}

TEST_F(CdlReaderTest, SplineEndsTheLineAndOneLineMayMakeSeveralElements) {
  const std::string text =
      "SPLINE LINE 1,2,3,4,5,6,1,1,1\r\n"
      "LINE ARC CIRCLE POINT 1,1,1,1,1,1,1,1,1,1\r\n"
      "VLINE ARC 1,1,1,1,1,1,1,1,1,1\r\n"
      "a comment without keyword\r\n";
  ASSERT_EQ(load(write_file("s.cdl", text), 1), 0);
  ASSERT_EQ(live_elements(), 5);
  EXPECT_EQ(element(1).element_type, kLine);
  EXPECT_EQ(element(2).element_type, kArc);
  EXPECT_EQ(element(3).element_type, kArc);
  EXPECT_EQ(element(4).element_type, kPoint);
  EXPECT_EQ(element(5).element_type, kLine);
}

TEST_F(CdlReaderTest, CircleInViewSixIsReoriented) {
  ASSERT_EQ(load(write_file("c.cdl", "CIRCLE 1,2,3,4,6,9,1,1,,1\r\n"), 1), 0);
  const TElement& e = element(1);
  EXPECT_EQ(e.view, 3);
  EXPECT_EQ(e.color, 0xFF0000u);
  EXPECT_EQ(e.values[0], -3);
  EXPECT_EQ(e.values[1], -1);
  EXPECT_EQ(e.values[2], 2);
}

TEST_F(CdlReaderTest, RejectedElementsStillUseUpTheirNumbers) {
  ASSERT_EQ(load(write_file("x.cdl", "POINT 2e9,0,0,1,1\r\nPOINT 1,1,1,1,1\r\n"), 1), 0);
  EXPECT_EQ(lock_element(1), nullptr);
  EXPECT_EQ(element(2).values[0], 1);
  EXPECT_EQ(last_element_number, 3);
}

TEST_F(CdlReaderTest, LinesMayEndWithLfOrCrAlone) {
  ASSERT_EQ(load(write_file("e.cdl", "POINT 1,1,1,1,1\nPOINT 2,2,2,1,1\rPOINT 3,3,3,1,1"), 1), 0);
  EXPECT_EQ(live_elements(), 3);
  EXPECT_EQ(element(3).values[0], 3);
}

TEST_F(CdlReaderTest, MergingKeepsElementsAndLoadingReplacesThem) {
  const std::string file = write_file("m.cdl", "POINT 1,1,1,1,1\r\nLINE 0,0,0,1,1,1,1,1,1\r\n");
  ASSERT_EQ(load(file, 1), 0);
  ASSERT_EQ(load(file, 1, true), 0);
  EXPECT_EQ(live_elements(), 4);
  EXPECT_FALSE(merge_cad);
  EXPECT_FALSE(fast_load_flag);
  ASSERT_EQ(load(file, 1), 0);
  EXPECT_EQ(live_elements(), 2);
}

TEST_F(CdlReaderTest, MergedElementsFillFreeSlots) {
  ASSERT_EQ(load(write_file("gap.cdl", "POINT 2e9,0,0,1,1\r\nPOINT 1,1,1,1,1\r\n"), 1), 0);
  ASSERT_EQ(load(write_file("one.cdl", "POINT 5,5,5,1,1\r\n"), 1, true), 0);
  EXPECT_EQ(element(1).values[0], 5);
}

TEST_F(CdlReaderTest, ExtentsAreRecomputedAfterTheLoad) {
  ASSERT_EQ(load(write_file("x.cdl", "LINE -5,-6,0,7,8,0,1,1,1\r\n"), 1), 0);
  EXPECT_EQ(min_x, -5);
  EXPECT_EQ(min_y, -6);
  EXPECT_EQ(max_x, 7);
  EXPECT_EQ(max_y, 8);
}

TEST_F(CdlReaderTest, AFileThatCannotBeOpenedLeavesTheDrawing) {
  ASSERT_EQ(load(write_file("keep.cdl", "POINT 1,1,1,1,1\r\n"), 1), 0);
  EXPECT_EQ(load(path("missing.cdl"), 1), 2);
  EXPECT_EQ(load(path("none/missing.cdl"), 1), 3);
  EXPECT_EQ(load(path(""), 1), 5);  // the folder itself
  EXPECT_EQ(live_elements(), 1);
}
