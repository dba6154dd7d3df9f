// The hit tests of single elements: on_element and the point, line and arc tests it chooses.
#include <cmath>

#include "component/pick.h"
#include "component/pick_hit_test.h"
#include "core/helpers.h"
#include "core/state.h"

namespace orvane {

namespace pick_detail {

namespace {

// The view coordinates of a model point that the isometric window's pixel-to-model conversion
// gave: that conversion is linear and invertible, so the pointer's view coordinates are exact.
PlanePoint isometric_view_coordinates(double x, double y) {
  constexpr double kAlpha = 0.9553164380543135;
  constexpr double kSixty = 1.0471975511962746;
  constexpr double kThirty = 0.5235987755981373;
  const double sum = y / (std::sin(kAlpha) * std::sin(kSixty));
  const double difference = -x / (std::sin(kAlpha) * std::sin(kThirty));
  return {(sum - difference) / 2, (sum + difference) / 2};
}

}  // namespace

HitProbe make_probe(int window, double x, double y, double z, double scale, double tolerance) {
  HitProbe p;
  if (!is_view_number(window)) return p;
  p.window = window;
  p.scale = scale;
  p.tolerance = tolerance;
  p.points_only = type_of_pick == 11;
  switch (window) {
    case 1:
      p.at = p.arc_at = {x, y};
      break;
    case 2:
      p.at = p.arc_at = {x, z};
      break;
    case 3:
      p.at = p.arc_at = {y, z};
      break;
    default:
      p.at = isometric_view_coordinates(x, y);
      p.arc_at = {x, y};
      p.ax = coff_ax, p.bx = coff_bx, p.cx = coff_cx;
      p.ay = coff_ay, p.by = coff_by, p.cy = coff_cy;
      break;
  }
  return p;
}

}  // namespace pick_detail

using pick_detail::HitProbe;
using pick_detail::make_probe;
using pick_detail::PlanePoint;
using pick_detail::squared_distance;

bool on_element(int window, double x, double y, double z, double scale, double tolerance,
                const TElement* e, double& o1, double& o2, double& o3) {
  if (e == nullptr || !is_view_number(window)) return false;
  if (!e->deleted && !layer_visible(e->layer)) return false;
  if (type_of_pick == 11) {
    return e->element_type == kPoint && on_point(window, x, y, z, scale, tolerance, e, o1, o2, o3);
  }
  switch (e->element_type) {
    case kPoint:
    case 5:
    case 6:
      return on_point(window, x, y, z, scale, 2 * tolerance, e, o1, o2, o3);
    case kLine:
    case 7:
    case 9:
      return on_line(window, x, y, z, scale, tolerance, e, o1, o2, o3);
    case kArc:
      return on_arc(window, x, y, z, scale, tolerance, e, o1, o2, o3);
    default:
      return false;
  }
}

bool on_point(int window, double x, double y, double z, double scale, double tolerance,
              const TElement* e, double& o1, double& o2, double&) {
  const HitProbe p = make_probe(window, x, y, z, scale, tolerance);
  if (e == nullptr || p.window == 0) return false;
  return pick_detail::in_window(p.window, [&](auto w) {
    double d;
    if (!pick_detail::hit_point<w()>(p, e->values, tolerance, d)) return false;
    const PlanePoint at = pick_detail::test_plane<w()>(p, e->values);
    o1 = at.x;
    o2 = at.y;
    return true;
  });
}

bool on_line(int window, double x, double y, double z, double scale, double tolerance,
             const TElement* e, double& o1, double& o2, double& o3) {
  const HitProbe p = make_probe(window, x, y, z, scale, tolerance);
  if (e == nullptr || p.window == 0) return false;
  return pick_detail::in_window(p.window, [&](auto w) {
    const double* v = e->values;
    double d;
    if (!pick_detail::hit_line<w()>(p, v, d)) return false;
    // The end whose projection is nearer to the pointer; the second end on a tie.
    const double d1 = squared_distance(pick_detail::test_plane<w()>(p, v), p.at);
    const double d2 = squared_distance(pick_detail::test_plane<w()>(p, v + 3), p.at);
    const double* end = d1 < d2 ? v : v + 3;
    o1 = end[0];
    o2 = end[1];
    o3 = end[2];
    return true;
  });
}

bool on_arc(int window, double x, double y, double z, double scale, double tolerance,
            const TElement* e, double& o1, double& o2, double& o3) {
  const HitProbe p = make_probe(window, x, y, z, scale, tolerance);
  if (e == nullptr || p.window == 0) return false;
  const bool hit = pick_detail::in_window(p.window, [&](auto w) {
    double d;
    return pick_detail::hit_arc<w()>(p, *e, d);
  });
  if (!hit) return false;
  const double* v = e->values;
  const pick_detail::ArcSpan span = pick_detail::arc_span(v[4], v[5]);
  const double s = span.start / kDegPerRad;
  const double t = span.end / kDegPerRad;
  const PlanePoint e1{v[0] + v[3] * std::cos(s), v[1] + v[3] * std::sin(s)};
  const PlanePoint e2{v[0] + v[3] * std::cos(t), v[1] + v[3] * std::sin(t)};
  const bool second_nearer =
      pick_detail::squared_distance(p.arc_at, e2) < pick_detail::squared_distance(p.arc_at, e1);
  const PlanePoint near = second_nearer ? e2 : e1;
  const PlanePoint far = second_nearer ? e1 : e2;
  o1 = near.x;
  o2 = near.y;
  o3 = v[2];
  global_farend_point = {far.x, far.y, v[2]};
  return true;
}

}  // namespace orvane
