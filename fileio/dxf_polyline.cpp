// POLYLINE with its VERTEX records: 2D and 3D polylines (bulges as arcs), polygon meshes and
// polyface meshes as their edges; and the bulge arc shared with LWPOLYLINE.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <unordered_set>
#include <utility>

#include "core/helpers.h"
#include "fileio/dxf_draw.h"

namespace orvane {

namespace {

constexpr int kClosed = 1, kSplineFrame = 16, k3dPolyline = 8, kMesh = 16, kClosedN = 32,
              kPolyface = 64, kFaceRecord = 128, kMeshVertex = 64;

struct Vertex {
  const DxfRecord* record;
  Vec3 p;
  double bulge;
};

// The VERTEX records that carry the curve (spline frame points are not part of it).
std::vector<Vertex> curve_vertices(const DxfItem& item, bool flat, double elevation) {
  std::vector<Vertex> v;
  for (const DxfRecord& r : item.children) {
    if (r.type != "VERTEX" || (r.integer(70) & kSplineFrame) != 0) continue;
    Vec3 p = r.point(10);
    if (flat) p.z = elevation;
    v.push_back({&r, p, flat ? r.number(42) : 0});
  }
  return v;
}

void draw_path(const DxfItem& item, DxfDraw& d) {
  const DxfRecord& head = item.head;
  const int flags = head.integer(70);
  const bool flat = (flags & k3dPolyline) == 0;
  const Vec3 normal = flat ? head.extrusion() : Vec3{0, 0, 1};
  const std::vector<Vertex> v = curve_vertices(item, flat, head.point(10).z);
  const ElementStyle header = d.style(head);
  // Each side takes the colour, layer and line type of the vertex that ends it; the closing
  // side those of the SEQEND record; groups they lack come from the POLYLINE record.
  for (std::size_t i = 1; i < v.size(); ++i) {
    draw_bulge_segment(normal, v[i - 1].p, v[i].p, v[i - 1].bulge, d.style(*v[i].record, &header),
                       d);
  }
  if ((flags & kClosed) != 0 && v.size() >= 2) {
    const ElementStyle closing = item.has_tail ? d.style(item.tail, &header) : header;
    draw_bulge_segment(normal, v.back().p, v.front().p, v.back().bulge, closing, d);
  }
}

std::vector<Vec3> mesh_points(const DxfItem& item) {
  std::vector<Vec3> points;
  for (const DxfRecord& r : item.children)
    if (r.type == "VERTEX") points.push_back(r.point(10));
  return points;
}

void draw_mesh(const DxfItem& item, DxfDraw& d) {
  const DxfRecord& head = item.head;
  const int flags = head.integer(70);
  const int64_t m = head.integer(71), n = head.integer(72);
  const std::vector<Vec3> p = mesh_points(item);
  if (m < 1 || n < 1 || m * n != static_cast<int64_t>(p.size())) {
    d.report().leave_out("POLYLINE", LeftOut::kDamaged);
    return;
  }
  const ElementStyle s = d.style(head);
  auto at = [&](int64_t i, int64_t j) { return p[static_cast<std::size_t>(i * n + j)]; };
  for (int64_t i = 0; i < m; ++i) {
    for (int64_t j = 0; j + 1 < n; ++j)
      d.line(at(i, j), at(i, j + 1), s);
    if ((flags & kClosedN) != 0 && n > 2) d.line(at(i, n - 1), at(i, 0), s);
  }
  for (int64_t j = 0; j < n; ++j) {
    for (int64_t i = 0; i + 1 < m; ++i)
      d.line(at(i, j), at(i + 1, j), s);
    if ((flags & kClosed) != 0 && m > 2) d.line(at(m - 1, j), at(0, j), s);
  }
}

// A polyface mesh: position vertices, then face records that index them (from 1; a negative
// index hides the edge that starts there). An edge shared by two faces is drawn once.
void draw_polyface(const DxfItem& item, DxfDraw& d) {
  std::vector<Vec3> p;
  for (const DxfRecord& r : item.children) {
    if (r.type == "VERTEX" && (r.integer(70) & kMeshVertex) != 0) p.push_back(r.point(10));
  }
  const ElementStyle header = d.style(item.head);
  std::unordered_set<uint64_t> drawn;
  for (const DxfRecord& r : item.children) {
    const int f = r.integer(70);
    if (r.type != "VERTEX" || (f & kFaceRecord) == 0 || (f & kMeshVertex) != 0) continue;
    int index[4];
    int k = 0;
    for (int code = 71; code <= 74; ++code)
      if (const int i = r.integer(code); i != 0) index[k++] = i;
    const ElementStyle s = d.style(r, &header);
    for (int e = 0; e < k && k >= 2; ++e) {
      const int64_t a = index[e], b = std::abs(index[(e + 1) % k]);
      if (a < 0) continue;
      if (a > static_cast<int64_t>(p.size()) || b > static_cast<int64_t>(p.size()) || b == 0) {
        d.report().leave_out("VERTEX", LeftOut::kDamaged);
        continue;
      }
      const uint64_t key = static_cast<uint64_t>(std::min(a, b)) << 32 | std::max(a, b);
      if (a != b && drawn.insert(key).second) d.line(p[a - 1], p[b - 1], s);
    }
  }
}

}  // namespace

void draw_bulge_segment(const Vec3& normal, const Vec3& a, const Vec3& b, double bulge,
                        const ElementStyle& s, DxfDraw& d) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double chord = std::hypot(dx, dy);
  const double sweep = 4 * std::atan(std::fabs(bulge)) * kDegPerRad;
  if (!std::isfinite(bulge) || !(sweep > 1e-3) || !(chord > 0) || !std::isfinite(chord)) {
    d.line(ocs_to_wcs(normal, a), ocs_to_wcs(normal, b), s);
    return;
  }
  // The centre lies on the chord's perpendicular bisector, to the left for a positive bulge
  // of less than a half circle.
  const double h = chord * (1 - bulge * bulge) / (4 * bulge);
  const double cx = (a.x + b.x) / 2 - h * dy / chord;
  const double cy = (a.y + b.y) / 2 + h * dx / chord;
  const double radius = chord * (1 + bulge * bulge) / (4 * std::fabs(bulge));
  double from = std::atan2(a.y - cy, a.x - cx) * kDegPerRad;
  double to = std::atan2(b.y - cy, b.x - cx) * kDegPerRad;
  if (bulge < 0) std::swap(from, to);
  if (from < 0) from += 360;
  if (to < 0) to += 360;
  d.ocs_arc(normal, {cx, cy, a.z}, radius, from, to, s);
}

void draw_dxf_polyline(const DxfItem& item, DxfDraw& d) {
  const int flags = item.head.integer(70);
  if ((flags & kPolyface) != 0) {
    draw_polyface(item, d);
  } else if ((flags & kMesh) != 0) {
    draw_mesh(item, d);
  } else {
    draw_path(item, d);
  }
}

}  // namespace orvane
