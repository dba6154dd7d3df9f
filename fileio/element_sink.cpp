#include "fileio/element_sink.h"

#include <array>
#include <cmath>

#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/curve_tessellation.h"

namespace orvane {

namespace {

// Normals and frames closer than this count as the same plane.
constexpr double kSamePlane = 1e-9;
// The first arc view that planes other than the world ones take.
constexpr int kFirstFreeView = 7;

// The arc views that the world axis normals always had.
struct AxisView {
  Vec3 normal;
  int view;
};
constexpr std::array<AxisView, 5> kAxisViews = {{
    {{0, -1, 0}, 2},
    {{0, 1, 0}, 3},
    {{0, 0, -1}, 4},
    {{1, 0, 0}, 5},
    {{-1, 0, 0}, 6},
}};

bool near(const Vec3& a, const Vec3& b) {
  return std::fabs(a.x - b.x) < kSamePlane && std::fabs(a.y - b.y) < kSamePlane &&
         std::fabs(a.z - b.z) < kSamePlane;
}

view_entry entry_of(const Frame& f) {
  view_entry e;
  e.ax = f.u.x, e.bx = f.u.y, e.cx = f.u.z;
  e.ay = f.v.x, e.by = f.v.y, e.cy = f.v.z;
  e.az = f.n.x, e.bz = f.n.y, e.cz = f.n.z;
  e.defined = true;
  return e;
}

Frame frame_of(const view_entry& e) {
  return Frame{{e.ax, e.bx, e.cx}, {e.ay, e.by, e.cy}, {e.az, e.bz, e.cz}};
}

bool same_frame(const view_entry& e, const Frame& f) {
  const Frame g = frame_of(e);
  return near(g.u, f.u) && near(g.v, f.v) && near(g.n, f.n);
}

// The view that holds frame f among 7..90, set in the first free one when none does; 0 when
// all are taken.
int shared_view(const Frame& f) {
  static int last = 0;  // consecutive arcs mostly share a plane
  if (last >= kFirstFreeView && arc_view[last].defined && same_frame(arc_view[last], f)) {
    return last;
  }
  int free_view = 0;
  for (int v = kFirstFreeView; v <= kArcViews; ++v) {
    if (!arc_view[v].defined) {
      if (free_view == 0) free_view = v;
    } else if (same_frame(arc_view[v], f)) {
      return last = v;
    }
  }
  if (free_view != 0) arc_view[free_view] = entry_of(f);
  return last = free_view;
}

// Angle in degrees folded into [0, 360).
double fold(double a) {
  a = std::fmod(a, 360.0);
  return a < 0 ? a + 360.0 : a;
}

}  // namespace

int arc_view_for_plane(const Vec3& x_axis, const Vec3& y_axis, double& angle_offset) {
  const Vec3 normal = unit_or_z(cross(x_axis, y_axis));
  const Frame f = arbitrary_axis_frame(normal);
  angle_offset = std::atan2(dot(x_axis, f.v), dot(x_axis, f.u)) * kDegPerRad;
  if (near(normal, Vec3{0, 0, 1})) return 1;
  for (const AxisView& a : kAxisViews) {
    if (!near(normal, a.normal)) continue;
    arc_view[a.view] = entry_of(arbitrary_axis_frame(a.normal));
    return a.view;
  }
  return shared_view(f);
}

bool ElementSink::open() const {
  return !mem_full;
}

void ElementSink::note_made(int layer, int line_type) {
  // The layer the store keeps: numbers out of range go to 252, as make_element puts them.
  layers_used_.set(layer >= 1 && layer <= 254 ? layer : 252);
  // Line types 10 and 20 make elements without counting them in the extents.
  if (line_type == 10 || line_type == 20) uncounted_ = true;
}

bool ElementSink::extents_are_visible_ones() const {
  if (uncounted_ || mem_full) return false;
  for (int layer = 0; layer < kLayers; ++layer)
    if (layers_used_.test(layer) && !layer_visible(layer)) return false;
  return true;
}

void ElementSink::point(const Vec3& p, const ElementStyle& s) {
  if (mem_full) return;
  if (make_element(get_new_element_number(), kPoint, p.x, p.y, p.z, 0, 0, 0, s.color, 0, s.layer, 0,
                   0) != 0) {
    ++report_.points;
    note_made(s.layer, 0);
  } else if (!mem_full) {
    report_.leave_out("point beyond the coordinate limit", LeftOut::kDamaged);
  }
}

void ElementSink::line(const Vec3& a, const Vec3& b, const ElementStyle& s) {
  if (mem_full) return;
  if (make_element(get_new_element_number(), kLine, a.x, a.y, a.z, b.x, b.y, b.z, s.color,
                   s.line_type, s.layer, 0, 0) != 0) {
    ++report_.lines;
    note_made(s.layer, s.line_type);
  } else if (!mem_full) {
    report_.leave_out("line beyond the coordinate limit", LeftOut::kDamaged);
  }
}

void ElementSink::chain(const std::vector<Vec3>& points, const ElementStyle& s) {
  for (std::size_t i = 1; i < points.size() && !mem_full; ++i)
    line(points[i - 1], points[i], s);
}

void ElementSink::arc_in_view(int view, const Vec3& c, double radius, double start, double end,
                              const ElementStyle& s) {
  if (mem_full) return;
  if (make_element(get_new_element_number(), kArc, c.x, c.y, c.z, radius, start, end, s.color,
                   s.line_type, s.layer, 0, view) != 0) {
    ++report_.arcs;
    note_made(s.layer, s.line_type);
  } else if (!mem_full) {
    report_.leave_out("arc beyond the coordinate limit", LeftOut::kDamaged);
  }
}

void ElementSink::arc(const Vec3& centre, const Vec3& x_axis, const Vec3& y_axis, double radius,
                      double start, double end, const ElementStyle& s) {
  if (!is_finite(centre) || !std::isfinite(radius) || radius <= 0 || !std::isfinite(start) ||
      !std::isfinite(end)) {
    report_.leave_out("arc", LeftOut::kDamaged);
    return;
  }
  double offset = 0;
  const int view = arc_view_for_plane(x_axis, y_axis, offset);
  if (view == 0) {
    report_.leave_out("arc", LeftOut::kNoPlane);
    const double sweep = start == end ? 360.0 : fold(end - start);
    chain(tessellate_ellipse(centre, radius * x_axis, radius * y_axis, start / kDegPerRad,
                             (start + (sweep == 0 ? 360.0 : sweep)) / kDegPerRad,
                             effective_chord_tolerance()),
          s);
    return;
  }
  const Frame f = frame_of(arc_view[view]);
  const Vec3 local{dot(centre, f.u), dot(centre, f.v), dot(centre, f.n)};
  if (offset == 0) {
    arc_in_view(view, local, radius, start, end, s);
  } else if (start == end) {
    arc_in_view(view, local, radius, 0, 360, s);
  } else {
    arc_in_view(view, local, radius, fold(start + offset), fold(end + offset), s);
  }
}

void ElementSink::conic_arc(const Vec3& c, const Vec3& a, const Vec3& b, double start, double end,
                            const ElementStyle& s) {
  const double la = length(a), lb = length(b);
  if (!is_finite(c) || !std::isfinite(la) || !std::isfinite(lb) || la == 0 || lb == 0 ||
      !std::isfinite(start) || !std::isfinite(end)) {
    report_.leave_out("curve", LeftOut::kDamaged);
    return;
  }
  const double scale = std::max(la, lb);
  if (std::fabs(la - lb) <= kSamePlane * scale && std::fabs(dot(a, b)) <= kSamePlane * la * lb) {
    arc(c, (1 / la) * a, (1 / lb) * b, la, start, end, s);
    return;
  }
  double sweep = end - start;
  if (sweep <= 0 || sweep > 360) sweep = start == end ? 360.0 : fold(sweep);
  if (sweep == 0) sweep = 360.0;
  chain(tessellate_ellipse(c, a, b, start / kDegPerRad, (start + sweep) / kDegPerRad,
                           effective_chord_tolerance()),
        s);
}

}  // namespace orvane
