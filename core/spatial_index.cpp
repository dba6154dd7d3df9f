#include "core/spatial_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/projection.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane::spatial_index {

namespace {

int min_elements = 4096;
bool build_at_once = false;
bool used = false;

// What a grid was built from; any difference makes it stale.
struct Key {
  int window = 0;
  double rows[6] = {0, 0, 0, 0, 0, 0};  // the projection coefficients of the x and y rows
  uint64_t changes = 0;
  const Handle* table = nullptr;
  std::size_t table_size = 0;
  int last = 0;
  std::array<view_entry, kArcViews + 1> arcs{};

  bool operator==(const Key& o) const {
    if (window != o.window || changes != o.changes || table != o.table ||
        table_size != o.table_size || last != o.last) {
      return false;
    }
    for (int i = 0; i < 6; ++i) {
      if (std::bit_cast<uint64_t>(rows[i]) != std::bit_cast<uint64_t>(o.rows[i])) return false;
    }
    for (int i = 0; i <= kArcViews; ++i) {
      const view_entry& a = arcs[i];
      const view_entry& b = o.arcs[i];
      const double va[9] = {a.ax, a.bx, a.cx, a.ay, a.by, a.cy, a.az, a.bz, a.cz};
      const double vb[9] = {b.ax, b.bx, b.cx, b.ay, b.by, b.cy, b.az, b.bz, b.cz};
      for (int j = 0; j < 9; ++j) {
        if (std::bit_cast<uint64_t>(va[j]) != std::bit_cast<uint64_t>(vb[j])) return false;
      }
    }
    return true;
  }
};

Key current_key(int w) {
  Key k;
  k.window = w;
  if (w != 1) {
    const double rows[6] = {coff_ax, coff_bx, coff_cx, coff_ay, coff_by, coff_cy};
    std::copy(rows, rows + 6, k.rows);
  }
  k.changes = store_change_count;
  k.table = element_handle.data();
  k.table_size = element_handle.size();
  k.last = last_element_number;
  k.arcs = arc_view;
  return k;
}

struct Level {
  int nx, ny;     // cells across and down
  double cw, ch;  // cell size
  std::size_t first_cell;
};

struct Grid {
  bool built = false;
  Key key;
  double ox = 0, oy = 0;
  std::vector<Level> levels;
  std::vector<uint32_t> start;  // per cell the first entry of numbers; one more at the end
  std::vector<int32_t> numbers;
  // Per entry of numbers, the element's box within its cell in bytes (see encode).
  std::vector<uint32_t> shapes;
  // Per entry of numbers a bit: set for the types the pick hits as points.
  std::vector<uint64_t> point_bits;
  std::vector<int32_t> always;
  std::size_t kept_points = 0;  // entries with their point bit set
  int last = 0;                 // the highest number looked at
};

Grid grid;
bool pending_set = false;
Key pending;
std::vector<uint64_t> marks;
std::vector<int> scratch;  // the entries a query collects before they are handed out

void grow(Box& b, double x, double y) {
  b.x1 = std::min(b.x1, x);
  b.x2 = std::max(b.x2, x);
  b.y1 = std::min(b.y1, y);
  b.y2 = std::max(b.y2, y);
}

// The pick's test plane of window w (view coordinates in the isometric window).
void grow_plane(int w, Box& b, const double* v) {
  switch (w) {
    case 1:
      grow(b, v[0], v[1]);
      break;
    case 2:
      grow(b, v[0], v[2]);
      break;
    case 3:
      grow(b, v[1], v[2]);
      break;
    default: {
      double x, y;
      view_coordinates(w, v[0], v[1], v[2], x, y);
      grow(b, x, y);
      break;
    }
  }
}

void grow_view(int w, Box& b, const double* v) {
  double x, y;
  view_coordinates(w, v[0], v[1], v[2], x, y);
  grow(b, x, y);
}

bool finite(const Box& b) {
  return std::isfinite(b.x1) && std::isfinite(b.x2) && std::isfinite(b.y1) && std::isfinite(b.y2);
}

// The box of what element e draws in window w and where the pick may hit it, widened a little
// for rounding; false for an element that neither draws nor can be hit. A box with a value that
// is not finite stands for "anywhere".
bool element_box(int w, const TElement& e, Box& b) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  b = {kInf, kInf, -kInf, -kInf};
  const double* v = e.values;
  bool nan = false;
  switch (e.element_type) {
    case kPoint:
    case 5:
    case 6:
      nan = std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(v[2]);
      grow_view(w, b, v);
      grow_plane(w, b, v);
      break;
    case kLine:
    case 7:
    case 9:
      for (int i = 0; i < 6; ++i)
        nan = nan || std::isnan(v[i]);
      grow_view(w, b, v);
      grow_view(w, b, v + 3);
      grow_plane(w, b, v);
      grow_plane(w, b, v + 3);
      break;
    case kArc: {
      // The whole circle as the repaint projects it: centre plus two radius vectors, turned
      // into the plane of the arc view.
      const double r = v[3];
      double c[3] = {v[0], v[1], v[2]}, u[3] = {r, 0, 0}, p[3] = {0, r, 0};
      const int view = e.view;
      if (view == -2) {
        p[1] = 0, p[2] = r;
      } else if (view == -3) {
        u[0] = 0, u[1] = r, p[1] = 0, p[2] = r;
      } else if (view >= 1 && view <= kArcViews) {
        const view_entry& m = arc_view[view];
        const auto turn = [&m](double* q) {
          const double x = q[0], y = q[1], z = q[2];
          q[0] = m.ax * x + m.ay * y + m.az * z;
          q[1] = m.bx * x + m.by * y + m.bz * z;
          q[2] = m.cx * x + m.cy * y + m.cz * z;
        };
        turn(c), turn(u), turn(p);
      }
      double cx, cy, ux, uy, px, py;
      view_coordinates(w, c[0], c[1], c[2], cx, cy);
      view_coordinates(w, u[0], u[1], u[2], ux, uy);
      view_coordinates(w, p[0], p[1], p[2], px, py);
      const double hw = std::hypot(ux, px), hh = std::hypot(uy, py);
      nan = std::isnan(cx) || std::isnan(cy) || std::isnan(hw) || std::isnan(hh);
      grow(b, cx - hw, cy - hh);
      grow(b, cx + hw, cy + hh);
      // The pick tests the circle around the stored centre's x and y.
      const double ra = std::abs(r);
      nan = nan || std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(ra);
      grow(b, v[0] - ra, v[1] - ra);
      grow(b, v[0] + ra, v[1] + ra);
      break;
    }
    case kCircle: {
      // Drawn on the stored centre's x and y without projection.
      const double ra = std::abs(v[3]);
      nan = std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(ra);
      grow(b, v[0] - ra, v[1] - ra);
      grow(b, v[0] + ra, v[1] + ra);
      break;
    }
    default:
      return false;
  }
  if (nan) b.x1 = std::numeric_limits<double>::quiet_NaN();
  if (!finite(b)) return true;
  const double size = std::max({std::abs(b.x1), std::abs(b.x2), std::abs(b.y1), std::abs(b.y2)});
  const double eps = size * 1e-9 + 1e-300;
  b.x1 -= eps, b.y1 -= eps, b.x2 += eps, b.y2 += eps;
  return true;
}

