// Damaged and hostile CDL and TVG files: every read ends, and the drawing stays consistent.
#include <cmath>
#include <random>

#include "fileio/make_cad.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

const char* const kCdlSample =
    "VIEW   5,0,1,0,0,0,1,1,0,0\r\n"
    "LINE   .0,.0,.0,10.0,5.5,-.125,1,1,1,1\r\n"
    "ARC    1.0,2.0,3.0,4.0,30.0,120.25,5,8,200,2,1\r\n"
    "CIRCLE 1.0,2.0,3.0,4.0,6,10,1,1,,1\r\n"
    "POINT  1.5,-2.0,.0,12,7,0\r\n"
    "VLINE  1,2,3,4,5,6,2,3,4,1\r\n"
    "VPOINT 7,8,9,2,11,6\r\n"
    "LINE   1,1,1,2,2,2,4,4,1,1\r\n";

const char* const kTvgSample =
    "Drawing & Dimension\r\nheader\r\n"
    "OBJ Line\r\n-\r\n0,0,0,0,24.4,0;\r\n0,0,0,0,48.8,24.4;\r\n"
    "OBJ Circle\r\n-\r\n0,0,0,0,0,0;\r\n0,0,0,0,24.4,0;\r\n"
    "OBJ CircArc\r\n-\r\n0,0,0,0,0,0;\r\n0,0,0,0,24.4,0;\r\n0,0,0,0,24.4,1;\r\n"
    "0,0,0,0,1,24.4;\r\n0,0,0,0,-1,0;\r\n"
    "OBJ Surface\r\n0,1,0,0,0,0;\r\n0,9,0,0,0,0;\r\n0,2,0,0,24.4,0;\r\n0,999,0,0,0,0;\r\n"
    "OBJ Curve\r\n0,1,0,0,0,0;\r\n0,2,0,0,24.4,0;\r\n0,9,0,0,24.4,24.4;\r\n"
    "0,102,0,0,1,0.5;\r\n0,999,0,0,0,0;\r\n";

class RobustnessTest : public FileioTest, public ::testing::WithParamInterface<int> {
 protected:
  int type() const { return GetParam(); }
  std::string sample() const { return type() == 1 ? kCdlSample : kTvgSample; }

  // Reads bytes as the case's format; the result is that of make_cad.
  int read(const std::string& bytes) {
    static int files = 0;
    return load(write_file("f" + std::to_string(++files), bytes), type());
  }

  // Every stored element is one the readers make, with finite values within the store's range,
  // and the file is closed again.
  static void expect_consistent() {
    EXPECT_FALSE(cdlinfile.IsOpen());
    ASSERT_LT(last_element_number, static_cast<int>(element_handle.size()));
    for (int n = 1; n <= last_element_number; ++n) {
      const TElement* e = lock_element(n);
      if (e == nullptr || (n == 1 && e->element_type == kNoElement)) continue;
      ASSERT_TRUE(e->element_type >= kPoint && e->element_type <= kArc) << n;
      for (double v : e->values)
        ASSERT_TRUE(std::isfinite(v)) << n;
      for (int i : {0, 1, 3})
        ASSERT_LE(std::abs(e->values[i]), max_element_value) << n;
      ASSERT_TRUE(e->layer >= 1 && e->layer <= 254) << n;
    }
    for (double v : {min_x, min_y, max_x, max_y})
      EXPECT_TRUE(std::isfinite(v));
  }
};

TEST_P(RobustnessTest, MissingFilesAndFoldersChangeNothing) {
  ASSERT_EQ(read(sample()), 0);
  const int before = live_elements();
  ASSERT_GT(before, 0);
  EXPECT_NE(load(path("missing"), type()), 0);
  EXPECT_NE(load(path(""), type()), 0);
  EXPECT_NE(load(path("no/such/folder"), type()), 0);
  EXPECT_EQ(live_elements(), before);
  expect_consistent();
}

