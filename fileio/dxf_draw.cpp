#include "fileio/dxf_draw.h"

#include <utility>

#include "core/colors.h"
#include "fileio/dxf.h"
#include "fileio/numbers.h"

namespace orvane {

Vec3 ocs_to_wcs(const Vec3& normal, const Vec3& p) {
  if (normal.x == 0 && normal.y == 0 && normal.z > 0) return p;
  return from_frame(arbitrary_axis_frame(unit_or_z(normal))).point(p);
}

TColor DxfDraw::layer_color(int layer) const {
  return layers_.has_color(layer) ? layers_.color(layer) : clLime;
}

ElementStyle DxfDraw::style(const DxfRecord& r, const ElementStyle* fallback) {
  const bool in_block = placement.depth > 0;
  ElementStyle s;
  if (const DxfGroup* g = r.find(8)) {
    const std::string_view name = trim(r.text(*g));
    s.layer = in_block && name == "0" ? placement.byblock.layer : layers_.number(name);
  } else {
    s.layer = fallback ? fallback->layer : in_block ? placement.byblock.layer : 1;
  }
  if (const DxfGroup* g = r.find(62)) {
    const int n = trunc_int(g->number);
    if (n == 0 && in_block) {
      s.color = placement.byblock.color;
    } else {
      s.color = n == 256 ? layer_color(s.layer) : set_dxf_color(n);
    }
  } else {
    s.color = fallback ? fallback->color : layer_color(s.layer);
  }
  if (const DxfGroup* g = r.find(6)) {
    const int t = line_type_of_name(trim(r.text(*g)));
    if (t == kLineTypeByLayer) {
      s.line_type = layers_.line_type(s.layer);
    } else if (t == kLineTypeByBlock) {
      s.line_type = in_block ? placement.byblock.line_type : 1;
    } else {
      s.line_type = t;
    }
  } else {
    s.line_type = fallback ? fallback->line_type : layers_.line_type(s.layer);
  }
  return s;
}

void DxfDraw::point(const Vec3& p, const ElementStyle& s) {
  sink_.point(placement.identity ? p : placement.transform.point(p), s);
}

void DxfDraw::line(const Vec3& a, const Vec3& b, const ElementStyle& s) {
  if (placement.identity) {
    sink_.line(a, b, s);
  } else {
    sink_.line(placement.transform.point(a), placement.transform.point(b), s);
  }
}

void DxfDraw::chain(std::vector<Vec3> points, const ElementStyle& s) {
  if (!placement.identity) {
    for (Vec3& p : points)
      p = placement.transform.point(p);
  }
  sink_.chain(points, s);
}

void DxfDraw::ocs_arc(const Vec3& normal, const Vec3& centre, double radius, double start,
                      double end, const ElementStyle& s) {
  if (placement.identity && normal.x == 0 && normal.y == 0 && normal.z > 0) {
    sink_.arc_in_view(1, centre, radius, start, end, s);
    return;
  }
  const Frame f = arbitrary_axis_frame(unit_or_z(normal));
  if (placement.identity) {
    double offset = 0;
    const int view = arc_view_for_plane(f.u, f.v, offset);
    if (view != 0) {
      sink_.arc_in_view(view, centre, radius, start, end, s);
      return;
    }
  }
  conic(from_frame(f).point(centre), radius * f.u, radius * f.v, start, end, s);
}

void DxfDraw::conic(const Vec3& c, const Vec3& a, const Vec3& b, double start, double end,
                    const ElementStyle& s) {
  if (placement.identity) {
    sink_.conic_arc(c, a, b, start, end, s);
  } else {
    const Affine3& t = placement.transform;
    sink_.conic_arc(t.point(c), t.linear(a), t.linear(b), start, end, s);
  }
}

void DxfDraw::nurbs(NurbsCurve curve, const ElementStyle& s) {
  if (!placement.identity) {
    for (Vec3& p : curve.control)
      p = placement.transform.point(p);  // splines keep their shape under affine maps
  }
  sink_.chain(tessellate_nurbs(curve, effective_chord_tolerance()), s);
}

namespace {

bool is_one_of(std::string_view type, std::initializer_list<std::string_view> names) {
  for (std::string_view n : names)
    if (type == n) return true;
  return false;
}

}  // namespace

void draw_dxf_item(const DxfItem& item, DxfDraw& d) {
  const DxfRecord& r = item.head;
  const std::string_view type = r.type;
  if (r.integer(67) == 1) {
    d.report().leave_out(type, LeftOut::kPaperSpace);
    return;
  }
  if (type == "LINE") return draw_dxf_line(r, d);
  if (type == "POINT") return draw_dxf_point(r, d);
  if (type == "ARC") return draw_dxf_circle(r, d, false);
  if (type == "CIRCLE") return draw_dxf_circle(r, d, true);
  if (type == "POLYLINE") return draw_dxf_polyline(item, d);
  if (type == "LWPOLYLINE") return draw_dxf_lwpolyline(r, d);
  if (type == "INSERT") return draw_dxf_insert(item, d);
  if (type == "ELLIPSE") return draw_dxf_ellipse(r, d);
  if (type == "SPLINE") return draw_dxf_spline(r, d);
  if (type == "3DFACE") return draw_dxf_face(r, d);
  if (type == "SOLID" || type == "TRACE") return draw_dxf_solid(r, d);
  if (type == "DIMENSION" || type == "ARC_DIMENSION" || type == "LARGE_RADIAL_DIMENSION") {
    return draw_dxf_dimension(r, d);
  }
  if (type == "RAY" || type == "XLINE") {
    d.report().leave_out(type, LeftOut::kInfinite);
  } else if (is_one_of(type, {"VERTEX", "SEQEND"})) {
    d.report().leave_out(type, LeftOut::kDamaged);  // without the entity it belongs to
  } else {
    d.report().leave_out(type, LeftOut::kUnsupported);
  }
}

}  // namespace orvane
