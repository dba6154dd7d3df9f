#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "core/colors.h"
#include "fileio/iges.h"
#include "fileio/numbers.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

int make(uint8_t type, std::vector<double> g, TColor color = clLime, int layer = 1,
         int line_type = 1) {
  g.resize(6);
  return make_element(get_new_element_number(), type, g[0], g[1], g[2], g[3], g[4], g[5], color,
                      line_type, layer, 0, 1);
}

// A record as the layout says: data padded so that right ends in column 80.
std::string record(const std::string& left, const std::string& right) {
  return left + std::string(80 - left.size() - right.size(), ' ') + right;
}

const std::string kMatrixD1 =
    "     124       1       1       1       1               0        00000000";
const std::string kMatrixD2 = "     124       0       3       1";
const std::string kMatrixP1 = "124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;";

}  // namespace

using IgesWriterTest = FileioTest;

TEST_F(IgesWriterTest, AnEmptyDrawingWritesStartGlobalMatrixAndTerminate) {
  const std::string file = path("empty.igs");
  ASSERT_TRUE(write_iges(file));
  const std::string name = file.size() > 70 ? file.substr(file.size() - 70) : file;
  const std::vector<std::string> expected = {
      record(name, "S0000001"),
      record("1H,,1H;,,,6HTAVREN,1H1,16,8,24,8,56,,1.,1,4HINCH,1,0.01,", "G0000001"),
      record("13H850101.010000,1.000000000E-04,100.,,;", "G0000002"),
      record(kMatrixD1, "D0000001"),
      record(kMatrixD2, "D0000002"),
      record(kMatrixP1, "       1P0000001"),
      record("S0000001G0000002D0000002P0000001", "T0000001")};
  EXPECT_EQ(crlf_lines(file), expected);
}

TEST_F(IgesWriterTest, ALineGetsDirectoryRecordsThreeAndFourAndParameterRecordTwo) {
  make(kLine, {0, 0, 0, 10, 5.5, -0.125}, clGreen, 7, 2);
  make(kCircle, {1, 1, 0, 1});
  const int deleted = make(kPoint, {1, 2, 3});
  lock_element(deleted)->deleted = true;
  metric_machine = true;
  ASSERT_TRUE(write_iges(path("line.igs")));
  const std::vector<std::string> lines = crlf_lines(path("line.igs"));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[1], record("1H,,1H;,,,6HTAVREN,1H1,16,8,24,8,56,,1.,2,2HMM,1,0.01,", "G0000001"));
  EXPECT_EQ(lines[5],
            record("     110       2       1       2       0       0       0        00000000",
                   "D0000003"));
  EXPECT_EQ(lines[6], record("     110       0       3       1       7", "D0000004"));
  EXPECT_EQ(lines[8], record("110,.0,.0,.0,10.0,5.5,-.125;", "       3P0000002"));
  EXPECT_EQ(lines[9], record("S0000001G0000002D0000004P0000002", "T0000001"));
}

TEST_F(IgesWriterTest, LongParameterDataContinuesOnFurtherRecordsOfEightyColumns) {
  make(kArc, {123456789.125, -223456789.125, 323456789.125, 400000000, 0, 90});
  // A host may store an x beyond the element limit; its 301 digits need several records.
  lock_element(make(kPoint, {1, 2, 3}))->values[0] = 1e300;
  ASSERT_TRUE(write_iges(path("long.igs")));
  const std::vector<std::string> lines = crlf_lines(path("long.igs"));
  ASSERT_EQ(lines.size(), 19u);
  for (const std::string& line : lines)
    EXPECT_EQ(line.size(), 80u) << line;
  // Directory: each entry points to its first parameter record and counts its records.
  EXPECT_EQ(lines[5].substr(0, 16), "     100       2");
  EXPECT_EQ(lines[6].substr(0, 32), "     100       0       3       2");
  EXPECT_EQ(lines[7].substr(0, 16), "     116       4");
  EXPECT_EQ(lines[8].substr(0, 32), "     116       0       3       6");
  // The arc's data breaks after the comma that ends xs (column 61).
  EXPECT_EQ(lines[10].substr(0, 64),
            "100,323456789.125,123456789.125,-223456789.125,523456789.125,   ");
  EXPECT_EQ(lines[10].substr(64), "       3P0000002");
  EXPECT_EQ(lines[11].substr(64), "       3P0000003");
  EXPECT_EQ(lines[12].substr(0, 4), "116,");
  EXPECT_EQ(lines[13].substr(0, 17), "10000000000000000");  // the number is cut mid-way
  EXPECT_EQ(lines[13].substr(0, 64).find_first_of(", "), std::string::npos);
  for (int i = 12; i <= 17; ++i)
    EXPECT_EQ(lines[i].substr(64, 9), "       5P") << i;
  EXPECT_EQ(lines[18].substr(0, 32), "S0000001G0000002D0000006P0000009");
}

