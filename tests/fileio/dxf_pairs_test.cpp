// DXF files as group-code/value pairs: the text layout with its line ends, padding and numbers,
// the two binary layouts built byte by byte, damaged files, and binary files of other programs.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fileio/dxf_pairs.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

struct Pair {
  int code;
  std::string text;
  double number;
  bool number_ok;
};

struct Pairs {
  std::vector<Pair> pairs;
  bool damaged = false;
};

Pairs read_pairs(const std::string& file) {
  int io_code = -1;
  auto source = open_dxf_pairs(file, io_code);
  EXPECT_NE(source, nullptr) << file;
  EXPECT_EQ(io_code, 0);
  Pairs out;
  if (source == nullptr) return out;
  DxfPair p;
  while (source->next(p))
    out.pairs.push_back({p.code, std::string(p.text), p.number, p.number_ok});
  out.damaged = source->damaged();
  return out;
}

std::vector<std::string> codes_and_texts(const Pairs& read) {
  std::vector<std::string> out;
  for (const Pair& p : read.pairs)
    out.push_back(std::to_string(p.code) + ":" + p.text);
  return out;
}

// Binary files built pair by pair; ends() are the offsets where a pair ends.
class BinaryDxf {
 public:
  explicit BinaryDxf(bool one_byte_codes) : one_byte_codes_(one_byte_codes) {
    bytes_.assign("AutoCAD Binary DXF\r\n\x1a\0", 22);
  }
  BinaryDxf& code(int c) {
    if (one_byte_codes_ && c < 255) return raw(c, 1);
    if (one_byte_codes_) raw(255, 1);
    return raw(static_cast<std::uint64_t>(c), 2);
  }
  BinaryDxf& str(const std::string& s) { return end_pair(bytes_.append(s).append(1, '\0')); }
  BinaryDxf& real(double v) { return end_pair(raw(std::bit_cast<std::uint64_t>(v), 8).bytes_); }
  BinaryDxf& integer(std::int64_t v, int size) {
    return end_pair(raw(static_cast<std::uint64_t>(v), size).bytes_);
  }
  BinaryDxf& chunk(const std::string& data) {
    raw(data.size(), 1);
    return end_pair(bytes_.append(data));
  }
  const std::string& bytes() const { return bytes_; }
  const std::vector<std::size_t>& ends() const { return ends_; }

 private:
  BinaryDxf& raw(std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i, v >>= 8)
      bytes_ += static_cast<char>(v & 0xFF);
    return *this;
  }
  BinaryDxf& end_pair(const std::string& bytes) {
    ends_.push_back(bytes.size());
    return *this;
  }
  bool one_byte_codes_;
  std::string bytes_;
  std::vector<std::size_t> ends_;
};

// One pair of every value type, in the order expected_pairs() gives.
BinaryDxf every_type(bool one_byte_codes) {
  BinaryDxf f(one_byte_codes);
  f.code(0).str("SECTION").code(2).str("ENTITIES").code(0).str("LINE");
  f.code(10).real(1.5).code(40).real(-0.25).code(62).integer(-3, 2).code(90).integer(-70000, 4);
  f.code(160).integer(5000000000, 8).code(290).integer(1, 1).code(310).chunk("\x01\xab\xff");
  f.code(1071).integer(123456, 4).code(0).str("EOF");
  return f;
}

const std::vector<std::string> kEveryTypeTexts = {
    "0:SECTION", "2:ENTITIES",     "0:LINE", "10:1.5",     "40:-0.25",    "62:-3",
    "90:-70000", "160:5000000000", "290:1",  "310:01ABFF", "1071:123456", "0:EOF"};

class DxfPairsTest : public FileioTest {};

TEST_F(DxfPairsTest, TextLineEndsPaddingAndBom) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    for (const std::string start : {"", "\xEF\xBB\xBF"}) {
      const std::string text = start + "  0" + end + "SECTION" + end + "\t2 " + end + "ENTITIES" +
                               end + "0" + end + "EOF" + end;
      const Pairs read = read_pairs(write_file("a.dxf", text));
      EXPECT_EQ(codes_and_texts(read),
                (std::vector<std::string>{"0:SECTION", "2:ENTITIES", "0:EOF"}));
      EXPECT_FALSE(read.damaged);
    }
  }
}

