#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/iges.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

int make(uint8_t type, std::vector<double> g, TColor color = clLime, int layer = 1,
         int line_type = 1) {
  g.resize(6);
  return make_element(get_new_element_number(), type, g[0], g[1], g[2], g[3], g[4], g[5], color,
                      line_type, layer, 0, 1);
}

// An 80-column record: data in columns 1-72, the section letter and sequence in 73-80.
std::string rec(const std::string& data, char section, int sequence) {
  std::string seq = std::to_string(sequence);
  return data + std::string(72 - data.size(), ' ') + section + std::string(7 - seq.size(), '0') +
         seq + "\r\n";
}

// A directory entry of type t with parameter pointer p, colour number c and layer l.
std::string entry(int t, int p, int c, int l, int sequence) {
  char first[80], second[80];
  std::snprintf(first, sizeof first, "%8d%8d%8d%8d%8d%8d%8d%8s%8s", t, p, 1, 1, 0, 0, 0, "",
                "00000000");
  std::snprintf(second, sizeof second, "%8d%8d%8d%8d%8d", t, 0, c, 1, l);
  return rec(first, 'D', sequence) + rec(second, 'D', sequence + 1);
}

// Parameter data in columns 1-64, the directory pointer right-aligned in 65-72.
std::string parameter(const std::string& data, int directory, int sequence) {
  std::string pointer = std::to_string(directory);
  return rec(data + std::string(72 - data.size() - pointer.size(), ' ') + pointer, 'P', sequence);
}

// The six values of element n; none when there is no such element.
std::vector<double> values(int n) {
  const TElement* e = lock_element(n);
  return e ? std::vector<double>(e->values, e->values + 6) : std::vector<double>();
}

}  // namespace

using IgesReaderTest = FileioTest;

TEST_F(IgesReaderTest, AWrittenLineReadsBackAsElementTwoWithItsLayerAndLineType) {
  make(kLine, {1.23456, -2, 3, 4, 5.5, -6.125}, clGreen, 9, 2);
  make(kLine, {0, 0, 0, 1, 1, 1}, clRed, 254, 3);
  ASSERT_TRUE(write_iges(path("l.igs")));
  ASSERT_TRUE(read_iges(path("l.igs")));
  ASSERT_EQ(live_elements(), 2);
  const TElement& a = element(2);
  EXPECT_EQ(a.element_type, kLine);
  const double expected[6] = {1.2346, -2, 3, 4, 5.5, -6.125};
  for (int i = 0; i < 6; ++i)
    EXPECT_DOUBLE_EQ(a.values[i], expected[i]) << i;
  EXPECT_EQ(a.layer, 9);
  EXPECT_EQ(a.line_type, 2);
  EXPECT_EQ(a.color, clLime);  // green passes through IGES colour 3
  EXPECT_EQ(element(3).line_type, 1);
  EXPECT_EQ(element(3).color, clRed);
  EXPECT_EQ(element(3).layer, 254);
  EXPECT_TRUE(fast_load_flag);
  EXPECT_FALSE(cad_changed);
}

TEST_F(IgesReaderTest, PointsAndArcsReadBackArcsOfCoincidentEndsAsFullCircles) {
  make(kPoint, {1, 2, 3});
  make(kArc, {1, 1, 2, 2, 0, 90});
  make(kArc, {0, 0, 0, 1, 45, 45.00001});
  make(kArc, {123456789.125, -223456789.125, 3, 5, 180, 270});  // two parameter records
  ASSERT_TRUE(write_iges(path("a.igs")));
  ASSERT_TRUE(read_iges(path("a.igs")));
  ASSERT_EQ(live_elements(), 4);
  EXPECT_EQ(element(2).values[2], 3);
  const TElement& arc = element(3);
  EXPECT_EQ(arc.view, 1);
  EXPECT_NEAR(arc.values[2], 2, 1e-12);
  EXPECT_NEAR(arc.values[3], 2, 1e-4);
  EXPECT_NEAR(arc.values[4], 360, 1e-5);  // a direction exactly to the right reads just below 360
  EXPECT_NEAR(arc.values[5], 90, 1e-4);
  EXPECT_EQ(element(4).values[4], 0);
  EXPECT_EQ(element(4).values[5], 360);
  EXPECT_NEAR(element(5).values[0], 123456789.125, 1e-3);
  EXPECT_NEAR(element(5).values[3], 5, 1e-3);
  EXPECT_NEAR(element(5).values[4], 180, 1e-5);
}

