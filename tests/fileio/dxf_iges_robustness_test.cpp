// Damaged, hostile and foreign files for the DXF and IGES readers: never a crash or a hang, and
// the drawing consistent afterwards.
#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/dxf.h"
#include "fileio/iges.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

struct Format {
  const char* name;
  bool (*read)(const std::string&);
  bool (*write)(const std::string&);
};

const Format kDxf{"dxf", read_dxf2, write_dxf};
const Format kIges{"igs", read_iges, write_iges};

// Every stored element is one a reader can make, with finite values, and the table and the
// extents agree with the store.
void expect_consistent() {
  ASSERT_LT(static_cast<std::size_t>(last_element_number), element_handle.size());
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->element_type == kNoElement) continue;
    EXPECT_TRUE(e->element_type >= kPoint && e->element_type <= kArc) << n;
    EXPECT_TRUE(e->layer >= 1 && e->layer <= 254) << n;
    EXPECT_TRUE(e->view >= 0 && e->view <= kArcViews) << n;
    if (e->element_type == kArc) {
      // An IGES entry without its parameter record keeps view 0.
      EXPECT_TRUE(e->view == 0 || arc_view[e->view].defined) << n;
    }
    for (double v : e->values)
      EXPECT_TRUE(std::isfinite(v)) << n;
  }
  const bool empty = min_x == 900 && max_x == -900;
  EXPECT_TRUE(empty || (min_x <= max_x && min_x >= -10000 && max_x <= 10000));
}

// The elements of the drawing as values, to compare two reads.
std::vector<double> snapshot() {
  std::vector<double> out;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->element_type == kNoElement) continue;
    out.insert(out.end(), {double(n), double(e->element_type), double(e->color), double(e->layer),
                           double(e->line_type), double(e->view)});
    out.insert(out.end(), e->values, e->values + 6);
  }
  return out;
}

// The file's text cut into lines, each with its line end.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size() - 1);
    lines.push_back(text.substr(start, end + 1 - start));
    start = end + 1;
  }
  return lines;
}

class ExchangeRobustnessTest : public FileioTest, public ::testing::WithParamInterface<Format> {
 protected:
  bool read(const std::string& file) { return GetParam().read(file); }

  // A written drawing of every kind, a closed polyline added to the DXF file; its text.
  std::string sample() {
    make_element(get_new_element_number(), kPoint, 1, 2, 3, 0, 0, 0, clRed, 0, 2, 0, 1);
    make_element(get_new_element_number(), kLine, 0, 0, 0, 4, 5, 6, clBlue, 2, 3, 0, 1);
    make_element(get_new_element_number(), kArc, 1, 1, 0, 2, 30, 200, clAqua, 1, 4, 0, 1);
    make_element(get_new_element_number(), kCircle, 5, 5, 0, 1, 0, 0, clLime, 1, 5, 0, 1);
    const std::string file = path(std::string("sample.") + GetParam().name);
    EXPECT_TRUE(GetParam().write(file));
    std::string text = read_file(file);
    if (GetParam().read == read_dxf2) {
      text.insert(
          text.find("ENDSEC"),
          "POLYLINE\r\n70\r\n1\r\n0\r\nVERTEX\r\n10\r\n1\r\n20\r\n1\r\n0\r\nVERTEX\r\n"
          "10\r\n2\r\n20\r\n1\r\n0\r\nVERTEX\r\n10\r\n2\r\n20\r\n2\r\n0\r\nSEQEND\r\n0\r\n");
    }
    destroy_all_elements();
    return text;
  }
};

TEST_P(ExchangeRobustnessTest, MissingFilesAndFoldersReturnFalseAndKeepTheDrawing) {
  make_element(get_new_element_number(), kPoint, 1, 2, 3, 0, 0, 0, clRed, 0, 2, 0, 1);
  EXPECT_FALSE(read(path("none")));
  EXPECT_FALSE(read(path("")));
  EXPECT_FALSE(read(path("no/folder/file")));
  EXPECT_EQ(live_elements(), 1);
  EXPECT_FALSE(cdlinfile.IsOpen());
}

TEST_P(ExchangeRobustnessTest, AnEmptyFileGivesAnEmptyDrawing) {
  make_element(get_new_element_number(), kPoint, 1, 2, 3, 0, 0, 0, clRed, 0, 2, 0, 1);
  ASSERT_TRUE(read(write_file("empty", "")));
  EXPECT_EQ(live_elements(), 0);
  EXPECT_EQ(min_x, 900);
  EXPECT_EQ(max_x, -900);
  EXPECT_FALSE(cdlinfile.IsOpen());
}

