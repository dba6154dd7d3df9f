// LWPOLYLINE: vertices in the object coordinates of its plane at its elevation, each with the
// bulge of the side that starts there.
#include <vector>

#include "fileio/dxf_draw.h"

namespace orvane {

namespace {

struct LwVertex {
  Vec3 p;
  double bulge = 0;
};

std::vector<LwVertex> lw_vertices(const DxfRecord& r, double elevation) {
  std::vector<LwVertex> v;
  for (const DxfGroup& g : r.groups) {
    if (g.code == 10) {
      v.push_back({{g.number, 0, elevation}, 0});
    } else if (v.empty()) {
      continue;
    } else if (g.code == 20) {
      v.back().p.y = g.number;
    } else if (g.code == 42) {
      v.back().bulge = g.number;
    }
  }
  return v;
}

}  // namespace

void draw_dxf_lwpolyline(const DxfRecord& r, DxfDraw& d) {
  const std::vector<LwVertex> v = lw_vertices(r, r.number(38));
  if (v.size() < 2) {
    d.report().leave_out("LWPOLYLINE", LeftOut::kDamaged);
    return;
  }
  const Vec3 normal = r.extrusion();
  const ElementStyle s = d.style(r);
  for (std::size_t i = 1; i < v.size(); ++i)
    draw_bulge_segment(normal, v[i - 1].p, v[i].p, v[i - 1].bulge, s, d);
  if ((r.integer(70) & 1) != 0)
    draw_bulge_segment(normal, v.back().p, v[0].p, v.back().bulge, s, d);
}

}  // namespace orvane