TEST_F(IgesWriterTest, ColoursWriteAsTheEightIgesNumbersAndPaddingNeverCuts) {
  const std::vector<std::pair<TColor, int>> table = {
      {clBlack, 0}, {clRed, 2},    {clMaroon, 2}, {clLime, 3},    {clGreen, 3},  {clBlue, 4},
      {clNavy, 4},  {clYellow, 5}, {clOlive, 5},  {clFuchsia, 6}, {clPurple, 6}, {clAqua, 7},
      {clTeal, 7},  {clWhite, 8},  {clSilver, 8}, {clGray, 8},    {clDarkRed, 3}};
  for (const auto& [color, number] : table)
    EXPECT_EQ(get_iges_color(color), number) << color;
  EXPECT_EQ(zero_pad(42, 7), "0000042");
  EXPECT_EQ(zero_pad(123456789, 7), "123456789");
  EXPECT_EQ(blanks(3), "   ");
  EXPECT_EQ(blanks(-1), "");
}

TEST_F(IgesWriterTest, AFailedWriteReturnsFalseAndKeepsTheOldFileAndName) {
  const std::string old = write_file("old.igs", "old contents");
  for (int i = 0; i < 200; ++i)
    make(kLine, {1, 2, 3, 4, 5, 6});
  // A file size limit makes the writes fail after 4 KB.
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  cdl_filename = "before";
  const bool written = write_iges(old);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(written);
  EXPECT_EQ(read_file(old), "old contents");
  EXPECT_EQ(cdl_filename, "before");
}

namespace {

// The model-space point of an arc element at an angle, through its arc view.
std::vector<double> arc_model_point(const TElement& e, double degrees) {
  const view_entry& w = arc_view[e.view];
  const double u = e.values[0] + e.values[3] * std::cos(degrees * M_PI / 180);
  const double v = e.values[1] + e.values[3] * std::sin(degrees * M_PI / 180);
  const double d = e.values[2];
  return {w.ax * u + w.ay * v + w.az * d, w.bx * u + w.by * v + w.bz * d,
          w.cx * u + w.cy * v + w.cz * d};
}

void expect_point(const std::vector<double>& a, const std::vector<double>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i)
    EXPECT_NEAR(a[i], b[i], 1e-4) << i;
}

}  // namespace

