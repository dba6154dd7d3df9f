#include "fileio/dxf_arc_plane.h"

#include <cmath>

#include "core/helpers.h"
#include "core/state.h"

namespace orvane {

namespace {

bool is_world_xy(const Frame& f) {
  return f.u.x == 1 && f.u.y == 0 && f.u.z == 0 && f.v.x == 0 && f.v.y == 1 && f.v.z == 0;
}

// The in-plane axes of an arc's view and its centre in the world; false when the view gives
// none.
bool arc_axes(const TElement& e, Frame& f, Vec3& centre) {
  const Vec3 c{e.values[0], e.values[1], e.values[2]};
  switch (e.view) {
    case -2:  // the world XZ plane, centre in world coordinates
      f = Frame{{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
      centre = c;
      return true;
    case -3:  // the world YZ plane
      f = Frame{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
      centre = c;
      return true;
    default:
      break;
  }
  if (e.view < 1 || e.view > kArcViews || !arc_view[e.view].defined) return false;
  const view_entry& v = arc_view[e.view];
  f = Frame{{v.ax, v.bx, v.cx}, {v.ay, v.by, v.cy}, {v.az, v.bz, v.cz}};
  centre = from_frame(f).point(c);
  return true;
}

}  // namespace

bool dxf_arc_plane(const TElement& e, DxfArcPlane& out) {
  Frame f;
  Vec3 centre;
  if (!arc_axes(e, f, centre) || is_world_xy(f)) return false;
  // The arc turns counterclockwise from u towards v: its extrusion is u x v.
  out.normal = unit_or_z(cross(f.u, f.v));
  const Frame g = arbitrary_axis_frame(out.normal);
  out.centre = {dot(centre, g.u), dot(centre, g.v), dot(centre, g.n)};
  const double offset = std::atan2(dot(f.u, g.v), dot(f.u, g.u)) * kDegPerRad;
  out.start = e.values[4];
  out.end = e.values[5];
  if (std::fabs(offset) > 1e-12) {
    out.start = std::fmod(out.start + offset + 360, 360);
    out.end = std::fmod(out.end + offset + 360, 360);
  }
  return true;
}

}  // namespace orvane
