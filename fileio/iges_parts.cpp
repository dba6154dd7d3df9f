// Entities made of other entities: composite curves (102), curves on surfaces (142), boundaries
// (141) of bounded surfaces (143), trimmed surfaces (144) and edge lists (504). Each draws the
// model-space curves among its parts; the parts are drawn only through it.
#include <vector>

#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

// count followed by that many pointers, the count at field i, each pointer `stride` fields
// after the one before; the fields given by `offsets` of each group are kept.
bool groups(const Params& q, std::size_t i, std::size_t stride,
            std::initializer_list<std::size_t> offsets, std::vector<int>& out) {
  int n = 0;
  if (!q.integer(i, n) || n < 0 || q.size() < i + 1 + stride * static_cast<std::size_t>(n)) {
    return false;
  }
  for (std::size_t g = 0; g < static_cast<std::size_t>(n); ++g) {
    for (std::size_t o : offsets) {
      int pointer = 0;
      if (!q.integer(i + 1 + g * stride + o, pointer)) return false;
      out.push_back(pointer);
    }
  }
  return true;
}

bool pointer_at(const Params& q, std::size_t i, std::vector<int>& out) {
  int pointer = 0;
  if (!q.integer(i, pointer)) return false;
  out.push_back(pointer);
  return true;
}

// The pointers of a 141 boundary: its model-space curves and, when all is set, its surface and
// parameter-space curves too.
bool boundary_pointers(const Params& q, bool all, std::vector<int>& out) {
  int n = 0;
  if (all && !pointer_at(q, 3, out)) return false;
  if (!q.integer(4, n) || n < 0) return false;
  std::size_t at = 5;
  for (int c = 0; c < n; ++c) {
    int k = 0;
    if (q.size() < at + 3 || !pointer_at(q, at, out) || !q.integer(at + 2, k) || k < 0 ||
        q.size() < at + 3 + static_cast<std::size_t>(k)) {
      return false;
    }
    for (std::size_t j = 0; all && j < static_cast<std::size_t>(k); ++j) {
      if (!pointer_at(q, at + 3 + j, out)) return false;
    }
    at += 3 + static_cast<std::size_t>(k);
  }
  return true;
}

void draw_all_of(Drawer& d, const Place& p, const std::vector<int>& pointers) {
  for (int pointer : pointers)
    d.draw_child(pointer, p.map, p.style);
}

}  // namespace

void child_pointers(const Entry& entry, const Params& q, std::vector<int>& out) {
  switch (entry.type) {
    case 102:
      groups(q, 1, 1, {0}, out);
      break;
    case 141:
      boundary_pointers(q, true, out);
      break;
    case 142:
      for (std::size_t i = 2; i <= 4; ++i)
        pointer_at(q, i, out);
      break;
    case 143:
      pointer_at(q, 2, out);
      groups(q, 3, 1, {0}, out);
      break;
    case 144: {
      int inner = 0;
      pointer_at(q, 1, out);
      pointer_at(q, 4, out);
      if (q.integer(3, inner) && inner > 0 && q.size() >= 5 + static_cast<std::size_t>(inner)) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(inner); ++i)
          pointer_at(q, 5 + i, out);
      }
      break;
    }
    case 308:
      groups(q, 3, 1, {0}, out);
      break;
    case 408:
      pointer_at(q, 1, out);
      break;
    case 504:
      groups(q, 1, 5, {0}, out);
      break;
    default:
      break;
  }
}

void draw_composite(Drawer& d, const Place& p) {
  std::vector<int> members;
  if (!groups(p.params, 1, 1, {0}, members)) return d.leave_out(p.entry, LeftOut::kDamaged);
  draw_all_of(d, p, members);
}

// Only the curve in model space; the one in the surface's parameter space is not geometry of
// the model. Without a model-space curve nothing can be drawn.
void draw_curve_on_surface(Drawer& d, const Place& p) {
  int curve = 0;
  if (!p.params.integer(4, curve)) return d.leave_out(p.entry, LeftOut::kDamaged);
  if (curve == 0) return d.leave_out(p.entry, LeftOut::kUnsupported);
  d.draw_child(curve, p.map, p.style);
}

void draw_boundary(Drawer& d, const Place& p) {
  std::vector<int> curves;
  if (!boundary_pointers(p.params, false, curves)) return d.leave_out(p.entry, LeftOut::kDamaged);
  draw_all_of(d, p, curves);
}

void draw_bounded_surface(Drawer& d, const Place& p) {
  std::vector<int> boundaries;
  if (!groups(p.params, 3, 1, {0}, boundaries)) return d.leave_out(p.entry, LeftOut::kDamaged);
  draw_all_of(d, p, boundaries);
}

// The outer boundary and the holes; a surface bounded by its own edges (no outer curve) cannot
// be drawn without the surface.
void draw_trimmed_surface(Drawer& d, const Place& p) {
  std::vector<int> curves;
  child_pointers(p.entry, p.params, curves);
  if (curves.size() < 2) return d.leave_out(p.entry, LeftOut::kDamaged);
  curves.erase(curves.begin());  // the surface
  if (curves.front() == 0) {
    d.leave_out(p.entry, LeftOut::kUnsupported);
    curves.erase(curves.begin());
  }
  draw_all_of(d, p, curves);
}

void draw_edge_list(Drawer& d, const Place& p) {
  std::vector<int> curves;
  if (!groups(p.params, 1, 5, {0}, curves)) return d.leave_out(p.entry, LeftOut::kDamaged);
  draw_all_of(d, p, curves);
}

}  // namespace orvane::iges
