#include "fileio/make_cad.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "fileio/load_report.h"
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

TEST_F(MakeCadTest, LinesOverTheFormatsCapAreLeftOutAndCounted) {
  const std::string long_record = "POINT 1," + std::string(kCdlMaxLine, '5') + ",1,1,1";
  const std::string at_cap = "POINT 3,3,3,1,1" + std::string(kCdlMaxLine - 15, ' ');
  const std::string file =
      write_file("long.cdl", "POINT 1,1,1,1,1\r\n" + long_record + "\r\n" + at_cap + "\r\n");
  ASSERT_EQ(load(file, 1), 0);
  EXPECT_EQ(live_elements(), 2);
  EXPECT_EQ(load_report.left_out_count(kLongLine, LeftOut::kDamaged), 1);

  // DXF: a value over the cap (a layer name) is read as empty; the pairs stay in step.
  const std::string dxf = "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n" +
                          std::string(kDxfMaxLine + 1, 'L') +
                          "\n10\n0\n20\n0\n11\n5\n21\n5\n0\nLINE\n8\nA\n10\n1\n20\n1\n11\n2\n21\n"
                          "2\n0\nENDSEC\n0\nEOF\n";
  load(write_file("long.dxf", dxf), 2);
  EXPECT_EQ(load_report.left_out_count(kLongLine, LeftOut::kDamaged), 1);
  EXPECT_GE(live_elements(), 1);
}

TEST_F(MakeCadTest, AFileWithoutLineEndsCostsTheCapNotTheFile) {
  // 256 MB with no line end, sparse so that it takes no disk; read in a child process so that
  // its peak memory is its own.
  const std::string file = path("flat.cdl");
  { std::ofstream(file, std::ios::binary) << ""; }
  ASSERT_EQ(truncate(file.c_str(), std::int64_t{256} << 20), 0);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    struct rusage before, after;
    getrusage(RUSAGE_SELF, &before);
    cad_type = 1;
    make_cad(file);
    getrusage(RUSAGE_SELF, &after);
    const long grown_kb = after.ru_maxrss - before.ru_maxrss;
    const long reported = static_cast<long>(load_report.left_out_count(kLongLine));
    const long result[2] = {grown_kb, reported};
    _exit(write(out[1], result, sizeof result) == sizeof result ? 0 : 1);
  }
  close(out[1]);
  long result[2] = {-1, -1};
  EXPECT_EQ(read(out[0], result, sizeof result), static_cast<ssize_t>(sizeof result));
  close(out[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_LT(result[0], 16 * 1024) << "kB more at the peak";
  EXPECT_EQ(result[1], 1);
}

TEST_F(MakeCadTest, EachLoadTakesItsFilesUnitsOrTheDefaultAndAFailedOneKeepsThem) {
  const std::string metric_dxf = write_file(
      "mm.dxf", "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nPOINT\n0\nEOF\n");
  const std::string cdl = write_file("p.cdl", "POINT 1,1,1,1,1\r\n");
  ASSERT_EQ(load(metric_dxf, 2), -1);
  EXPECT_TRUE(metric_machine);
  EXPECT_EQ(load(path("missing.cdl"), 1), kIoFileNotFound);
  EXPECT_TRUE(metric_machine);  // nothing was loaded
  ASSERT_EQ(load(metric_dxf, 2), -1);
  ASSERT_EQ(load(cdl, 1, true), 0);
  EXPECT_TRUE(metric_machine);  // a merge keeps the drawing's units
  ASSERT_EQ(load(cdl, 1), 0);
  EXPECT_FALSE(metric_machine);  // a CDL file names none
  metric_machine = true;
  ASSERT_EQ(load(write_file("in.dxf", "0\nPOINT\n0\nEOF\n"), 2), -1);
  EXPECT_FALSE(metric_machine);
}