TEST_F(IgesReaderTest, AMillimetreGlobalSectionSetsMetricAndAnInchOneClearsIt) {
  metric_machine = true;
  ASSERT_TRUE(write_iges(path("mm.igs")));
  metric_machine = false;
  ASSERT_TRUE(read_iges(path("mm.igs")));
  EXPECT_TRUE(metric_machine);
  ASSERT_TRUE(read_iges(write_file("in.igs", rec("2HMM in the start section", 'S', 1))));
  EXPECT_FALSE(metric_machine);
}

TEST_F(IgesReaderTest, DirectoryColourOneIsRedAndLayersFoldIntoOneTo254) {
  const std::string text = entry(116, 1, 1, 0, 1) + entry(116, 2, 4, 255, 3) +
                           entry(116, 3, 13, 258, 5) + parameter("116,1.,2.,3.;", 1, 1) +
                           parameter("116,1.5D1,1.5Dx,1E400;", 3, 2) +
                           parameter("116,-1,NaN,7;", 5, 3);
  ASSERT_TRUE(read_iges(write_file("c.igs", text)));
  ASSERT_EQ(live_elements(), 3);
  EXPECT_EQ(element(1).color, clRed);
  EXPECT_EQ(element(1).layer, 1);
  EXPECT_EQ(element(2).layer, 254);
  EXPECT_EQ(element(2).color, clBlue);
  EXPECT_EQ(element(3).layer, 2);
  // 1.5D1, a malformed exponent, 1E400; -1, NaN, 7.
  EXPECT_EQ(values(2), (std::vector<double>{15, 0, 0, 0, 0, 0}));
  EXPECT_EQ(values(3), (std::vector<double>{-1, 0, 7, 0, 0, 0}));
}

TEST_F(IgesReaderTest, MergingAppendsGreenElementsOnLayerOne) {
  make(kPoint, {5, 5, 5});
  make(kLine, {1, 2, 3, 4, 5, 6}, clRed, 9, 2);
  ASSERT_TRUE(write_iges(path("m.igs")));
  merge_cad = true;
  ASSERT_TRUE(read_iges(path("m.igs")));
  merge_cad = false;
  ASSERT_EQ(live_elements(), 4);
  EXPECT_EQ(last_element_number, 5);
  const TElement& merged = element(5);
  EXPECT_EQ(merged.element_type, kLine);
  EXPECT_EQ(values(5), (std::vector<double>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(merged.color, clGreen);
  EXPECT_EQ(merged.layer, 1);
  EXPECT_EQ(merged.line_type, 1);
}

TEST_F(IgesReaderTest, HostilePointersAreSkippedWithoutGrowingTheTable) {
  const std::string text = entry(110, 99999999, 3, 1, 1) + entry(110, 0, 3, 1, 3) +
                           entry(110, -4, 3, 1, 5) + entry(110, 1, 3, 1, 7) +
                           entry(110, 1, 3, 1, 9) + parameter("110,1,2,3,4,5,6;", 7, 1);
  ASSERT_TRUE(read_iges(write_file("h.igs", text)));
  EXPECT_EQ(live_elements(), 1);
  EXPECT_EQ(last_element_number, 1);
  EXPECT_LT(element_handle.size(), 10u);
  EXPECT_EQ(element(1).values[5], 6);
}

TEST_F(IgesReaderTest, AParameterRecordJoinsEveryContinuationUpToItsSemicolon) {
  // The point's z follows 200000 blank continuation records: one pass over the file reads it.
  std::string text = entry(116, 1, 3, 1, 1) + parameter("116,1.0,2.0,", 1, 1);
  for (int i = 2; i <= 200001; ++i)
    text += parameter("", 1, i);
  text += parameter("3.5;", 1, 200002) + parameter("116,9,9,9;", 1, 200003);
  ASSERT_TRUE(read_iges(write_file("joined.igs", text)));
  EXPECT_EQ(live_elements(), 1);
  EXPECT_EQ(values(1), (std::vector<double>{1, 2, 3.5, 0, 0, 0}));
}
