// Curves the element store cannot hold (ellipses, splines, conics) as chains of points that stay
// within a chord tolerance of the true curve. Shared by every reader.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fileio/geometry3d.h"

namespace orvane {

// The largest distance, in drawing units, between a curve and the line chain drawn for it.
// Applications may set it; values that are not positive and finite count as the default.
inline constexpr double kDefaultChordTolerance = 0.01;
extern double chord_tolerance;
// The tolerance in force: chord_tolerance, or the default when it is not usable.
double effective_chord_tolerance();
// No curve is cut into more segments than this, whatever the tolerance, so that a hostile
// file cannot make a single curve fill memory; such a curve is then drawn more coarsely.
inline constexpr int kMaxCurveSegments = 20000;

// Points of c + a cos t + b sin t for t from t0 to t1 (radians, t0 < t1), both ends included,
// within tol of the curve. a and b need not be perpendicular (an affine image of a circle).
// No points when t1 <= t0 or any value is not finite.
std::vector<Vec3> tessellate_ellipse(const Vec3& c, const Vec3& a, const Vec3& b, double t0,
                                     double t1, double tol);

// A B-spline curve: degree p, knots (count = control points + p + 1, non-decreasing), control
// points and, for a rational curve, one positive weight per control point (empty: all 1).
struct NurbsCurve {
  int degree = 3;
  std::vector<double> knots;
  std::vector<Vec3> control;
  std::vector<double> weights;
};

// True when the curve can be evaluated: degree 1..kMaxSplineDegree, enough control points, the
// knot count matching, knots finite and non-decreasing with a span of positive length between
// knots[degree] and knots[control.size()], weights (when given) finite and positive, control
// points finite. Otherwise false, with the reason in words in why (when not null).
inline constexpr int kMaxSplineDegree = 25;
bool valid_nurbs(const NurbsCurve& curve, std::string* why = nullptr);

// The point at parameter u (knots[degree] <= u <= knots[control.size()]) of a valid curve.
Vec3 nurbs_point(const NurbsCurve& curve, double u);

// Points along a valid curve from knots[degree] to knots[control.size()], both ends included,
// within tol (at most kMaxCurveSegments segments).
std::vector<Vec3> tessellate_nurbs(const NurbsCurve& curve, double tol);

// The cubic (or lower degree when there are fewer points) B-spline through the fit points, with
// chord-length parameters; start and end tangents are used when given (not null, non-zero).
// A tangent gives the direction only; each one adds a condition, and so may raise the degree.
// False when fewer than two distinct points are given or the system cannot be solved.
bool interpolate_fit_points(const std::vector<Vec3>& fit, const Vec3* start_tangent,
                            const Vec3* end_tangent, NurbsCurve& out);

// Points of any continuous curve f over [t0, t1], both ends included, refined until each chord
// stays within tol of f at the chord's interior samples (at most kMaxCurveSegments segments).
// No points when t1 <= t0 or either is not finite; points where f is not finite are left out.
std::vector<Vec3> tessellate_function(const std::function<Vec3(double)>& f, double t0, double t1,
                                      double tol);

}  // namespace orvane
