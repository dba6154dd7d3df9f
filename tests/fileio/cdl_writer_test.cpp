#include "fileio/cdl_writer.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "fileio/make_cad.h"
#include "fileio/save_cad.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

using Lines = std::vector<std::string>;

// The arc views as make_cad leaves them before reading a file: only view 1, the identity.
void only_view_one() {
  for (int v = 2; v <= kArcViews; ++v)
    arc_view[v].defined = false;
}

int add(uint8_t type, std::initializer_list<double> g, TColor color, int line_type, int layer,
        int view) {
  double v[6] = {0, 0, 0, 0, 0, 0};
  std::copy(g.begin(), g.end(), v);
  return make_element(get_new_element_number(), type, v[0], v[1], v[2], v[3], v[4], v[5], color,
                      line_type, layer, 0, view);
}

// Stores an element of a type that no maker accepts, as the component's SetElement does.
void put(int type, std::initializer_list<double> g, TColor color, int layer, int view) {
  TElement* e = lock_element(add(kPoint, {0, 0, 0}, 0, 0, 1, 0));
  ASSERT_NE(e, nullptr);
  e->element_type = type;
  std::copy(g.begin(), g.end(), e->values);
  e->color = color;
  e->layer = layer;
  e->view = view;
}

}  // namespace

using CdlWriterTest = FileioTest;

TEST_F(CdlWriterTest, AnEmptyDrawingWritesOnlyViewOne) {
  only_view_one();
  ASSERT_TRUE(write_cdl(path("e.cdl")));
  EXPECT_EQ(crlf_lines(path("e.cdl")), (Lines{"VIEW   1,1,0,0,0,1,0,0,0,1"}));
  EXPECT_EQ(cdl_filename, path("e.cdl"));
}

TEST_F(CdlWriterTest, ElementRecordsMatchTheirGoldenTexts) {
  only_view_one();
  add(kLine, {0, 0, 0, 10, 5.5, -0.125}, clGreen, 1, 1, 0);
  add(kCircle, {1, 2, 3, 4}, clLime, 1, 1, 9);
  add(kPoint, {1.5, -2, 0.00004}, clRed, 0, 7, 0);
  add(kArc, {1, 2, 3, 4, 30, 120.25}, clNavy, 2, 200, 5);
  add(kLine, {0, 0, 0, 1, 1, 1}, 0x123456, 0, 3, 0);
  put(6, {1, 2, 3, 4}, clBlue, 2, 1);
  put(7, {1, 2, 3, 4}, clWhite, 3, 2);
  put(9, {1, 2, 3, 4, 5, 6}, clGray, 4, 3);
  ASSERT_TRUE(write_cdl(path("g.cdl")));
  EXPECT_EQ(crlf_lines(path("g.cdl")), (Lines{
                                           "VIEW   1,1,0,0,0,1,0,0,0,1",
                                           "LINE   .0,.0,.0,10.0,5.5,-.125,1,1,1,1",
                                           "CIRCLE 1.0,2.0,3.0,4.0,9,10,1,1,,1",
                                           "POINT  1.5,-2.0,.0,12,7,0",
                                           "ARC    1.0,2.0,3.0,4.0,30.0,120.25,5,8,200,2,1",
                                           "LINE   .0,.0,.0,1.0,1.0,1.0,10,3,0,1",
                                           "ARROW  1.0,2.0,3.0,4.0,1,9,2",
                                           "LEADER  3.0,4.0,1.0,2.0,.1,0,2,15,3",
                                           "WITNESS  1.0,2.0,4.0,5.0,3,7,4",
                                       }));
}

TEST_F(CdlWriterTest, DefinedArcViewsComeFirstInTheirOrder) {
  arc_view[3].cx = 6.1e-17;
  ASSERT_TRUE(write_cdl(path("v.cdl")));
  const Lines lines = crlf_lines(path("v.cdl"));
  ASSERT_EQ(lines.size(), 4u);  // views 1 to 4 are defined at start-up
  EXPECT_EQ(lines[1], "VIEW   2,1,0,0,0,0,-1,0,1,0");
  EXPECT_EQ(lines[2], "VIEW   3,0,0,1,1,0,0,6.1E-17,1,0");
  ASSERT_EQ(load(path("v.cdl"), 1), 0);
  EXPECT_EQ(arc_view[3].cx, 6.1e-17);
  EXPECT_EQ(arc_view[2].bz, -1);
}

