#include <algorithm>
#include <cmath>
#include <limits>

#include "core/colors.h"
#include "core/state.h"
#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

constexpr int kMaxDepth = 32;        // nesting of parts and subfigures
constexpr int kMaxMatrixChain = 64;  // 124 matrices referring to further matrices
constexpr int64_t kDrawBudget = 4'000'000;

// Entity kinds that are not geometry to draw: they are silently passed over.
bool is_quiet(int type) {
  switch (type) {
    case 0:
    case 124:  // transformation matrix
    case 308:  // subfigure definition: drawn through its instances
    case 314:  // colour definition
    case 402:  // associativity
    case 406:  // property
    case 410:  // view
    case 404:  // drawing
      return true;
    default:
      return false;
  }
}

// The colour drawn for an element that would vanish on the background.
TColor visible(TColor color) {
  if (color != plot_background) return color;
  return current_color != plot_background ? current_color : (plot_background ^ 0xFFFFFF);
}

}  // namespace

std::string kind_name(const Entry& entry, bool with_form) {
  std::string name = std::to_string(entry.type);
  if (with_form) name += " form " + std::to_string(entry.form);
  return name;
}

Params::Params(const IgesFile& file, const Entry& entry) : data_(joined_parameters(file, entry)) {
  fields_ = split_fields(data_, file.parameter_delimiter, file.record_delimiter,
                         std::numeric_limits<std::size_t>::max());
}

bool Params::real(std::size_t i, double& out, double fallback) const {
  if (i >= fields_.size()) {
    out = fallback;
    return true;
  }
  return field_real(fields_[i], fallback, out);
}

bool Params::integer(std::size_t i, int& out, int fallback) const {
  if (i >= fields_.size()) {
    out = fallback;
    return true;
  }
  return field_int(fields_[i], fallback, out);
}

bool Params::vec(std::size_t i, Vec3& out) const {
  return real(i, out.x) && real(i + 1, out.y) && real(i + 2, out.z);
}

Drawer::Drawer(const IgesFile& file, ElementSink& sink)
    : file_(file),
      sink_(sink),
      child_(file.entries.size(), 0),
      on_path_(file.entries.size(), 0),
      budget_(kDrawBudget + 8 * static_cast<int64_t>(file.entries.size())) {}

void Drawer::mark_children() {
  std::vector<int> children;
  for (const Entry& e : file_.entries) {
    children.clear();
    switch (e.type) {
      case 102:
      case 141:
      case 142:
      case 143:
      case 144:
      case 308:
      case 408:
      case 504:
        child_pointers(e, Params(file_, e), children);
        break;
      default:
        continue;
    }
    for (int p : children) {
      if (file_.entry(p) != nullptr) child_[static_cast<std::size_t>(p - 1) / 2] = 1;
    }
  }
}

void Drawer::draw_all() {
  mark_children();
  ElementStyle top;
  top.color = visible(current_color);
  for (std::size_t i = 0; i < file_.entries.size() && sink_.open(); ++i) {
    const Entry& e = file_.entries[i];
    // Parametric (2D) entities stand in a surface's parameter space, not in the model; as parts
    // of a curve on a surface they are still drawn by it, which picks their model-space curve.
    if (child_[i] || is_quiet(e.type) || e.use == 5) continue;
    // Parts of entities that are not read (surfaces, solids, annotation) are not drawn alone;
    // edge lists of solids are, so that a solid shows its edges.
    const bool dependent = e.subordinate == 1 || e.subordinate == 3;
    if (dependent && e.type != 504) continue;
    draw(static_cast<int>(2 * i + 1), Affine3{}, top);
  }
}

void Drawer::draw_child(int pointer, const Affine3& parent_map, const ElementStyle& parent_style) {
  if (pointer == 0) return;
  draw(pointer, parent_map, parent_style);
}

void Drawer::draw(int pointer, const Affine3& parent_map, const ElementStyle& parent_style) {
  const Entry* entry = file_.entry(pointer);
  if (entry == nullptr) {
    sink_.report().leave_out("pointer", LeftOut::kDamaged);
    return;
  }
  const std::size_t index = static_cast<std::size_t>(pointer - 1) / 2;
  if (entry->blank == 1) return;
  if (on_path_[index] || depth_ >= kMaxDepth) {
    leave_out(*entry, LeftOut::kRecursive);
    return;
  }
  if (--budget_ < 0) {
    leave_out(*entry, LeftOut::kLimit);
    return;
  }
  Affine3 own;
  if (!matrix(entry->matrix, own)) {
    leave_out(*entry, LeftOut::kDamaged);
    return;
  }
  const Affine3 map = parent_map * own;
  const ElementStyle style = style_of(*entry, parent_style);
  const Params params(file_, *entry);
  on_path_[index] = 1;
  ++depth_;
  dispatch(Place{*entry, params, map, style});
  --depth_;
  on_path_[index] = 0;
}

