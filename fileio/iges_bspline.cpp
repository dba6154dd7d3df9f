// Rational B-spline curves (126): K + 1 control points of degree M, knots T(-M)..T(N+M),
// weights, and the parameter range V(0)..V(1) that is drawn.
#include <algorithm>
#include <vector>

#include "fileio/curve_tessellation.h"
#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

// The curve in model space (control points mapped: B-splines are affine invariant) and its
// range; false when the data is missing or not numbers.
bool read_curve(const Place& p, NurbsCurve& curve, double& v0, double& v1) {
  const Params& q = p.params;
  int k = 0, m = 0;
  if (!q.integer(1, k) || !q.integer(2, m) || k < 0 || m < 0) return false;
  const std::size_t points = static_cast<std::size_t>(k) + 1;
  const std::size_t knots = points + static_cast<std::size_t>(m) + 1;
  const std::size_t at_knots = 7, at_weights = at_knots + knots, at_points = at_weights + points;
  const std::size_t at_range = at_points + 3 * points;
  // The counts are checked against the fields present before anything is allocated.
  if (q.size() < at_range + 2) return false;
  curve.degree = m;
  curve.knots.resize(knots);
  curve.weights.resize(points);
  curve.control.resize(points);
  for (std::size_t i = 0; i < knots; ++i) {
    if (!q.real(at_knots + i, curve.knots[i])) return false;
  }
  for (std::size_t i = 0; i < points; ++i) {
    Vec3 c;
    if (!q.real(at_weights + i, curve.weights[i]) || !q.vec(at_points + 3 * i, c)) return false;
    curve.control[i] = p.map.point(c);
  }
  return q.real(at_range, v0) && q.real(at_range + 1, v1);
}

}  // namespace

void draw_bspline(Drawer& d, const Place& p) {
  NurbsCurve curve;
  double v0 = 0, v1 = 0;
  if (!read_curve(p, curve, v0, v1) || !valid_nurbs(curve)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  const double lo = curve.knots[static_cast<std::size_t>(curve.degree)];
  const double hi = curve.knots[curve.control.size()];
  v0 = std::clamp(v0, lo, hi);
  v1 = std::clamp(v1, lo, hi);
  const double tol = effective_chord_tolerance();
  if (v0 >= v1 || (v0 == lo && v1 == hi)) {
    d.chain(tessellate_nurbs(curve, tol), p);
  } else {
    d.chain(tessellate_function([&](double u) { return nurbs_point(curve, u); }, v0, v1, tol), p);
  }
}

}  // namespace orvane::iges