TEST_P(RobustnessTest, AnEmptyFileGivesAnEmptyDrawing) {
  ASSERT_EQ(read(sample()), 0);
  EXPECT_EQ(read(""), 0);
  EXPECT_EQ(live_elements(), 0);
  expect_consistent();
}

TEST_P(RobustnessTest, AFileCutAtEveryByteReadsItsWholeRecords) {
  const std::string whole = sample();
  // Elements made by the CDL sample's records up to and including record k.
  const int cdl_made[] = {0, 1, 2, 3, 4, 5, 6, 7};
  int record = 0;
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    ASSERT_EQ(read(whole.substr(0, cut)), 0);
    expect_consistent();
    if (type() == 1 && cut < whole.size() && whole[cut] == '\r') {
      EXPECT_EQ(live_elements(), cdl_made[record]) << "cut after record " << record + 1;
      ++record;
    }
  }
  EXPECT_EQ(live_elements(), 7);
}

TEST_P(RobustnessTest, RandomBytesEndTheReadWithAConsistentDrawing) {
  std::mt19937 random(12345);
  const std::string alphabet =
      "VIEWSPLINEARCIRCLEOBJ Surface Curve Line CircArc,;.-+eD0123456789\r\n";
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 4000, ' ');
    for (char& c : bytes) {
      c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    }
    if (round % 3 == 0) bytes = sample() + bytes + sample();
    ASSERT_EQ(read(bytes), 0);
    expect_consistent();
  }
}

TEST_P(RobustnessTest, TenMegabyteLinesAreReadWhole) {
  const std::string many_fields = "LINE OBJ Line 1" + std::string(10'000'000, ',') + "\r\n";
  ASSERT_EQ(read(many_fields + sample()), 0);
  expect_consistent();
  const std::string one_number = "POINT 1" + std::string(10'000'000, '7') + ",2,3,1,1\r\n";
  ASSERT_EQ(read(one_number + sample()), 0);
  expect_consistent();
  EXPECT_GE(live_elements(), 7);
}

TEST_P(RobustnessTest, NulBytesOverflowAndNanFieldsReadAsZero) {
  const std::string cdl = std::string("POINT  1,2\0,3,1,1\r\n", 19) +
                          "LINE   1e400,NaN,-inf,1,1,1,1,1,1\r\n"
                          "ARC    0,0,0,1e400,NaN,1D400,1e400,1,1,1\r\n"
                          "CIRCLE 0,0,0,NaN,1,1,1,1\r\n"
                          "POINT  1e308,1,1,1e300,-1e300\r\n";
  const std::string tvg = std::string("OBJ Line\r\n-\r\n0,0,0,0,1\0,24.4;\r\n", 30) +
                          "0,0,0,0,1e400,NaN;\r\n"
                          "OBJ Circle\r\n-\r\n0,0,0,0,1e308,1e308;\r\n0,0,0,0,-1e308,0;\r\n"
                          "OBJ Curve\r\n0,1,0,0,1e300,1e300;\r\n0,9,0,0,NaN,0;\r\n"
                          "0,102,0,0,1e308,1e308;\r\n0,2e300,0,0,0,0;\r\n0,999;\r\n";
  ASSERT_EQ(read(type() == 1 ? cdl : tvg), 0);
  expect_consistent();
  if (type() == 1) {
    ASSERT_EQ(live_elements(), 2);
    EXPECT_EQ(element(1).values[1], 0);  // "2\0" is no number
    EXPECT_EQ(element(1).values[2], 3);
    for (double v : element(2).values)
      EXPECT_EQ(v, v == 1 ? 1 : 0);
  }
}

INSTANTIATE_TEST_SUITE_P(CdlAndTvg, RobustnessTest, ::testing::Values(1, 4),
                         [](const auto& info) { return info.param == 1 ? "Cdl" : "Tvg"; });

}  // namespace
