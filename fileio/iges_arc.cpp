// Circular arcs (100): counterclockwise in a plane z = ZT of their own coordinates, placed in
// the model by their matrix.
#include <cmath>

#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

constexpr double kDegPerRad = 57.29577951308232;

// True when the map keeps circles circles: the images of the two axes are perpendicular and of
// one length.
bool keeps_circles(const Vec3& a, const Vec3& b) {
  const double la = length(a), lb = length(b);
  const double scale = std::max(la, lb);
  return scale > 0 && std::fabs(la - lb) <= 1e-9 * scale &&
         std::fabs(dot(a, b)) <= 1e-9 * scale * scale;
}

}  // namespace

void draw_circular_arc(Drawer& d, const Place& p) {
  double zt = 0, cx = 0, cy = 0, sx = 0, sy = 0, ex = 0, ey = 0;
  const Params& q = p.params;
  if (q.size() < 8 || !q.real(1, zt) || !q.real(2, cx) || !q.real(3, cy) || !q.real(4, sx) ||
      !q.real(5, sy) || !q.real(6, ex) || !q.real(7, ey)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  const double radius = std::hypot(sx - cx, sy - cy);
  const Vec3 centre = p.map.point({cx, cy, zt});
  const Vec3 a = p.map.linear({radius, 0, 0});
  const Vec3 b = p.map.linear({0, radius, 0});
  if (!(radius > 0) || !std::isfinite(radius) || !is_finite(centre) || !is_finite(a) ||
      !is_finite(b)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  const double start = std::atan2(sy - cy, sx - cx) * kDegPerRad;
  double end = std::atan2(ey - cy, ex - cx) * kDegPerRad;
  // Start and end points that coincide make a whole circle.
  if (sx == ex && sy == ey) end = start;
  if (keeps_circles(a, b)) {
    const double r = length(a);
    d.sink().arc(centre, (1 / r) * a, (1 / length(b)) * b, r, start, end, p.style);
  } else {
    d.sink().conic_arc(centre, a, b, start, end, p.style);
  }
}

}  // namespace orvane::iges
