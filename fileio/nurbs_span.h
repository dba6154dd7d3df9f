// Knot-span search shared by spline evaluation and interpolation.
#pragma once

#include <cstddef>
#include <vector>

#include "fileio/curve_tessellation.h"

namespace orvane {

// The index k (p <= k < count) of the knot span [knots[k], knots[k + 1]) of positive length
// holding u, for a knot vector of count + p + 1 non-decreasing values with a positive range
// between knots[p] and knots[count]. u outside that range (or NaN) is taken at the nearer end;
// u at the upper end belongs to the last span of positive length.
std::size_t find_span(const std::vector<double>& knots, int p, std::size_t count, double& u);

// The point at u of the polynomial piece of a curve (with consistent sizes) on the knot span k of
// positive length; at u = knots[k + 1] this is the limit from the left.
Vec3 span_point(const NurbsCurve& curve, std::size_t k, double u);

}  // namespace orvane