void Drawer::dispatch(const Place& p) {
  switch (p.entry.type) {
    case 100:
      return draw_circular_arc(*this, p);
    case 102:
      return draw_composite(*this, p);
    case 104:
      return draw_conic(*this, p);
    case 106:
      return draw_copious(*this, p);
    case 110:
      return draw_line(*this, p);
    case 112:
      return draw_spline(*this, p);
    case 116:
      return draw_point(*this, p);
    case 126:
      return draw_bspline(*this, p);
    case 141:
      return draw_boundary(*this, p);
    case 142:
      return draw_curve_on_surface(*this, p);
    case 143:
      return draw_bounded_surface(*this, p);
    case 144:
      return draw_trimmed_surface(*this, p);
    case 308:
      return draw_definition(*this, p);
    case 408:
      return draw_instance(*this, p);
    case 504:
      return draw_edge_list(*this, p);
    default:
      if (!is_quiet(p.entry.type)) leave_out(p.entry, LeftOut::kUnsupported);
  }
}

bool Drawer::matrix(int pointer, Affine3& out) {
  if (pointer == 0) {
    out = Affine3{};
    return true;
  }
  const auto [known, added] = matrices_.try_emplace(pointer);
  if (added) {
    Affine3 m;
    if (read_matrix(pointer, m)) known->second = m;
  }
  if (!known->second) return false;
  out = *known->second;
  return true;
}

// The map of a 124 matrix and the matrices it refers to in turn: identity for pointer 0; false
// for a pointer to something else, a chain that loops or runs too long, or values that are
// not finite numbers.
bool Drawer::read_matrix(int pointer, Affine3& out) const {
  out = Affine3{};
  for (int step = 0; pointer != 0; ++step) {
    const Entry* e = file_.entry(pointer);
    if (e == nullptr || e->type != 124 || step >= kMaxMatrixChain) return false;
    const Params p(file_, *e);
    Affine3 m;
    double* rows[3][4] = {{&m.m[0][0], &m.m[0][1], &m.m[0][2], &m.t.x},
                          {&m.m[1][0], &m.m[1][1], &m.m[1][2], &m.t.y},
                          {&m.m[2][0], &m.m[2][1], &m.m[2][2], &m.t.z}};
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 4; ++c) {
        if (!p.real(static_cast<std::size_t>(1 + 4 * r + c), *rows[r][c], r == c ? 1 : 0)) {
          return false;
        }
      }
    }
    out = m * out;
    pointer = e->matrix;
  }
  return true;
}

TColor Drawer::color_of(int number, TColor parent) const {
  if (number == 0) return parent;
  if (number > 0) return visible(set_iges_color(number));
  const Entry* def = file_.entry(-number);
  if (def == nullptr || def->type != 314) return parent;
  const Params p(file_, *def);
  double rgb[3];
  for (int i = 0; i < 3; ++i) {
    if (!p.real(static_cast<std::size_t>(i + 1), rgb[i])) return parent;
  }
  // Percentages to the nearest of 256 levels; the colour value holds red in its low byte.
  auto level = [](double percent) {
    return static_cast<TColor>(std::lround(std::clamp(percent, 0.0, 100.0) * 255 / 100));
  };
  return visible(level(rgb[0]) | level(rgb[1]) << 8 | level(rgb[2]) << 16);
}

ElementStyle Drawer::style_of(const Entry& entry, const ElementStyle& parent) const {
  ElementStyle s = parent;
  s.color = color_of(entry.color, parent.color);
  if (entry.level > 0) {
    int layer = entry.level % 256;
    if (layer == 0) layer = 1;
    if (layer == 255) layer = 254;
    s.layer = layer;
  }
  if (entry.font > 0) s.line_type = entry.font == 2 ? 2 : 1;
  return s;
}

void Drawer::chain(const std::vector<Vec3>& points, const Place& place) {
  for (const Vec3& v : points) {
    if (!is_finite(v)) return leave_out(place.entry, LeftOut::kDamaged);
  }
  if (points.size() >= 2) sink_.chain(points, place.style);
}

void Drawer::leave_out(const Entry& entry, LeftOut reason, bool with_form) {
  sink_.report().leave_out(kind_name(entry, with_form), reason);
}

}  // namespace orvane::iges
