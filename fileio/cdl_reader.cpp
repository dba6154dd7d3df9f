#include "fileio/cdl_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <string_view>

#include "core/records.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/byte_scan.h"
#include "fileio/cdl_records.h"
#include "fileio/fields.h"
#include "fileio/read_loop.h"

namespace orvane {

namespace {

// Bits of the keywords found in a line.
constexpr unsigned kView = 1u << 0;
constexpr unsigned kSpline = 1u << 1;
constexpr unsigned kVline = 1u << 2;
constexpr unsigned kLineWord = 1u << 3;
constexpr unsigned kArcWord = 1u << 4;
constexpr unsigned kCircleWord = 1u << 5;
constexpr unsigned kVpoint = 1u << 6;
constexpr unsigned kPointWord = 1u << 7;

bool word_at(std::string_view line, std::size_t i, std::string_view word) {
  return line.size() - i >= word.size() && line.compare(i, word.size(), word) == 0;
}

// The keyword that starts at position i, if any.
unsigned keyword_at(std::string_view line, std::size_t i) {
  switch (line[i]) {
    case 'V':
      if (word_at(line, i, "VIEW")) return kView;
      if (word_at(line, i, "VLINE")) return kVline;
      if (word_at(line, i, "VPOINT")) return kVpoint;
      return 0;
    case 'S':
      return word_at(line, i, "SPLINE") ? kSpline : 0;
    case 'L':
      return word_at(line, i, "LINE") ? kLineWord : 0;
    case 'A':
      return word_at(line, i, "ARC") ? kArcWord : 0;
    case 'C':
      return word_at(line, i, "CIRCLE") ? kCircleWord : 0;
    case 'P':
      return word_at(line, i, "POINT") ? kPointWord : 0;
    default:
      return 0;
  }
}

// The keywords that occur anywhere in the line. Only letters can start one, and the number
// fields hold next to none, so whole blocks without a letter are passed over.
unsigned keywords_in(std::string_view line) {
  unsigned found = 0;
  const auto look = [&](std::size_t i) { found |= keyword_at(line, i); };
  std::size_t i = 0;
  for (; i + byte_scan::kBlock <= line.size(); i += byte_scan::kBlock)
    byte_scan::each_bit(byte_scan::from_a_mask(line.data() + i), i, look);
  for (; i < line.size(); ++i) {
    if (line[i] >= 'A') look(i);
  }
  return found;
}

// An arc view field: views outside 1..90 are taken as view 1.
int arc_view_number(int n) {
  return (n < 1 || n > kArcViews) ? 1 : n;
}

class CdlLoad {
 public:
  void examine(std::string_view line);
  int counter = 0;

 private:
  int next_number();
  int layer(int n) const { return fields_.rounded(n) % 256; }
  TColor color(int n) const { return set_cdl_color(fields_.rounded(n)); }
  void read_view();
  void make_line(int color_field);
  // False when the radius is not positive: the record makes nothing and ends the line.
  bool make_arc();
  bool make_circle();
  void make_point(int color_field);

  RecordFields fields_;
};

// A fresh load numbers its elements 1, 2, 3, ... without searching for free slots; the table
// grows geometrically, so a load stays linear in the number of records.
int CdlLoad::next_number() {
  if (!fast_load_flag) return get_new_element_number();
  if (counter >= std::numeric_limits<int>::max() - 3) return 0;
  const std::size_t needed = static_cast<std::size_t>(counter) + 4;
  try {
    if (element_handle.capacity() < needed) {
      element_handle.reserve(std::max(needed, 2 * element_handle.capacity()));
    }
    if (element_handle.size() < needed) element_handle.resize(needed, 0);
  } catch (const std::bad_alloc&) {
    mem_full = true;
    return 0;
  }
  ++counter;
  last_element_number = counter + 1;
  return counter;
}

void CdlLoad::read_view() {
  const int n = std::min(fields_.rounded(1), kArcViews);
  if (n < 1) return;  // no such arc view
  view_entry& v = arc_view[n];
  double* const order[9] = {&v.ax, &v.ay, &v.az, &v.bx, &v.by, &v.bz, &v.cx, &v.cy, &v.cz};
  for (int i = 0; i < 9; ++i)
    *order[i] = fields_.real(i + 2);
  v.defined = true;
}

void CdlLoad::make_line(int color_field) {
  const RecordFields& f = fields_;
  make_element(next_number(), kLine, f.real(1), f.real(2), f.real(3), f.real(4), f.real(5),
               f.real(6), color(color_field), f.rounded(color_field + 2), layer(color_field + 1), 0,
               0);
}

bool CdlLoad::make_arc() {
  const RecordFields& f = fields_;
  const double radius = f.real(4);
  if (!(radius > 0)) return false;
  double end = f.real(6);
  if (std::abs(end) < 0.0001) end = 0;
  make_element(next_number(), kArc, f.real(1), f.real(2), f.real(3), radius, f.real(5), end,
               color(8), f.rounded(10), layer(9), 0, arc_view_number(f.rounded(7)));
  return true;
}

bool CdlLoad::make_circle() {
  const RecordFields& f = fields_;
  const double radius = f.real(4);
  if (!(radius > 0)) return false;
  double x = f.real(1), y = f.real(2), z = f.real(3);
  int view = arc_view_number(f.rounded(5));
  fix_circle(x, y, z, view, view);
  make_element(next_number(), kArc, x, y, z, radius, 0, 360, color(6), f.rounded(8), layer(7), 0,
               view);
  return true;
}

void CdlLoad::make_point(int color_field) {
  const RecordFields& f = fields_;
  make_element(next_number(), kPoint, f.real(1), f.real(2), f.real(3), 0, 0, 0, color(color_field),
               0, layer(color_field + 1), 0, 0);
}

// One line may make several elements: LINE, ARC, CIRCLE and POINT each make theirs, in that
// order, unless SPLINE, VLINE, VPOINT or an arc or circle without a positive radius ends the
// line first.
void CdlLoad::examine(std::string_view line) {
  const unsigned found = keywords_in(line);
  if (found == 0) return;
  fields_.assign(line, 1);
  if (found & kView) read_view();
  if (found & kSpline) return;
  if (found & kVline) {
    make_line(8);
    return;
  }
  if (found & kLineWord) make_line(7);
  if ((found & kArcWord) && !make_arc()) return;
  if ((found & kCircleWord) && !make_circle()) return;
  if (found & kVpoint) {
    make_point(5);
    return;
  }
  if (found & kPointWord) make_point(4);
}

void finish_read() {
  get_max_min();
  cad_changed = false;
}

}  // namespace

int read_cdl(const std::string& name) {
  int code = cdlinfile.Reset(name);
  if (code != 0) code = cdlinfile.Reset(name);
  if (code != 0) return code;
  CdlLoad load;
  if (!merge_cad) {
    destroy_all_elements();
    fast_load_flag = true;
  }
  merge_cad = false;
  std::string line;
  run_read_loop(
      [&] {
        while (!cdlinfile.Eof() && !mem_full && !abort2) {
          cdlinfile.ReadLn(line);
          load.examine(line);
        }
      },
      finish_read);
  return 0;
}

}  // namespace orvane
