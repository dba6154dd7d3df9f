#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/dxf.h"
#include "tests/fileio/dxf_test_util.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

int make(uint8_t type, std::vector<double> g, TColor color, int layer, int line_type = 1,
         int view = 1) {
  g.resize(6);
  return make_element(get_new_element_number(), type, g[0], g[1], g[2], g[3], g[4], g[5], color,
                      line_type, layer, 0, view);
}

std::vector<std::string> framed(std::vector<std::string> entities) {
  entities.insert(entities.begin(), {"  0", "SECTION", "  2", "ENTITIES", "  0"});
  entities.insert(entities.end(), {"ENDSEC", "0", "EOF"});
  return entities;
}

}  // namespace

using DxfWriterTest = FileioTest;

TEST_F(DxfWriterTest, AnEmptyDrawingWritesTheEightFrameLines) {
  ASSERT_TRUE(write_dxf(path("empty.dxf")));
  EXPECT_EQ(crlf_lines(path("empty.dxf")), framed({}));
  EXPECT_EQ(cdl_filename, path("empty.dxf"));
}

TEST_F(DxfWriterTest, EachElementTypeWritesItsGroupsAndDeletedOnesNothing) {
  make(kCircle, {0, 0, 0, 2}, clRed, 3);
  make(kPoint, {1, 2, 3}, clOlive, 4);
  make(kLine, {0, 0, 0, 10, 5.5, -0.125}, 0x123456, 1);  // not a table colour: 3
  make(kArc, {1, 1, 0, 0.25, 10, 80}, clSilver, 2);
  lock_element(make(kPoint, {9, 9, 9}, clRed, 1))->deleted = true;
  ASSERT_TRUE(write_dxf(path("all.dxf")));
  // clang-format off
  EXPECT_EQ(crlf_lines(path("all.dxf")), framed({
      "CIRCLE", "8", "3", "10", ".0", "20", ".0", "30", ".0", "40", "2.0", "62", "1", "0",
      "POINT", "8", "4", "10", "1.0", "20", "2.0", "30", "3.0", "62", "10", "0",
      "LINE", "8", "1", "10", ".0", "20", ".0", "30", ".0", "11", "10.0", "21", "5.5", "31",
      "-.125", "62", "3", "0",
      "ARC", "8", "2", "10", "1.0", "20", "1.0", "30", ".0", "40", ".25", "50", "10.0",
      "51", "80.0", "62", "15", "0"}));
  // clang-format on
}

TEST_F(DxfWriterTest, AWrittenDrawingReadsBackWithTheDocumentedChanges) {
  make(kPoint, {1, 2, 3}, clRed, 5, 3);
  make(kLine, {1, 2, 3, 4, 5, 6}, clBlue, 6, 2);
  make(kArc, {1, 2, 3, 4, 30, 60}, clNavy, 7, 2, 5);
  make(kCircle, {0, 0, 0, 2}, clDarkRed, 8);
  ASSERT_TRUE(write_dxf(path("round.dxf")));
  ASSERT_TRUE(read_dxf2(path("round.dxf")));
  ASSERT_EQ(live_elements(), 4);
  EXPECT_EQ(element(1).line_type, 0);
  EXPECT_EQ(element(1).values[2], 3);
  EXPECT_EQ(element(2).line_type, 1);
  EXPECT_EQ(element(2).values[5], 6);
  EXPECT_EQ(element(3).view, 1);
  EXPECT_EQ(element(3).values[4], 30);
  EXPECT_EQ(element(3).color, clNavy);
  EXPECT_EQ(element(4).element_type, kArc);
  EXPECT_EQ(element(4).values[5], 360);
  EXPECT_EQ(element(4).color, clLime);
}

TEST_F(DxfWriterTest, AFailedWriteReturnsFalseAndLeavesTheOldFile) {
  EXPECT_FALSE(write_dxf(path("missing/x.dxf")));
  const std::string old = write_file("old.dxf", "old contents");
  for (int i = 0; i < 2000; ++i)
    make(kLine, {1, 2, 3, 4, 5, 6}, clRed, 1);
  // A file size limit makes the writes fail after 4 KB.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  cdl_filename = "before";
  const bool written = write_dxf(old);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(written);
  EXPECT_EQ(read_file(old), "old contents");
  EXPECT_EQ(cdl_filename, "before");
  EXPECT_TRUE(write_dxf(old));
  EXPECT_GT(read_file(old).size(), 4096u);
}

TEST_F(DxfWriterTest, ArcsOfOtherPlanesReadBackInTheirPlanes) {
  // View 4 looks from below; view 7 is a tilted plane whose own x axis (-0.8, 0, 0.6) is not
  // the one the DXF rule gives its normal (0.6, 0, 0.8).
  arc_view[4] = view_entry{-1, 0, 0, 0, 1, 0, 0, 0, -1, true};
  arc_view[7] = view_entry{-0.8, 0, 0.6, 0, -1, 0, 0.6, 0, 0.8, true};
  make(kArc, {1, 2, 3, 4, 30, 60}, clRed, 1, 1, 4);
  make(kArc, {-2, 1, 5, 3, 350, 100}, clRed, 1, 1, 7);
  using dxf_test::arc_point;
  std::vector<std::vector<dxf_test::P3>> before;
  for (const TElement& e : dxf_test::of_type(kArc)) {
    before.push_back(
        {arc_point(e, e.values[4]), arc_point(e, e.values[5]), arc_point(e, e.values[4] + 10)});
  }
  ASSERT_TRUE(write_dxf(path("planes.dxf")));
  ASSERT_EQ(load(path("planes.dxf"), 2), -1);
  const std::vector<TElement> arcs = dxf_test::of_type(kArc);
  ASSERT_EQ(arcs.size(), 2u);
  ASSERT_EQ(before.size(), 2u);
  for (int n = 1; n <= 2; ++n) {
    const TElement& e = arcs[n - 1];
    const dxf_test::P3 after[3] = {arc_point(e, e.values[4]), arc_point(e, e.values[5]),
                                   arc_point(e, e.values[4] + 10)};
    for (int k = 0; k < 3; ++k)
      EXPECT_POINT_NEAR(after[k], before[n - 1][k].x, before[n - 1][k].y, before[n - 1][k].z, 2e-4);
  }
  EXPECT_EQ(arcs[0].view, 4);
  EXPECT_GE(arcs[1].view, 7);
}