// View 5 here is the front plane: u = x, v = z, normal -y. An arc about (1, 2, 3) of radius 2
// in it starts at u = 3, v = 2, d = 3, which is the model point (3, -3, 2).
TEST_F(IgesWriterTest, ArcsOfOtherViewsTravelWithTheViewsMatrixAndReadBackInTheirPlane) {
  view_entry front;
  front.ax = 1;
  front.cy = 1;
  front.bz = -1;
  front.defined = true;
  arc_view[5] = front;
  make(kLine, {0, 0, 0, 1, 1, 1});
  make(kArc, {0, 0, 0, 1, 0, 90});
  make_element(get_new_element_number(), kArc, 1, 2, 3, 2, 0, 90, clLime, 1, 1, 0, 5);
  ASSERT_TRUE(write_iges(path("v.igs")));
  const std::vector<std::string> lines = crlf_lines(path("v.igs"));
  // Every record 80 columns, each section numbered from 1 without gaps.
  std::map<char, int> last;
  for (const std::string& l : lines) {
    ASSERT_EQ(l.size(), 80u) << l;
    EXPECT_EQ(std::stoi(l.substr(73)), ++last[l[72]]) << l;
  }
  EXPECT_EQ(last['D'], 10);
  const std::string& t = lines.back();
  EXPECT_EQ(t.substr(16, 8), "D0000010");
  EXPECT_EQ(std::stoi(t.substr(25, 7)), last['P']);
  // The tilted arc (directory 7) points to the matrix at directory 9, whose subscript is 5.
  EXPECT_EQ(lines[1 + 2 + 6].substr(48, 8), "       9");
  EXPECT_EQ(lines[1 + 2 + 8].substr(0, 8), "     124");
  EXPECT_EQ(lines[1 + 2 + 9].substr(64, 8), "       5");
  const int p = std::stoi(lines[1 + 2 + 8].substr(8, 8));
  std::string expected = "124";
  for (double v : {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0})
    expected += "," + str_real(v);
  const std::string& matrix = lines[1 + 2 + 10 + p - 1];
  EXPECT_EQ(matrix.substr(0, expected.size() + 1), expected + ";");
  EXPECT_EQ(matrix.substr(64, 8), "       9");

  // Read back here: same numbers, the arc in view 5 with the same rotation.
  ASSERT_EQ(load(path("v.igs"), 3), -1);
  ASSERT_EQ(live_elements(), 3);
  EXPECT_EQ(element(3).view, 1);
  const TElement& tilted = element(4);
  EXPECT_EQ(tilted.view, 5);
  EXPECT_EQ(arc_view[5].bz, -1);
  EXPECT_EQ(arc_view[5].cy, 1);
  expect_point(arc_model_point(tilted, tilted.values[4]), {3, -3, 2});

  // Read as another program's file, by the rules of the format alone.
  std::string text = read_file(path("v.igs"));
  text.replace(text.find("6HTAVREN"), 8, "6HOTHERS");
  ASSERT_EQ(load(write_file("o.igs", text), 3), -1);
  bool found = false;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->element_type != kArc || e->view == 1) continue;
    found = true;
    expect_point(arc_model_point(*e, e->values[4]), {3, -3, 2});
    expect_point(arc_model_point(*e, e->values[5]), {1, -3, 4});
  }
  EXPECT_TRUE(found);
}

namespace {

// The parameter records of a written file (section letter P), whole.
std::vector<std::string> parameter_records(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& l : lines) {
    if (l.size() > 72 && l[72] == 'P') out.push_back(l);
  }
  return out;
}

}  // namespace

// Arc end points are written from angles and read back as angles from rounded points: saving a
// drawing read from a file written here must give that file again, values and numbers alike.
TEST_F(IgesWriterTest, SavingWhatWasReadWritesTheSameFileAgain) {
  for (int i = 0; i < 400; ++i) {
    const double x = 182.18291234 + i * 1.37, y = -45.123456 + i * 0.71;
    make(kArc, {x, y, i * 0.3, 0.25 + i * 0.173, i * 7.31, i * 7.31 + 20 + i % 300});
    if (i % 7 == 0) make(kLine, {x, y, 0, y, x, 1.23456789});
    if (i % 11 == 0) make(kPoint, {x / 3, y / 7, 1.0 / 3});
  }
  make(kArc, {1.23456, 2, 0, 3.33333, 0, 360});
  ASSERT_TRUE(write_iges(path("a.igs")));
  ASSERT_EQ(load(path("a.igs"), 3), -1);
  std::vector<std::pair<int, TElement>> first;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e != nullptr && !e->deleted) first.emplace_back(n, *e);
  }
  ASSERT_EQ(first.size(), 400u + 58 + 37 + 1);
  ASSERT_TRUE(write_iges(path("b.igs")));
  ASSERT_EQ(load(path("b.igs"), 3), -1);
  ASSERT_TRUE(write_iges(path("c.igs")));

  const auto a = parameter_records(crlf_lines(path("a.igs")));
  const auto b = parameter_records(crlf_lines(path("b.igs")));
  EXPECT_EQ(a, b);
  EXPECT_EQ(b, parameter_records(crlf_lines(path("c.igs"))));
  // The second reading has the same elements under the same numbers with the same values.
  std::size_t k = 0;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->deleted) continue;
    ASSERT_LT(k, first.size());
    const auto& [number, f] = first[k++];
    EXPECT_EQ(n, number);
    EXPECT_EQ(e->element_type, f.element_type);
    for (int v = 0; v < 6; ++v)
      EXPECT_EQ(e->values[v], f.values[v]) << "element " << n << " value " << v;
  }
  EXPECT_EQ(k, first.size());
}