// The cell of coordinate v on an axis of n cells of size c from o; beyond the ends, the end cell.
int cell_of(double v, double o, double c, int n) {
  const double f = std::floor((v - o) / c);
  if (!(f >= 0)) return 0;
  if (f >= n - 1) return n - 1;
  return static_cast<int>(f);
}

// The finest level whose cells hold the box's size; levels.size() when none does.
std::size_t level_of(const Box& b) {
  const double ex = b.x2 - b.x1, ey = b.y2 - b.y1;
  std::size_t k = 0;
  while (k < grid.levels.size() && !(ex <= grid.levels[k].cw && ey <= grid.levels[k].ch))
    ++k;
  return k;
}

std::size_t cell_index(const Box& b, std::size_t k) {
  const Level& l = grid.levels[k];
  const int x = cell_of(b.x1, grid.ox, l.cw, l.nx);
  const int y = cell_of(b.y1, grid.oy, l.ch, l.ny);
  return l.first_cell + static_cast<std::size_t>(y) * l.nx + x;
}

// The box of an element kept in a cell, to a 255th of the cell and rounded outwards: the lower
// corner's offset in the cell (0..254) and the upper corner's (0..255 over two cells), for x in
// the low bytes and y in the high ones. An element whose corner lies outside its cell (an edge
// cell of the grid) gets kAnywhere and is never left out.
constexpr uint32_t kAnywhere = 0x00FF00FFu;