TEST_P(ExchangeRobustnessTest, TheSampleReadsCompletelyAndEveryCutOfItReadsAPart) {
  const std::vector<std::string> lines = lines_of(sample());
  std::string whole;
  for (const std::string& line : lines)
    whole += line;
  ASSERT_TRUE(read(write_file("whole", whole)));
  // DXF: point, line, arc, circle and three polyline sides; IGES: no circle.
  const int full = GetParam().read == read_dxf2 ? 7 : 3;
  EXPECT_EQ(live_elements(), full);
  std::string prefix;
  for (const std::string& line : lines) {
    ASSERT_TRUE(read(write_file("cut", prefix)));
    EXPECT_LE(live_elements(), full) << prefix.size();
    expect_consistent();
    prefix += line;
  }
}

TEST_P(ExchangeRobustnessTest, RandomBytesAndShuffledRecordsLeaveAConsistentDrawing) {
  const std::vector<std::string> lines = lines_of(sample());
  std::mt19937 random(20240601);
  for (int round = 0; round < 60; ++round) {
    std::string text;
    if (round % 2 == 0) {
      const std::size_t size = random() % 4096;
      for (std::size_t i = 0; i < size; ++i)
        text += static_cast<char>(random());
    } else {
      for (std::size_t i = 0; i < lines.size() * 2; ++i)
        text += lines[random() % lines.size()];
    }
    ASSERT_TRUE(read(write_file("random", text))) << round;
    expect_consistent();
  }
}

TEST_P(ExchangeRobustnessTest, ATenMegabyteLineIsReadPastAndTheRestOfTheFileStillReads) {
  const std::vector<std::string> lines = lines_of(sample());
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 3) text += std::string(10 << 20, '7') + "\r\n";
    text += lines[i];
  }
  ASSERT_TRUE(read(write_file("long", text)));
  EXPECT_GE(live_elements(), 3);
  expect_consistent();
}

TEST_P(ExchangeRobustnessTest, NulBytesHugeNumbersAndNanReadAsZero) {
  using namespace std::string_literals;
  // A point at (1e400, NaN, 3) with a NUL after its colour number, and a keyword broken by a
  // NUL; IGES records padded to 80 columns.
  const auto iges = [](std::string data, const std::string& right) {
    return data + std::string(80 - data.size() - right.size(), ' ') + right + "\r\n";
  };
  const std::string text =
      GetParam().read == read_dxf2
          ? "0\r\nPOINT\r\n10\r\n1e400\r\n20\r\nNaN\r\n30\r\n3\r\n62\r\n1\0\r\n0\r\n"
            "LI\0NE\r\n10\r\n1\r\n0\r\nEOF\r\n"s
          : iges("     116       2       1       1       0       0       0        00000000",
                 "D0000001") +
                iges("     116       0    \0  2       1       1"s, "D0000002") +
                iges("116,1e400,NaN,3.,\0;"s, "       1P0000001") +
                iges("116,1e400,NaN,3.;", "       1P0000002");
  ASSERT_TRUE(read(write_file("nul", text)));
  expect_consistent();
  ASSERT_EQ(live_elements(), 1);
  const TElement* point = lock_element(last_element_number);
  ASSERT_NE(point, nullptr);
  EXPECT_EQ(point->element_type, kPoint);
  EXPECT_EQ(point->values[0], 0);  // 1e400
  EXPECT_EQ(point->values[1], 0);  // NaN
  EXPECT_EQ(point->values[2], 3);
  // The colour number holding a NUL reads 0: black, silver for DXF on the black background.
  EXPECT_EQ(point->color, GetParam().read == read_dxf2 ? clSilver : clBlack);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExchangeRobustnessTest, ::testing::Values(kDxf, kIges),
                         [](const auto& info) { return std::string(info.param.name); });

// The foreign drawings are not part of the repository: without them these tests are skipped.
class ExchangeCorpusTest : public FileioTest {
 protected:
  void SetUp() override {
    FileioTest::SetUp();
    if (!std::filesystem::is_directory(kCorpus)) GTEST_SKIP() << "no corpus at " << kCorpus;
  }
  static inline const std::string kCorpus = ORVANE_CORPUS_DIR;
};

TEST_F(ExchangeCorpusTest, EveryForeignFileLoadsTheSameDrawingTwiceWithAPlausibleCount) {
  int files = 0;
  for (const char* folder : {"dxf", "iges"}) {
    const auto reader = std::string(folder) == "dxf" ? read_dxf2 : read_iges;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus + "/" + folder)) {
      const std::string file = entry.path().string();
      startup();
      ASSERT_TRUE(reader(file)) << file;
      expect_consistent();
      const std::vector<double> first = snapshot();
      ASSERT_TRUE(reader(file)) << file;
      EXPECT_EQ(snapshot(), first) << file;
      // Every DXF element needs at least two lines of the file (IGES curves become many lines).
      if (reader == read_dxf2) {
        EXPECT_LE(live_elements() * 2, static_cast<int>(lines_of(read_file(file)).size())) << file;
      }
      ++files;
    }
  }
  EXPECT_GE(files, 60);
}

