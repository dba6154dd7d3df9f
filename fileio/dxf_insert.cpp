// INSERT and DIMENSION: a block's entities placed by insertion point, base point, scales,
// rotation, column and row arrays and the insert's plane, nested to a bounded depth.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "fileio/dxf_draw.h"

namespace orvane {

namespace {

// Limits that keep a hostile file from nesting or multiplying blocks without bound.
constexpr int kMaxInsertDepth = 32;
constexpr int64_t kMaxArrayCells = 100000;
constexpr int64_t kMaxPlacements = 2000000;
constexpr int64_t kMaxInsertedElements = 20000000;

bool usable_scale(double s) {
  return std::isfinite(s) && s != 0;
}

// Programs that draw in the plane write a z scale of 0: the block is flattened into its plane.
bool usable_z_scale(double s) {
  return std::isfinite(s);
}

// Draws block `name` with local (block coordinates into the parent's) and BYBLOCK style s.
// False when the block is refused: kind names the entity in the load report.
void place_block(const std::string& name, const Affine3& local, const ElementStyle& s,
                 const char* kind, DxfDraw& d) {
  const auto it = d.blocks.find(name);
  if (it == d.blocks.end()) {
    d.report().leave_out(kind, LeftOut::kDamaged);  // the block is never defined
    return;
  }
  if (d.placement.depth >= kMaxInsertDepth ||
      std::find(d.insert_stack.begin(), d.insert_stack.end(), name) != d.insert_stack.end()) {
    d.report().leave_out(kind, LeftOut::kRecursive);
    return;
  }
  if (++d.inserted > kMaxPlacements || d.report().made() > kMaxInsertedElements) {
    d.report().leave_out(kind, LeftOut::kLimit);
    return;
  }
  const DxfPlacement saved = d.placement;
  d.placement.transform = saved.transform * local * translation(-1.0 * it->second.base);
  d.placement.identity = d.placement.transform.is_identity();
  d.placement.byblock = s;
  ++d.placement.depth;
  d.insert_stack.push_back(name);
  for (const DxfItem& item : it->second.items) {
    if (!d.open()) break;
    draw_dxf_item(item, d);
  }
  d.insert_stack.pop_back();
  d.placement = saved;
}

}  // namespace

void draw_dxf_insert(const DxfItem& item, DxfDraw& d) {
  for (const DxfRecord& child : item.children)
    if (child.type == "ATTRIB") d.report().leave_out("ATTRIB", LeftOut::kUnsupported);
  const DxfRecord& r = item.head;
  const double sx = r.number(41, 1), sy = r.number(42, 1), sz = r.number(43, 1);
  const double rotation = r.number(50);
  const int64_t columns = std::max(1, r.integer(70, 1)), rows = std::max(1, r.integer(71, 1));
  const double column_step = r.number(44), row_step = r.number(45);
  if (!usable_scale(sx) || !usable_scale(sy) || !usable_z_scale(sz) || !std::isfinite(rotation)) {
    d.report().leave_out("INSERT", LeftOut::kDamaged);
    return;
  }
  if (columns * rows > kMaxArrayCells) {
    d.report().leave_out("INSERT", LeftOut::kLimit);
    return;
  }
  const std::string name(r.text(2));
  const ElementStyle s = d.style(r);
  const Affine3 plane = from_frame(arbitrary_axis_frame(unit_or_z(r.extrusion())));
  const Affine3 turn = rotation_z(rotation);
  const Affine3 shape = turn * scaling(sx, sy, sz);
  for (int64_t row = 0; row < rows && d.open(); ++row) {
    for (int64_t column = 0; column < columns && d.open(); ++column) {
      const Vec3 cell = turn.linear(
          {static_cast<double>(column) * column_step, static_cast<double>(row) * row_step, 0});
      place_block(name, plane * translation(r.point(10) + cell) * shape, s, "INSERT", d);
    }
  }
}

// A dimension's lines, arrows and text sit in an anonymous block already in place.
void draw_dxf_dimension(const DxfRecord& r, DxfDraw& d) {
  const std::string name(r.text(2));
  if (name.empty()) {
    d.report().leave_out("DIMENSION", LeftOut::kDamaged);
    return;
  }
  place_block(name, Affine3{}, d.style(r), "DIMENSION", d);
}

}  // namespace orvane
