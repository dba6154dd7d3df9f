#include "bench/fileio/foreign_iges.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace bench {

namespace {

constexpr int kGroup = 10;

// A reproducible value in [0, 1) of entity i and a salt.
double unit(int64_t i, int salt) {
  uint64_t x = static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(salt);
  x ^= x >> 31;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 27;
  return static_cast<double>(x >> 11) * 0x1.0p-53;
}

void add_real(std::string& out, double v, int decimals = 6) {
  char text[64];
  char* end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals).ptr;
  out += ',';
  out.append(text, end);
}

void add_int(std::string& out, int64_t v) {
  out += ',';
  out += std::to_string(v);
}

int kind_of(int64_t i) {
  switch (i % kGroup) {
    case 0:
      return 124;
    case 1:
    case 2:
    case 3:
    case 4:
      return 110;
    case 5:
    case 6:
    case 7:
      return 100;
    default:
      return 126;
  }
}

// The directory sequence number of the matrix an entity refers to, 0 for none.
int64_t matrix_of(int64_t i) {
  const int64_t k = i % kGroup;
  const bool placed = k == 4 || k == 6 || k == 7 || k == 9;
  return placed ? 2 * (i - k) + 1 : 0;
}

// The parameter data of entity i, from its type to the record delimiter.
void parameters(int64_t i, std::string& out) {
  const int kind = kind_of(i);
  out = std::to_string(kind);
  // Parts spread over a grid of cells 20 units wide.
  const double x0 = static_cast<double>((i / kGroup) % 500) * 20.0 - 5000.0;
  const double y0 = static_cast<double>((i / kGroup / 500) % 500) * 20.0 - 5000.0;
  const double z0 = std::floor(unit(i, 1) * 50.0);
  if (kind == 124) {
    // A rotation about z by a, then about x by b, and a translation. The rotations come from
    // a set of 24, as parts of an assembly share few orientations, so that their arcs share
    // arc views.
    const double a = std::floor(unit(i, 2) * 8) * 0.785398163397448;
    const double b = std::floor(unit(i, 3) * 3) * 0.523598775598299;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    const double rows[12] = {ca, -sa, 0, x0, sa * cb, ca * cb, -sb, y0, sa * sb, ca * sb, cb, z0};
    for (double v : rows)
      add_real(out, v, 9);
  } else if (kind == 110) {
    add_real(out, x0 + unit(i, 4) * 10);
    add_real(out, y0 + unit(i, 5) * 10);
    add_real(out, z0);
    add_real(out, x0 + unit(i, 6) * 10);
    add_real(out, y0 + unit(i, 7) * 10);
    add_real(out, z0 + unit(i, 8));
  } else if (kind == 100) {
    const double r = 0.5 + unit(i, 4) * 4, a0 = unit(i, 5) * 6, a1 = a0 + 0.5 + unit(i, 6) * 5;
    const double cx = x0 + 10, cy = y0 + 10;
    add_real(out, z0);
    add_real(out, cx);
    add_real(out, cy);
    add_real(out, cx + r * std::cos(a0));
    add_real(out, cy + r * std::sin(a0));
    add_real(out, cx + r * std::cos(a1));
    add_real(out, cy + r * std::sin(a1));
  } else {
    // Degree 3, 6 to 8 control points, clamped uniform knots, weights around 1.
    const int points = 6 + static_cast<int>(i % 3);
    const int degree = 3, k = points - 1;
    add_int(out, k);
    add_int(out, degree);
    for (int flag : {0, 0, 0, 0})
      add_int(out, flag);
    const int spans = points - degree;
    for (int t = 0; t < points + degree + 1; ++t) {
      const int at = t <= degree ? 0 : (t >= points ? spans : t - degree);
      add_real(out, static_cast<double>(at) / spans, 6);
    }
    for (int w = 0; w < points; ++w)
      add_real(out, 0.75 + unit(i, 10 + w) * 0.5, 4);
    for (int c = 0; c < points; ++c) {
      add_real(out, x0 + c * 1.5);
      add_real(out, y0 + unit(i, 20 + c) * 4);
      add_real(out, z0 + unit(i, 30 + c));
    }
    add_real(out, 0, 1);
    add_real(out, 1, 1);
    for (int n : {0, 0, 1})
      add_int(out, n);
  }
  out += ';';
}

