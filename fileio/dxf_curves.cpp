// ELLIPSE and SPLINE, drawn as line chains within the chord tolerance (an ellipse that is a
// circle becomes an arc).
#include <cmath>
#include <vector>

#include "core/helpers.h"
#include "fileio/curve_tessellation.h"
#include "fileio/dxf_draw.h"

namespace orvane {

namespace {

constexpr double kTurn = 6.283185307179586;
constexpr int kRational = 4;

struct SplineGroups {
  int degree = 3;
  std::vector<double> knots, weights;
  std::vector<Vec3> control, fit;
  Vec3 start_tangent, end_tangent;
  bool has_start_tangent = false, has_end_tangent = false;
};

// Coordinates of repeated points arrive as runs of x, y, z groups.
void add_coordinate(std::vector<Vec3>& points, int axis, double value) {
  if (axis == 0) points.push_back({value, 0, 0});
  if (points.empty()) return;
  if (axis == 1) points.back().y = value;
  if (axis == 2) points.back().z = value;
}

SplineGroups spline_groups(const DxfRecord& r) {
  SplineGroups s;
  s.degree = r.integer(71, 3);
  for (const DxfGroup& g : r.groups) {
    const double v = g.number;
    switch (g.code) {
      case 40:
        s.knots.push_back(v);
        break;
      case 41:
        s.weights.push_back(v);
        break;
      case 10:
      case 20:
      case 30:
        add_coordinate(s.control, g.code / 10 - 1, v);
        break;
      case 11:
      case 21:
      case 31:
        add_coordinate(s.fit, g.code / 10 - 1, v);
        break;
      case 12:
        s.start_tangent.x = v, s.has_start_tangent = true;
        break;
      case 22:
        s.start_tangent.y = v;
        break;
      case 32:
        s.start_tangent.z = v;
        break;
      case 13:
        s.end_tangent.x = v, s.has_end_tangent = true;
        break;
      case 23:
        s.end_tangent.y = v;
        break;
      case 33:
        s.end_tangent.z = v;
        break;
      default:
        break;
    }
  }
  return s;
}

// The curve its control points give; false when they do not give a valid one.
bool control_curve(const SplineGroups& s, bool rational, NurbsCurve& c) {
  if (s.control.empty()) return false;
  c.degree = s.degree;
  c.knots = s.knots;
  c.control = s.control;
  if (rational || s.weights.size() == s.control.size()) c.weights = s.weights;
  if (c.weights.size() != c.control.size()) c.weights.clear();
  return valid_nurbs(c);
}

bool fit_curve(const SplineGroups& s, NurbsCurve& c) {
  return s.fit.size() >= 2 &&
         interpolate_fit_points(s.fit, s.has_start_tangent ? &s.start_tangent : nullptr,
                                s.has_end_tangent ? &s.end_tangent : nullptr, c);
}

}  // namespace

void draw_dxf_ellipse(const DxfRecord& r, DxfDraw& d) {
  const Vec3 centre = r.point(10);
  const Vec3 major = r.point(11);
  const double ratio = r.number(40, 1);
  const double t0 = r.number(41, 0), t1 = r.number(42, kTurn);
  if (!(ratio > 0) || !std::isfinite(ratio) || !std::isfinite(t0) || !std::isfinite(t1)) {
    d.report().leave_out("ELLIPSE", LeftOut::kDamaged);
    return;
  }
  const Vec3 minor = ratio * cross(unit_or_z(r.extrusion()), major);
  const bool whole = std::fabs(std::fabs(t1 - t0) - kTurn) < 1e-9 || t1 == t0;
  d.conic(centre, major, minor, whole ? 0 : t0 * kDegPerRad, whole ? 0 : t1 * kDegPerRad,
          d.style(r));
}

void draw_dxf_spline(const DxfRecord& r, DxfDraw& d) {
  const SplineGroups s = spline_groups(r);
  NurbsCurve curve;
  if (!control_curve(s, (r.integer(70) & kRational) != 0, curve) && !fit_curve(s, curve)) {
    d.report().leave_out("SPLINE", LeftOut::kDamaged);
    return;
  }
  d.nurbs(std::move(curve), d.style(r));
}

}  // namespace orvane
