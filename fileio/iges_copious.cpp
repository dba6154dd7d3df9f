// Copious data (106): points, polylines and closed planar curves, given as (x, y) pairs with a
// common z, as (x, y, z) triples, or as triples each followed by a vector.
#include <vector>

#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

// The points of the entity in model space; false when the data is damaged.
bool read_points(const Place& p, std::vector<Vec3>& out) {
  int ip = 0, n = 0;
  const Params& q = p.params;
  if (!q.integer(1, ip) || !q.integer(2, n) || ip < 1 || ip > 3 || n < 1) return false;
  const std::size_t stride = ip == 1 ? 2 : ip == 2 ? 3 : 6;
  const std::size_t first = ip == 1 ? 4 : 3;
  if (q.size() < first + stride * static_cast<std::size_t>(n)) return false;
  double zt = 0;
  if (ip == 1 && !q.real(3, zt)) return false;
  out.reserve(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    const std::size_t at = first + i * stride;
    Vec3 v{0, 0, zt};
    if (!q.real(at, v.x) || !q.real(at + 1, v.y) || (ip != 1 && !q.real(at + 2, v.z))) {
      return false;
    }
    out.push_back(p.map.point(v));
  }
  return true;
}

}  // namespace

void draw_copious(Drawer& d, const Place& p) {
  const int form = p.entry.form;
  const bool points = form >= 1 && form <= 3;
  const bool polyline = (form >= 11 && form <= 13) || form == 63;
  // Centre lines, section lines and witness lines are drafting annotation.
  if (!points && !polyline) return d.leave_out(p.entry, LeftOut::kUnsupported, true);
  std::vector<Vec3> v;
  if (!read_points(p, v)) return d.leave_out(p.entry, LeftOut::kDamaged);
  if (points) {
    for (const Vec3& x : v) {
      if (is_finite(x)) d.sink().point(x, p.style);
    }
    return;
  }
  if (form == 63 && v.size() > 2) v.push_back(v.front());
  d.chain(v, p);
}

}  // namespace orvane::iges
