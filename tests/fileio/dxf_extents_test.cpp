// The extents and the element counts a DXF load leaves: those of the elements on visible layers,
// whether the reader gathered them while reading or scanned the store afterwards.
#include <string>
#include <vector>

#include "fileio/load_report.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

std::string dxf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

std::vector<std::string> line(const std::string& x1, const std::string& y1, const std::string& x2,
                              const std::string& y2, const std::string& layer = "0") {
  return {"0", "LINE", "8", layer, "10", x1, "20", y1, "11", x2, "21", y2};
}

std::string entities(std::initializer_list<std::vector<std::string>> records,
                     const std::vector<std::string>& tables = {}) {
  std::vector<std::string> all = tables;
  for (const char* s : {"0", "SECTION", "2", "ENTITIES"})
    all.push_back(s);
  for (const auto& r : records)
    all.insert(all.end(), r.begin(), r.end());
  for (const char* s : {"0", "ENDSEC", "0", "EOF"})
    all.push_back(s);
  return dxf(all);
}

struct Box {
  double min_x, min_y, max_x, max_y;
};

void expect_extents(const Box& b) {
  EXPECT_EQ(min_x, b.min_x);
  EXPECT_EQ(min_y, b.min_y);
  EXPECT_EQ(max_x, b.max_x);
  EXPECT_EQ(max_y, b.max_y);
}

}  // namespace

using DxfExtentsTest = FileioTest;

TEST_F(DxfExtentsTest, ANewDrawingHasTheExtentsOfItsElements) {
  // A line and a quarter arc, whose extents are its end points (10, 0) and (0, 10).
  const std::vector<std::string> arc = {"0",  "ARC", "10", "0", "20", "0",
                                        "40", "10",  "50", "0", "51", "90"};
  ASSERT_EQ(load(write_file("a.dxf", entities({line("-20", "5", "30", "-7"), arc})), 2), -1);
  expect_extents({-20, -7, 30, 10});
  EXPECT_EQ(load_report.lines, 1);
  EXPECT_EQ(load_report.arcs, 1);

  // Wholly left of and below the origin: the extents start from nothing, not from a default box.
  ASSERT_EQ(load(write_file("b.dxf", entities({line("-500", "-600", "-400", "-300")})), 2), -1);
  expect_extents({-500, -600, -400, -300});

  // Beyond the extents' limits they stop at +-10000.
  ASSERT_EQ(load(write_file("c.dxf", entities({line("-20000", "0", "5", "20000")})), 2), -1);
  expect_extents({-10000, 0, 5, 10000});

  // No element: the empty extents.
  ASSERT_EQ(load(write_file("d.dxf", entities({})), 2), -1);
  expect_extents({900, 900, -900, -900});
}

TEST_F(DxfExtentsTest, HiddenLayersAreLeftOutAndUncountedLineTypesCountedAfterTheLoad) {
  const std::vector<std::string> tables = {
      "0",  "SECTION", "2",  "TABLES", "0",  "TABLE",  "2", "LAYER", "0", "LAYER",
      "2",  "0",       "70", "0",      "62", "7",      "0", "LAYER", "2", "Off",
      "70", "0",       "62", "-1",     "0",  "ENDTAB", "0", "ENDSEC"};
  const std::vector<std::string> hidden_point = {"0",  "POINT", "8",  "Off",
                                                 "10", "500",   "20", "600"};
  // Line type "10" stores line type 1 without growing the extents as the element is made; the
  // drawing's extents still hold it.
  std::vector<std::string> far_line = line("-3000", "-4000", "-2999", "-4000");
  far_line.insert(far_line.end(), {"6", "10"});
  ASSERT_EQ(
      load(write_file("h.dxf", entities({line("-20", "5", "30", "-7"), hidden_point}, tables)), 2),
      -1);
  expect_extents({-20, -7, 30, 5});
  EXPECT_EQ(load_report.points, 1);  // made, though hidden
  EXPECT_EQ(load_report.lines, 1);

  ASSERT_EQ(load(write_file("t.dxf", entities({line("-20", "5", "30", "-7"), far_line})), 2), -1);
  expect_extents({-3000, -4000, 30, 5});
  EXPECT_EQ(element(2).line_type, 1);
}

TEST_F(DxfExtentsTest, AMergedFileAddsToTheExtentsAndCountsOnlyWhatItMade) {
  ASSERT_EQ(
      make_element(get_new_element_number(), kLine, 100, 100, 0, 200, 250, 0, clLime, 1, 1, 0, 0),
      2);
  get_max_min();
  ASSERT_EQ(load(write_file("m.dxf", entities({line("-1", "-2", "0", "0")})), 2, true), -1);
  expect_extents({-1, -2, 200, 250});
  EXPECT_EQ(live_elements(), 2);
  EXPECT_EQ(load_report.lines, 1);
  EXPECT_EQ(load_report.points, 0);
}
