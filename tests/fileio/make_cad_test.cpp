#include "fileio/make_cad.h"

#include "fileio/tvg_reader.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

using MakeCadTest = FileioTest;

TEST_F(MakeCadTest, AnEmptyNameGivesMinusOneAfterResettingTheArcViews) {
  arc_view[5].defined = true;
  arc_view[1].ax = 7;
  EXPECT_EQ(load("", 1), -1);
  EXPECT_FALSE(arc_view[2].defined);
  EXPECT_FALSE(arc_view[5].defined);
  EXPECT_TRUE(arc_view[1].defined);
  EXPECT_EQ(arc_view[1].ax, 1);
  EXPECT_EQ(arc_view[1].by, 1);
  EXPECT_EQ(arc_view[1].cz, 1);
  EXPECT_EQ(arc_view[1].ay, 0);
}

TEST_F(MakeCadTest, UnknownTypesReadCdlAndBecomeType1) {
  const std::string file = write_file("p.cdl", "POINT 1,1,1,1,1\r\n");
  for (int type : {0, 5, -1}) {
    EXPECT_EQ(load(file, type), 0);
    EXPECT_EQ(cad_type, 1);
    EXPECT_EQ(live_elements(), 1);
  }
}

TEST_F(MakeCadTest, MergingAlsoForgetsTheArcViewsOfEarlierFiles) {
  ASSERT_EQ(load(write_file("v.cdl", "VIEW 8,1,0,0,0,1,0,0,0,1\r\n"), 1), 0);
  EXPECT_TRUE(arc_view[8].defined);
  ASSERT_EQ(load(write_file("e.cdl", ""), 1, true), 0);
  EXPECT_FALSE(arc_view[8].defined);
}

TEST_F(MakeCadTest, TvgResultsBecomeMinusOneOnFailureAndZeroAfterReading) {
  EXPECT_EQ(load(path("missing.tvg"), 4), -1);
  EXPECT_EQ(read_tvg4(path("missing.tvg")), 2);
  EXPECT_EQ(load(write_file("e.tvg", "nothing here\r\n"), 4), 0);
}

TEST_F(MakeCadTest, CdlReadingDoesNotChangeTheFileName) {
  cdl_filename = "before";
  ASSERT_EQ(load(write_file("p.cdl", "POINT 1,1,1,1,1\r\n"), 1), 0);
  EXPECT_EQ(cdl_filename, "before");
}