uint32_t encode_axis(double lo, double hi, double cell_lo, double size) {
  const double f = (lo - cell_lo) / size;
  const double g = (hi - cell_lo) / size;
  if (!(f >= 0 && f < 1 && g <= 2)) return 0x00FF;
  const double a = std::clamp(std::floor(f * 255) - 1, 0.0, 254.0);
  const double b = std::clamp(std::ceil(g * 127.5) + 1, a / 2 + 1, 255.0);
  return static_cast<uint32_t>(a) | static_cast<uint32_t>(b) << 8;
}

uint32_t encode(const Box& b, std::size_t k) {
  const Level& l = grid.levels[k];
  const int x = cell_of(b.x1, grid.ox, l.cw, l.nx);
  const int y = cell_of(b.y1, grid.oy, l.ch, l.ny);
  const uint32_t ex = encode_axis(b.x1, b.x2, grid.ox + x * l.cw, l.cw);
  const uint32_t ey = encode_axis(b.y1, b.y2, grid.oy + y * l.ch, l.ch);
  if (ex == 0x00FF || ey == 0x00FF) return kAnywhere;
  return ex | ey << 16;
}

double quantile(std::vector<double>& v, double q) {
  if (v.empty()) return 0;
  const std::size_t i = std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1)));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
  return v[i];
}

// The span of the grid and the size of its finest cells from a sample of the elements.
void plan(int w, int last) {
  constexpr int kSample = 65536;
  const int step = std::max(1, last / kSample);
  std::vector<double> xs, ys, ex, ey;
  for (int n = 1; n <= last; n += step) {
    const TElement* e = globallock(element_handle[n]);
    Box b;
    if (e == nullptr || !element_box(w, *e, b) || !finite(b)) continue;
    xs.push_back(b.x1);
    ys.push_back(b.y1);
    ex.push_back(b.x2 - b.x1);
    ey.push_back(b.y2 - b.y1);
  }
  // The corners of all but the farthest few elements span the grid.
  const double x1 = quantile(xs, 0.001), x2 = quantile(xs, 0.999);
  const double y1 = quantile(ys, 0.001), y2 = quantile(ys, 0.999);
  const double typical_x = quantile(ex, 0.5), typical_y = quantile(ey, 0.5);
  constexpr double kMax = std::numeric_limits<double>::max() / 4;
  const double width = std::min(x2 - x1, kMax), height = std::min(y2 - y1, kMax);
  // About four elements a finest cell, at most 2^24 cells.
  const double target = std::clamp(last / 4.0, 1.0, 16777216.0);
  double nx = 1, ny = 1;
  if (width > 0 && height > 0) {
    nx = std::clamp(std::round(std::sqrt(target * width / height)), 1.0, target);
    ny = std::clamp(std::round(target / nx), 1.0, target);
  } else if (width > 0) {
    nx = target;
  } else if (height > 0) {
    ny = target;
  }
  // Cells no smaller than the typical element, nor than a billionth of the coordinates (so that
  // a span of zero still has cells of some size).
  double cw = std::max({width / nx, typical_x, std::abs(x1) * 1e-9, 1e-300});
  double ch = std::max({height / ny, typical_y, std::abs(y1) * 1e-9, 1e-300});
  // One cell more on either side: what lies outside the span (and queries there) sits in edge
  // cells of its own instead of those of the elements at the span's ends.
  nx = std::clamp(std::ceil(width / cw), 1.0, nx) + 2;
  ny = std::clamp(std::ceil(height / ch), 1.0, ny) + 2;
  grid.ox = x1 - cw;
  grid.oy = y1 - ch;
  grid.levels.clear();
  std::size_t cells = 0;
  int ix = static_cast<int>(nx), iy = static_cast<int>(ny);
  // Coarser levels until one cell covers the span, and two more for elements larger than it.
  int extra = 2;
  while (std::isfinite(cw) && std::isfinite(ch)) {
    grid.levels.push_back({ix, iy, cw, ch, cells});
    cells += static_cast<std::size_t>(ix) * iy;
    if (ix == 1 && iy == 1 && extra-- == 0) break;
    ix = (ix + 1) / 2, iy = (iy + 1) / 2;
    cw *= 2, ch *= 2;
  }
  grid.start.assign(cells + 1, 0);
}