TEST_F(CdlWriterTest, DeletedElementsAndEmptySlotsCloseUpOnReading) {
  only_view_one();
  add(kPoint, {1, 1, 1}, clRed, 0, 1, 0);
  const int gone = add(kPoint, {2, 2, 2}, clRed, 0, 1, 0);
  add(kPoint, {3, 3, 3}, clRed, 0, 1, 0);
  lock_element(gone)->deleted = true;
  ASSERT_TRUE(write_cdl(path("d.cdl")));
  EXPECT_EQ(crlf_lines(path("d.cdl")).size(), 3u);
  ASSERT_EQ(load(path("d.cdl"), 1), 0);
  EXPECT_EQ(element(1).values[0], 1);
  EXPECT_EQ(element(2).values[0], 3);
  EXPECT_EQ(live_elements(), 2);
}

TEST_F(CdlWriterTest, ADrawingReadsBackAsWritten) {
  plot_background = 0x101010;
  add(kLine, {1.23456, -2, 3, 4, 5, 6}, clTeal, 2, 9, 0);
  add(kArc, {1, 2, 3, 4, 10, 10.00001}, clPurple, 1, 8, 2);
  add(kCircle, {1, 2, 3, 4}, clOlive, 1, 7, 6);
  add(kPoint, {7, 8, 9}, clBlack, 3, 6, 0);
  ASSERT_TRUE(write_cdl(path("r.cdl")));
  ASSERT_EQ(load(path("r.cdl"), 1), 0);
  ASSERT_EQ(live_elements(), 4);
  EXPECT_EQ(element(1).values[0], 1.2346);
  EXPECT_EQ(element(1).color, clTeal);
  EXPECT_EQ(element(1).line_type, 2);
  EXPECT_EQ(element(1).layer, 9);
  EXPECT_EQ(element(2).values[4], 0);  // start and end within 0.0001: a full circle
  EXPECT_EQ(element(2).values[5], 360);
  EXPECT_EQ(element(2).view, 2);
  const TElement& circle = element(3);  // passes fix_circle on reading
  EXPECT_EQ(circle.element_type, kArc);
  EXPECT_EQ(circle.view, 3);
  EXPECT_EQ(circle.values[0], -3);
  EXPECT_EQ(circle.values[1], -1);
  EXPECT_EQ(circle.values[2], 2);
  EXPECT_EQ(circle.color, clOlive);
  EXPECT_EQ(element(4).line_type, 0);
  EXPECT_EQ(element(4).color, clBlack);
}

TEST_F(CdlWriterTest, SaveCadWritesCdlForTvgAndUnknownTypes) {
  only_view_one();
  for (int type : {1, 4, 0, 9}) {
    cad_type = type;
    const std::string file = path("t" + std::to_string(type) + ".cdl");
    ASSERT_TRUE(save_cad(file));
    EXPECT_EQ(crlf_lines(file), (Lines{"VIEW   1,1,0,0,0,1,0,0,0,1"})) << type;
  }
}

TEST_F(CdlWriterTest, AFileThatCannotBeMadeGivesFalseAndKeepsTheName) {
  cdl_filename = "before";
  EXPECT_FALSE(write_cdl(path("none/x.cdl")));
  std::filesystem::create_directory(path("dir.cdl"));
  EXPECT_FALSE(write_cdl(path("dir.cdl")));
  EXPECT_EQ(cdl_filename, "before");
  EXPECT_TRUE(std::filesystem::is_directory(path("dir.cdl")));
}

TEST_F(CdlWriterTest, AFailedWriteLeavesTheOldFile) {
  const std::string file = write_file("old.cdl", "POINT 1,1,1,1,1\r\n");
  for (int i = 0; i < 2000; ++i)
    add(kLine, {1, 2, 3, 4, 5, 6}, clRed, 1, 1, 0);
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = write_cdl(file);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(written);
  EXPECT_EQ(read_file(file), "POINT 1,1,1,1,1\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("")), {}), 1);
}