class Writer {
 public:
  explicit Writer(std::FILE* f) : f_(f) {}
  ~Writer() { flush(); }

  // Columns 1-72 (padded), the section letter and the 7-digit sequence number.
  void record(std::string_view left, char section, int64_t sequence) {
    buffer_.append(left.substr(0, 72));
    buffer_.append(72 - std::min<std::size_t>(left.size(), 72), ' ');
    char right[32];
    std::snprintf(right, sizeof right, "%c%07lld\n", section, static_cast<long long>(sequence));
    buffer_ += right;
    if (buffer_.size() > (1 << 20)) flush();
  }

  void flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), f_);
    buffer_.clear();
  }

 private:
  std::FILE* f_;
  std::string buffer_;
};

// Splits data into pieces of at most `width` columns, each ending after a delimiter; calls
// piece(text) for each and returns the number of pieces.
template <class Piece>
int64_t split(std::string_view data, std::size_t width, Piece piece) {
  int64_t count = 0;
  while (!data.empty()) {
    std::size_t n = data.size();
    if (n > width) {
      const std::size_t cut = data.substr(0, width).find_last_of(",;");
      n = cut == std::string_view::npos ? width : cut + 1;
    }
    piece(data.substr(0, n));
    data.remove_prefix(n);
    ++count;
  }
  return count;
}

std::string field8(int64_t v) {
  char text[32];
  std::snprintf(text, sizeof text, "%8lld", static_cast<long long>(v));
  return text;
}

}  // namespace

bool write_foreign_iges(const std::string& file, int64_t entities, ForeignIgesCounts& counts) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "wb"), std::fclose);
  if (!f) return false;
  counts = ForeignIgesCounts{};
  counts.entities = entities;
  Writer w(f.get());
  w.record("Benchmark part written as another CAD system writes IGES", 'S', 1);
  const std::string global =
      "1H,,1H;,9HBENCHPART,13Hbenchpart.igs,8HBENCHCAD,11HBENCHCAD 7.2,32,38,6,308,15,"
      "9HBENCHPART,1.,2,2HMM,1,1.,15H20261208.120000,1.E-06,5000.,5HBench,5HBench,11,0,"
      "15H20261208.120000;";
  int64_t g = 0;
  split(global, 72, [&](std::string_view piece) { w.record(piece, 'G', ++g); });

  std::string data;
  int64_t parameter = 1;
  for (int64_t i = 0; i < entities; ++i) {
    parameters(i, data);
    const int64_t pieces = split(data, 64, [](std::string_view) {});
    const int kind = kind_of(i);
    const int64_t matrix = matrix_of(i);
    const int64_t color = 1 + i % 8;
    const int64_t level = 1 + (i / kGroup) % 40;
    std::string d = field8(kind) + field8(parameter) + field8(0) + field8(1) + field8(level) +
                    field8(0) + field8(matrix) + field8(0) + "00000000";
    w.record(d, 'D', 2 * i + 1);
    d = field8(kind) + field8(0) + field8(color) + field8(pieces) + field8(0) +
        std::string(24, ' ') + field8(0);
    w.record(d, 'D', 2 * i + 2);
    parameter += pieces;
    counts.matrices += kind == 124;
    counts.lines += kind == 110;
    counts.arcs += kind == 100;
    counts.splines += kind == 126;
    counts.placed += matrix != 0;
  }
  int64_t p = 0;
  for (int64_t i = 0; i < entities; ++i) {
    parameters(i, data);
    const std::string pointer = field8(2 * i + 1);
    split(data, 64, [&](std::string_view piece) {
      std::string left(piece);
      left.append(64 - piece.size(), ' ');
      w.record(left + pointer, 'P', ++p);
    });
  }
  char t[128];
  std::snprintf(t, sizeof t, "S%07dG%07lldD%07lldP%07lld", 1, static_cast<long long>(g),
                static_cast<long long>(2 * entities), static_cast<long long>(p));
  w.record(t, 'T', 1);
  w.flush();
  return std::ferror(f.get()) == 0;
}

}  // namespace bench