void build(int w, const Key& key) {
  used = false;
  grid.built = false;
  grid.numbers.clear();
  grid.shapes.clear();
  grid.point_bits.clear();
  grid.always.clear();
  grid.kept_points = 0;
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  grid.last = last;
  plan(w, last);
  const std::size_t none = std::numeric_limits<std::size_t>::max();
  const auto place = [&](int n) -> std::size_t {
    const TElement* e = globallock(element_handle[n]);
    Box b;
    if (e == nullptr || !element_box(w, *e, b)) return none;
    if (!finite(b)) return none - 1;
    const std::size_t k = level_of(b);
    return k == grid.levels.size() ? none - 1 : cell_index(b, k);
  };
  std::size_t kept = 0, always = 0;
  for (int n = 1; n <= last; ++n) {
    const std::size_t c = place(n);
    if (c == none) continue;
    if (c == none - 1) {
      ++always;
    } else {
      ++grid.start[c + 1];
      ++kept;
    }
  }
  for (std::size_t c = 1; c < grid.start.size(); ++c)
    grid.start[c] += grid.start[c - 1];
  grid.numbers.resize(kept);
  grid.numbers.shrink_to_fit();
  grid.always.reserve(always);
  grid.shapes.resize(kept);
  grid.shapes.shrink_to_fit();
  grid.point_bits.assign(kept / 64 + 1, 0);
  grid.point_bits.shrink_to_fit();
  for (int n = 1; n <= last; ++n) {
    const TElement* e = globallock(element_handle[n]);
    Box b;
    if (e == nullptr || !element_box(w, *e, b)) continue;
    const std::size_t k = finite(b) ? level_of(b) : grid.levels.size();
    if (k == grid.levels.size()) {
      grid.always.push_back(n);
    } else {
      const std::size_t at = grid.start[cell_index(b, k)]++;
      grid.numbers[at] = n;
      grid.shapes[at] = encode(b, k);
      if (e->element_type == kPoint || e->element_type == 5 || e->element_type == 6) {
        grid.point_bits[at >> 6] |= uint64_t{1} << (at & 63);
        ++grid.kept_points;
      }
    }
  }
  // Filling moved every start to the next cell's; move them back.
  for (std::size_t c = grid.start.size() - 1; c > 0; --c)
    grid.start[c] = grid.start[c - 1];
  grid.start[0] = 0;
  grid.key = key;
  grid.built = true;
}

// The last request that a sample found to cover most of the drawing: a full view asked for
// again is answered at once, without building a grid it would not use.
struct Declined {
  bool set = false;
  Key key;
  std::vector<Box> boxes;
};
Declined declined;

bool same_boxes(const std::vector<Box>& a, const Box* b, int count) {
  if (a.size() != static_cast<std::size_t>(count)) return false;
  for (int i = 0; i < count; ++i) {
    if (a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1 || a[i].x2 != b[i].x2 || a[i].y2 != b[i].y2)
      return false;
  }
  return true;
}

// Whether the boxes meet a third or more of a sample of the elements.
bool covers_most(int w, const Key& key, const Box* boxes, int count) {
  if (declined.set && declined.key == key && same_boxes(declined.boxes, boxes, count)) return true;
  constexpr int kSample = 4096;
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  const int step = std::max(1, last / kSample);
  int sampled = 0, met = 0;
  for (int n = 1; n <= last; n += step) {
    const TElement* e = globallock(element_handle[n]);
    Box b;
    if (e == nullptr || !element_box(w, *e, b)) continue;
    ++sampled;
    for (int i = 0; i < count; ++i) {
      const Box& q = boxes[i];
      if (!finite(b) || (b.x1 <= q.x2 && b.x2 >= q.x1 && b.y1 <= q.y2 && b.y2 >= q.y1)) {
        ++met;
        break;
      }
    }
  }
  if (3 * met < sampled) return false;
  declined.set = true;
  declined.key = key;
  declined.boxes.assign(boxes, boxes + count);
  return true;
}

}  // namespace