TEST_F(ExchangeCorpusTest, KnownForeignFilesGiveTheirEntities) {
  struct Known {
    std::string file;
    int count;  // elements read
    int n;      // an element and its values
    std::vector<double> values;
  };
  const std::vector<Known> known = {
      {"dxf/deb-openscad__testdata_arc.dxf", 3, 1, {0, 0, 0, 100, 0, 90}},
      {"dxf/ezdxf__R12_with_trash_beyond_EOF.dxf", 1, 1, {0, 0, 0, 1.5, 0, 360}},
      {"iges/pyiges-bench__116-000.igs", 1, 1, {18, 15.25, 0, 0, 0, 0}},
      {"iges/pyiges-bench__f110x.igs", 2, 2, {4.099, 2.2049, 0, 5.224, 1.2049, 0}},
      // The second point's comment runs over three records; the third point is the third element.
      {"iges/occt-github__bug27069_points-with-comments.igs", 3, 3, {30, 40, 50, 0, 0, 0}}};
  for (const Known& k : known) {
    const std::string file = kCorpus + "/" + k.file;
    ASSERT_TRUE(k.file[0] == 'd' ? read_dxf2(file) : read_iges(file)) << file;
    EXPECT_EQ(live_elements(), k.count) << file;
    const TElement& e = element(k.n);
    EXPECT_EQ(std::vector<double>(e.values, e.values + 6), k.values) << file;
    EXPECT_EQ(e.layer, 1) << file;
  }
  EXPECT_TRUE(metric_machine);  // the last file's units are millimetres
}

}  // namespace

namespace {

struct End {
  double x, y, z;
};

// The ends of every live line, in number order.
std::vector<std::pair<End, End>> line_ends() {
  std::vector<std::pair<End, End>> out;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->deleted || e->element_type != kLine) continue;
    const double* v = e->values;
    out.push_back({{v[0], v[1], v[2]}, {v[3], v[4], v[5]}});
  }
  return out;
}

}  // namespace

// Points worked out by hand from the files' parameter data.
TEST_F(ExchangeCorpusTest, OtherProgramsIgesPlacesSubfiguresAndSplinesAsWorkedOutByHand) {
  // 124-001: an arrow of four lines (subfigure 308) placed by instance 408 through the matrix
  // rows (0 -1 0 | 4), (-1 0 0 | 9), (0 0 1 | 0): (0,-0.5,0) goes to (4.5, 9, 0).
  ASSERT_TRUE(read_iges(kCorpus + "/iges/pyiges-bench__124-001.igs"));
  const auto arrow = line_ends();
  ASSERT_EQ(arrow.size(), 4u);
  const End expected[4][2] = {{{4.5, 9, 0}, {3.5, 9, 0}},
                              {{4.5, 9, 0}, {4, 8.7, 0}},
                              {{4.5, 9, 0}, {4, 9.3, 0}},
                              {{4, 8.7, 0}, {4, 9.3, 0}}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(arrow[i].first.x, expected[i][0].x, 1e-12) << i;
    EXPECT_NEAR(arrow[i].first.y, expected[i][0].y, 1e-12) << i;
    EXPECT_NEAR(arrow[i].second.x, expected[i][1].x, 1e-12) << i;
    EXPECT_NEAR(arrow[i].second.y, expected[i][1].y, 1e-12) << i;
  }
  // f126x: a clamped cubic B-spline (knots 0,0,0,0,1/3,2/3,1,1,1,1) from its first control
  // point (-178, 109) to its last (-119, 138); its six control points as points, and as a
  // polyline of five lines (copious data, form 12).
  ASSERT_TRUE(read_iges(kCorpus + "/iges/pyiges-bench__f126x.igs"));
  const auto lines = line_ends();
  ASSERT_GT(lines.size(), 15u);
  const std::vector<std::pair<End, End>> chain(lines.begin(), lines.end() - 5);
  EXPECT_NEAR(chain.front().first.x, -178, 1e-9);
  EXPECT_NEAR(chain.front().first.y, 109, 1e-9);
  EXPECT_NEAR(chain.back().second.x, -119, 1e-9);
  EXPECT_NEAR(chain.back().second.y, 138, 1e-9);
  for (std::size_t i = 1; i < chain.size(); ++i) {  // one connected chain
    EXPECT_EQ(chain[i].first.x, chain[i - 1].second.x) << i;
    EXPECT_EQ(chain[i].first.y, chain[i - 1].second.y) << i;
  }
  const double polygon[6][2] = {{-178, 109}, {-166, 128}, {-144, 109},
                                {-109, 112}, {-106, 134}, {-119, 138}};
  for (int k = 0; k < 5; ++k) {
    const auto& l = lines[lines.size() - 5 + k];
    EXPECT_EQ(l.first.x, polygon[k][0]) << k;
    EXPECT_EQ(l.first.y, polygon[k][1]) << k;
    EXPECT_EQ(l.second.x, polygon[k + 1][0]) << k;
    EXPECT_EQ(l.second.y, polygon[k + 1][1]) << k;
  }
  EXPECT_EQ(live_elements(), static_cast<int>(lines.size()) + 6);
}