TEST_F(DxfPairsTest, TextValuesAndNumbers) {
  // Values are taken by position: "0" and "SECTION" under code 1 are names, not codes.
  const Pairs read = read_pairs(
      write_file("a.dxf",
                 "1\n  0\n1\nSECTION\n1\nNAME \t\n40\n 1.5D-3 \n10\n12abc\n20\n1e400\n30\nnan\n"
                 "70\n    12\n1\n42\n2000\n7\n"));
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(codes_and_texts(read),
            (std::vector<std::string>{"1:  0", "1:SECTION", "1:NAME", "40: 1.5D-3", "10:12abc",
                                      "20:1e400", "30:nan", "70:    12", "1:42", "2000:7"}));
  const std::vector<std::pair<double, bool>> numbers = {
      {0, false}, {0, false}, {0, false}, {0.0015, true}, {0, false},
      {0, false}, {0, false}, {12, true}, {0, false},     {7, true}};
  for (std::size_t i = 0; i < numbers.size() && i < read.pairs.size(); ++i) {
    EXPECT_EQ(read.pairs[i].number, numbers[i].first) << i;
    EXPECT_EQ(read.pairs[i].number_ok, numbers[i].second) << i;
  }
}

TEST_F(DxfPairsTest, TextEndsAndDamage) {
  struct Case {
    const char* text;
    std::size_t pairs;
    bool damaged;
  };
  const Case cases[] = {
      {"", 0, false},                         // empty file
      {"0\nLINE\n8\nA\n\n \n\n", 2, false},   // blank lines at the end
      {"0\nEOF\ntrash\nbeyond\n", 1, false},  // nothing after 0/EOF is read
      // A line where a code belongs that is not one is skipped: "1" then starts the next pair,
      // and "EOF" is skipped in turn.
      {"0\nLINE\nxyz\n1\n0\nEOF\n", 2, true},
      {"0\nLINE\n8 8\n1\n", 1, true},          // nor is this one; then a value is missing
      {"0\nLINE\n\n8\nA\n", 2, true},          // a blank code line inside the file
      {"0\nLINE\n99999999999\nA\n", 1, true},  // beyond the range of int
      {"0\nLINE\n8\n", 1, true},               // the last value is missing
  };
  for (const Case& c : cases) {
    const Pairs read = read_pairs(write_file("a.dxf", c.text));
    EXPECT_EQ(read.pairs.size(), c.pairs) << c.text;
    EXPECT_EQ(read.damaged, c.damaged) << c.text;
  }
  int io_code = 0;
  EXPECT_EQ(open_dxf_pairs(path("missing.dxf"), io_code), nullptr);
  EXPECT_EQ(io_code, 2);
}

TEST_F(DxfPairsTest, BinaryLayoutsDecodeEveryType) {
  for (bool one_byte_codes : {true, false}) {
    const Pairs read = read_pairs(write_file("b.dxf", every_type(one_byte_codes).bytes()));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(codes_and_texts(read), kEveryTypeTexts);
    const std::vector<double> numbers = {0, 0, 0, 1.5, -0.25, -3, -70000, 5e9, 1, 0, 123456, 0};
    for (std::size_t i = 0; i < numbers.size() && i < read.pairs.size(); ++i) {
      EXPECT_EQ(read.pairs[i].number, numbers[i]) << i;
      EXPECT_EQ(read.pairs[i].number_ok, i >= 3 && i != 9 && i != 11) << i;
    }
  }
}