namespace {

// The codes of one cell that may meet a box: those whose lower corners lie at or below
// lower_max and whose upper corners lie at or above upper_min, for x and y, in the units of
// the code (see encode); a code of kAnywhere always.
struct CellTest {
  int lower_max_x, upper_min_x, lower_max_y, upper_min_y;

  // Thresholds for box q in the cell at (x0, y0) of level l: a code passes when its box (the
  // offsets times the unit from the cell's corner) meets q, corners on q's edge included.
  // Rounding the thresholds may let one more unit pass, never one less.
  CellTest(const Level& l, double x0, double y0, const Box& q) {
    const double sx = l.cw * (1.0 / 255), sy = l.ch * (1.0 / 255);
    lower_max_x = lower_max(q.x2 - x0, sx);
    upper_min_x = upper_min(q.x1 - x0, 2 * sx);
    lower_max_y = lower_max(q.y2 - y0, sy);
    upper_min_y = upper_min(q.y1 - y0, 2 * sy);
  }
  [[gnu::always_inline]] inline bool passes(uint32_t code) const {
    const int ax = static_cast<int>(code & 0xFF), bx = static_cast<int>((code >> 8) & 0xFF);
    const int ay = static_cast<int>((code >> 16) & 0xFF), by = static_cast<int>(code >> 24);
    return (code == kAnywhere) |
           ((ax <= lower_max_x) & (bx >= upper_min_x) & (ay <= lower_max_y) & (by >= upper_min_y));
  }

