// POINT, LINE, ARC, CIRCLE and the edges of 3DFACE, SOLID and TRACE.
#include <array>

#include "fileio/dxf_draw.h"

namespace orvane {

namespace {

bool same(const Vec3& a, const Vec3& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// The four corners of a face or solid, the fourth the third's copy when the file leaves it out.
std::array<Vec3, 4> corners(const DxfRecord& r) {
  std::array<Vec3, 4> c = {r.point(10), r.point(11), r.point(12), r.point(12)};
  if (r.has(13) || r.has(23) || r.has(33)) c[3] = r.point(13);
  return c;
}

void edge(const Vec3& a, const Vec3& b, const ElementStyle& s, DxfDraw& d) {
  if (!same(a, b)) d.line(a, b, s);
}

}  // namespace

void draw_dxf_point(const DxfRecord& r, DxfDraw& d) {
  d.point(r.point(10), d.style(r));
}

void draw_dxf_line(const DxfRecord& r, DxfDraw& d) {
  d.line(r.point(10), r.point(11), d.style(r));
}

void draw_dxf_circle(const DxfRecord& r, DxfDraw& d, bool whole) {
  const double start = whole ? 0 : r.number(50);
  const double end = whole ? 0 : r.number(51);
  d.ocs_arc(r.extrusion(), r.point(10), r.number(40), start, end, d.style(r));
}

// Edges 1 to 4 run from corner i to the next; bit i of group 70 hides edge i + 1.
void draw_dxf_face(const DxfRecord& r, DxfDraw& d) {
  const std::array<Vec3, 4> c = corners(r);
  const int hidden = r.integer(70);
  const ElementStyle s = d.style(r);
  for (int i = 0; i < 4; ++i)
    if ((hidden & (1 << i)) == 0) edge(c[i], c[(i + 1) % 4], s, d);
}

// A solid's corners zigzag: its outline runs 1, 2, 4, 3.
void draw_dxf_solid(const DxfRecord& r, DxfDraw& d) {
  std::array<Vec3, 4> c = corners(r);
  const Vec3 normal = r.extrusion();
  const double elevation = c[0].z;  // every corner lies at the elevation of the first
  for (Vec3& p : c) {
    p.z = elevation;
    p = ocs_to_wcs(normal, p);
  }
  const ElementStyle s = d.style(r);
  edge(c[0], c[1], s, d);
  edge(c[1], c[3], s, d);
  edge(c[3], c[2], s, d);
  edge(c[2], c[0], s, d);
}

}  // namespace orvane
