// Knot-span search shared by spline evaluation and interpolation.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "fileio/curve_tessellation.h"

namespace orvane {

// The index k (p <= k < count) of the knot span [knots[k], knots[k + 1]) of positive length
// holding u, for a knot vector of count + p + 1 non-decreasing values with a positive range
// between knots[p] and knots[count]. u outside that range (or NaN) is taken at the nearer end;
// u at the upper end belongs to the last span of positive length.
std::size_t find_span(const std::vector<double>& knots, int p, std::size_t count, double& u);

// A point of a rational curve before the division by its weight: (w x, w y, w z, w).
using Homogeneous = std::array<double, 4>;

// The same point as span_point, before the division.
Homogeneous span_homogeneous(const NurbsCurve& curve, std::size_t k, double u);

// The point at u of the polynomial piece of a curve (with consistent sizes) on the knot span k of
// positive length; at u = knots[k + 1] this is the limit from the left.
Vec3 span_point(const NurbsCurve& curve, std::size_t k, double u);

// One span of a curve of degree 1 to 3 as its polynomial in Newton form over p + 1 equally
// spaced samples: each further point costs a few multiplications instead of a de Boor pass.
class SpanPolynomial {
 public:
  SpanPolynomial(const NurbsCurve& curve, std::size_t k, double a, double b);
  Vec3 operator()(double u) const;

 private:
  int p_;
  double a_, scale_;       // x = (u - a) * scale runs from 0 to p over the span
  Homogeneous d_[4] = {};  // the sample at x = 0 and its forward differences, divided by j!
};

}  // namespace orvane