 private:
  // The largest unit count whose offset lies at or below d (with a unit of slack), -1 for none.
  static int lower_max(double d, double unit) {
    const double f = std::floor(d / unit) + 1;
    return !(f >= -1) ? -1 : f > 256 ? 256 : static_cast<int>(f);
  }
  // The smallest unit count whose offset lies at or above d (with a unit of slack), 256 for
  // none.
  static int upper_min(double d, double unit) {
    const double f = std::ceil(d / unit) - 1;
    return !(f <= 256) ? 256 : f < -1 ? -1 : static_cast<int>(f);
  }
};

// The entries of the cells the reach spans that may meet its box (its point box for the entries
// of points when points apart), written from out[at] on; returns the next free place. out holds
// room for every entry of the cells.
template <bool kPointsApart>
std::size_t collect(const Level& l, int x1, int x2, int y1, int y2, const Box& q,
                    const Box& point_q, int* out, std::size_t at) {
  for (int y = y1; y <= y2; ++y) {
    const double y0 = grid.oy + y * l.ch;
    const std::size_t row = l.first_cell + static_cast<std::size_t>(y) * l.nx;
    for (int x = x1; x <= x2; ++x) {
      const double x0 = grid.ox + x * l.cw;
      const uint32_t from = grid.start[row + x], to = grid.start[row + x + 1];
      if (from == to) continue;
      const CellTest test(l, x0, y0, q);
      if constexpr (kPointsApart) {
        const CellTest point_test(l, x0, y0, point_q);
        for (uint32_t i = from; i < to; ++i) {
          const bool point = (grid.point_bits[i >> 6] >> (i & 63)) & 1;
          out[at] = grid.numbers[i];
          at += point ? point_test.passes(grid.shapes[i]) : test.passes(grid.shapes[i]);
        }
      } else {
        // Every entry is written and the place moves on only for those that pass: no branch.
        for (uint32_t i = from; i < to; ++i) {
          out[at] = grid.numbers[i];
          at += test.passes(grid.shapes[i]);
        }
      }
    }
  }
  return at;
}

bool gather(int w, const Box* boxes, const Box* point_boxes, int count, std::vector<int>& out,
            bool ordered) {
  used = false;
  out.clear();
  if (!is_view_number(w) || last_element_number < min_elements) return false;
  for (int i = 0; i < count; ++i) {
    if (!finite(boxes[i]) || !finite(point_boxes[i])) return false;
  }
  const Key key = current_key(w);
  if (!grid.built || !(grid.key == key)) {
    if (!build_at_once && !(pending_set && pending == key)) {
      pending = key;
      pending_set = true;
      return false;
    }
    if (covers_most(w, key, point_boxes, count)) return false;
    pending_set = false;
    build(w, key);
  }
  // The cells the boxes reach, and how many numbers they hold at most.
  struct Reach {
    const Level* level;
    const Box* box;
    const Box* point_box;
    int x1, x2, y1, y2;
  };
  std::vector<Reach> reaches;
  std::size_t total = grid.always.size();
  // Point boxes matter only when the grid keeps points.
  const bool apart = point_boxes != boxes && grid.kept_points > 0;
  if (!apart) point_boxes = boxes;
  for (int i = 0; i < count; ++i) {
    // The cells both boxes reach.
    const Box q{std::min(boxes[i].x1, point_boxes[i].x1), std::min(boxes[i].y1, point_boxes[i].y1),
                std::max(boxes[i].x2, point_boxes[i].x2), std::max(boxes[i].y2, point_boxes[i].y2)};
    for (const Level& l : grid.levels) {
      // A kept element's lower corner lies at most one cell below and left of what it meets.
      const Reach r{&l,
                    &boxes[i],
                    &point_boxes[i],
                    cell_of(q.x1 - l.cw * (1 + 1e-9), grid.ox, l.cw, l.nx),
                    cell_of(q.x2, grid.ox, l.cw, l.nx),
                    cell_of(q.y1 - l.ch * (1 + 1e-9), grid.oy, l.ch, l.ny),
                    cell_of(q.y2, grid.oy, l.ch, l.ny)};
      for (int y = r.y1; y <= r.y2; ++y) {
        const std::size_t row = l.first_cell + static_cast<std::size_t>(y) * l.nx;
        total += grid.start[row + r.x2 + 1] - grid.start[row + r.x1];
      }
      reaches.push_back(r);
    }
  }
  // Most of the drawing: the plain pass is as quick.
  if (total > static_cast<std::size_t>(grid.last) / 3) return false;
  used = true;
  // Room for every entry, kept from call to call (collect writes past the ones that pass).
  if (scratch.size() < total) scratch.resize(total);
  std::size_t at = 0;
  for (const Reach& r : reaches) {
    if (apart) {
      at =
          collect<true>(*r.level, r.x1, r.x2, r.y1, r.y2, *r.box, *r.point_box, scratch.data(), at);
    } else {
      at = collect<false>(*r.level, r.x1, r.x2, r.y1, r.y2, *r.box, *r.box, scratch.data(), at);
    }
  }
  out.assign(scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(at));
  out.insert(out.end(), grid.always.begin(), grid.always.end());
  if (!ordered) return true;
  if (out.size() * 64 < static_cast<std::size_t>(grid.last)) {
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return true;
  }
  // Many candidates: a bit a number, read back in order.
  marks.assign(static_cast<std::size_t>(grid.last) / 64 + 1, 0);
  for (const int n : out)
    marks[static_cast<std::size_t>(n) >> 6] |= uint64_t{1} << (n & 63);
  out.clear();
  for (std::size_t word = 0; word < marks.size(); ++word) {
    for (uint64_t bits = marks[word]; bits != 0; bits &= bits - 1) {
      out.push_back(static_cast<int>(word * 64 + std::countr_zero(bits)));
    }
  }
  return true;
}

}  // namespace

bool candidates(int w, const Box* boxes, int count, std::vector<int>& out) {
  return gather(w, boxes, boxes, count, out, true);
}

bool unordered_candidates(int w, const Box* boxes, int count, std::vector<int>& out) {
  return gather(w, boxes, boxes, count, out, false);
}

bool unordered_candidates(int w, const Box* boxes, const Box* point_boxes, int count,
                          std::vector<int>& out) {
  return gather(w, boxes, point_boxes, count, out, false);
}

void set_min_elements(int n) {
  min_elements = n;
}

void set_build_at_once(bool at_once) {
  build_at_once = at_once;
}

bool last_used() {
  return used;
}

std::size_t bytes() {
  return grid.start.capacity() * sizeof(uint32_t) + grid.numbers.capacity() * sizeof(int32_t) +
         grid.shapes.capacity() * sizeof(uint32_t) + grid.point_bits.capacity() * sizeof(uint64_t) +
         grid.always.capacity() * sizeof(int32_t) + grid.levels.capacity() * sizeof(Level) +
         marks.capacity() * sizeof(uint64_t) + scratch.capacity() * sizeof(int);
}

void release() {
  grid = Grid{};
  pending_set = false;
  declined = Declined{};
  marks = {};
  scratch = {};
}

}  // namespace orvane::spatial_index