TEST_F(DxfPairsTest, BinaryCutAnywhereStopsAtDamage) {
  for (bool one_byte_codes : {true, false}) {
    const BinaryDxf f = every_type(one_byte_codes);
    for (std::size_t cut = 22; cut < f.bytes().size(); ++cut) {
      const Pairs read = read_pairs(write_file("b.dxf", f.bytes().substr(0, cut)));
      std::size_t whole = 0;
      while (whole < f.ends().size() && f.ends()[whole] <= cut)
        ++whole;
      EXPECT_EQ(read.pairs.size(), whole) << cut;
      EXPECT_EQ(read.damaged, cut != 22 && (whole == 0 || f.ends()[whole - 1] != cut)) << cut;
    }
  }
}

TEST_F(DxfPairsTest, BinaryDamage) {
  BinaryDxf unknown(false);
  unknown.code(0).str("SECTION").code(2000).integer(1, 2);
  BinaryDxf long_name(false);
  long_name.code(0).str("SECTION").code(1).str(std::string(70000, 'x'));
  BinaryDxf no_nul(true);
  no_nul.code(0).str("SECTION");
  const std::string cases[] = {unknown.bytes(), long_name.bytes(),
                               no_nul.bytes() + "\x01" + std::string(300000, 'x'),
                               std::string("AutoCAD Binary DXF\r\nxx\0SECTION\0", 32)};
  const std::size_t pairs[] = {1, 1, 1, 0};
  for (int i = 0; i < 4; ++i) {
    const Pairs read = read_pairs(write_file("b.dxf", cases[i]));
    EXPECT_EQ(read.pairs.size(), pairs[i]) << i;
    EXPECT_TRUE(read.damaged) << i;
  }
  BinaryDxf nan(false);
  nan.code(10).real(std::nan(""));
  const Pairs read = read_pairs(write_file("b.dxf", nan.bytes()));
  ASSERT_EQ(read.pairs.size(), 1u);
  EXPECT_FALSE(read.pairs[0].number_ok);
}

// The binary files of another program. Expected counts come from a separate decoding script
// written for this check (not part of the repository) and agree with a look at the hexdump: three
// LINEs that join end to end in both files.
TEST_F(DxfPairsTest, CorpusBinaryFiles) {
  const std::filesystem::path dir = std::filesystem::path(ORVANE_CORPUS_DIR) / "dxf";
  if (!std::filesystem::exists(dir / "ezdxf__bin_dxf_r12.dxf")) GTEST_SKIP() << "no corpus";
  struct Expected {
    const char* file;
    const char* version;
    std::size_t pairs;
    int sections, tables, lines, proxies;
  };
  for (const Expected& e : {Expected{"ezdxf__bin_dxf_r12.dxf", "AC1009", 499, 4, 8, 3, 0},
                            Expected{"ezdxf__bin_dxf_r14.dxf", "AC1014", 2083, 6, 9, 3, 49}}) {
    const Pairs read = read_pairs((dir / e.file).string());
    EXPECT_FALSE(read.damaged);
    ASSERT_EQ(read.pairs.size(), e.pairs) << e.file;
    EXPECT_EQ(codes_and_texts(read).back(), "0:EOF");
    EXPECT_EQ(read.pairs[2].text, "$ACADVER");
    EXPECT_EQ(read.pairs[3].text, e.version);
    int sections = 0, tables = 0, lines = 0, proxies = 0;
    std::vector<double> xs;
    for (const Pair& p : read.pairs) {
      sections += p.code == 0 && p.text == "SECTION";
      tables += p.code == 0 && p.text == "TABLE";
      lines += p.code == 0 && p.text == "LINE";
      proxies += p.code == 0 && p.text == "ACAD_PROXY_OBJECT";
      if (lines > 0 && (p.code == 10 || p.code == 11) && xs.size() < 6) xs.push_back(p.number);
    }
    EXPECT_EQ(sections, e.sections);
    EXPECT_EQ(tables, e.tables);
    EXPECT_EQ(lines, e.lines);
    EXPECT_EQ(proxies, e.proxies);
    // Each line starts where the one before ends.
    ASSERT_EQ(xs.size(), 6u);
    EXPECT_EQ(xs[1], xs[2]);
    EXPECT_EQ(xs[3], xs[4]);
    EXPECT_NEAR(xs[0], 335.71755, 1e-5);
  }
}

}  // namespace
