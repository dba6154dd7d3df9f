#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "fileio/curve_tessellation.h"
#include "fileio/nurbs_span.h"

namespace orvane {

namespace {

// The sizes of the curve's parts agree with its degree; empty when they do.
std::string shape_problem(const NurbsCurve& c) {
  if (c.degree < 1 || c.degree > kMaxSplineDegree) {
    return "degree " + std::to_string(c.degree) + " outside 1.." + std::to_string(kMaxSplineDegree);
  }
  const std::size_t p = c.degree;
  const std::size_t n = c.control.size();
  if (n < p + 1) {
    return std::to_string(n) + " control points, degree " + std::to_string(p) + " needs at least " +
           std::to_string(p + 1);
  }
  if (c.knots.size() != n + p + 1) {
    return "knot count " + std::to_string(c.knots.size()) + ", expected " +
           std::to_string(n + p + 1);
  }
  if (!c.weights.empty() && c.weights.size() != n) {
    return "weight count " + std::to_string(c.weights.size()) + ", expected " + std::to_string(n);
  }
  return {};
}

std::string knot_problem(const NurbsCurve& c) {
  for (std::size_t i = 0; i < c.knots.size(); ++i) {
    if (!std::isfinite(c.knots[i])) return "knot " + std::to_string(i) + " not finite";
    if (i > 0 && c.knots[i] < c.knots[i - 1]) {
      return "knots out of order at " + std::to_string(i);
    }
  }
  const double lo = c.knots[c.degree];
  const double hi = c.knots[c.control.size()];
  if (!(hi > lo)) return "no knot span of positive length";
  if (!std::isfinite(hi - lo)) return "knot range too wide";
  return {};
}

std::string value_problem(const NurbsCurve& c) {
  for (std::size_t i = 0; i < c.weights.size(); ++i) {
    if (!std::isfinite(c.weights[i])) return "weight " + std::to_string(i) + " not finite";
    if (!(c.weights[i] > 0)) return "weight " + std::to_string(i) + " not positive";
  }
  for (std::size_t i = 0; i < c.control.size(); ++i) {
    if (!is_finite(c.control[i])) return "control point " + std::to_string(i) + " not finite";
  }
  return {};
}

}  // namespace

std::size_t find_span(const std::vector<double>& knots, int p, std::size_t count, double& u) {
  const double lo = knots[p];
  const double hi = knots[count];
  if (!(u > lo)) u = lo;
  if (u > hi) u = hi;
  if (u >= hi) {
    std::size_t k = count - 1;
    while (k > static_cast<std::size_t>(p) && !(knots[k] < knots[k + 1]))
      --k;
    return k;
  }
  // The last k in [p, count) with knots[k] <= u; that span has positive length as u < hi.
  const auto first = knots.begin() + p;
  const auto last = knots.begin() + count;
  return static_cast<std::size_t>(std::upper_bound(first, last, u) - knots.begin()) - 1;
}

bool valid_nurbs(const NurbsCurve& curve, std::string* why) {
  std::string problem = shape_problem(curve);
  if (problem.empty()) problem = knot_problem(curve);
  if (problem.empty()) problem = value_problem(curve);
  if (why) *why = problem;
  return problem.empty();
}

Vec3 nurbs_point(const NurbsCurve& curve, double u) {
  if (!shape_problem(curve).empty()) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
  }
  const std::size_t k = find_span(curve.knots, curve.degree, curve.control.size(), u);  // clamps u
  return span_point(curve, k, u);
}

namespace {

// de Boor on homogeneous points (w x, w y, w z, w), so rational curves come out exactly; P is
// the degree, or 0 for one known only at run time (p).
template <int P>
Homogeneous de_boor(const NurbsCurve& curve, std::size_t k, double u, int p) {
  if constexpr (P > 0) p = P;
  const auto& t = curve.knots;
  std::array<std::array<double, 4>, (P > 0 ? P : kMaxSplineDegree) + 1> d;
  for (int j = 0; j <= p; ++j) {
    const std::size_t i = k - p + j;
    const double w = curve.weights.empty() ? 1.0 : curve.weights[i];
    const Vec3& q = curve.control[i];
    d[j] = {w * q.x, w * q.y, w * q.z, w};
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      const double left = t[k - p + j];
      const double a = (u - left) / (t[k + 1 + j - r] - left);
      for (int c = 0; c < 4; ++c)
        d[j][c] = (1 - a) * d[j - 1][c] + a * d[j][c];
    }
  }
  return d[p];
}

}  // namespace

Homogeneous span_homogeneous(const NurbsCurve& curve, std::size_t k, double u) {
  // The common degrees with their loops fixed at compile time; the same arithmetic.
  switch (curve.degree) {
    case 1:
      return de_boor<1>(curve, k, u, 1);
    case 2:
      return de_boor<2>(curve, k, u, 2);
    case 3:
      return de_boor<3>(curve, k, u, 3);
    default:
      return de_boor<0>(curve, k, u, curve.degree);
  }
}

Vec3 span_point(const NurbsCurve& curve, std::size_t k, double u) {
  const Homogeneous h = span_homogeneous(curve, k, u);
  return {h[0] / h[3], h[1] / h[3], h[2] / h[3]};
}

}  // namespace orvane

namespace orvane {

SpanPolynomial::SpanPolynomial(const NurbsCurve& curve, std::size_t k, double a, double b)
    : p_(curve.degree), a_(a), scale_(curve.degree / (b - a)) {
  Homogeneous f[4];
  for (int j = 0; j <= p_; ++j)
    f[j] = span_homogeneous(curve, k, a + (b - a) * j / p_);
  // Forward differences at x = 0, each divided by j! for the Newton form.
  const double factorial[4] = {1, 1, 2, 6};
  for (int j = 0; j <= p_; ++j) {
    for (int i = p_; i > j; --i)
      for (int c = 0; c < 4; ++c)
        f[i][c] -= f[i - 1][c];
    for (int c = 0; c < 4; ++c)
      d_[j][c] = f[j][c] / factorial[j];
  }
}

Vec3 SpanPolynomial::operator()(double u) const {
  const double x = (u - a_) * scale_;
  Homogeneous h = d_[p_];
  for (int j = p_ - 1; j >= 0; --j)
    for (int c = 0; c < 4; ++c)
      h[c] = d_[j][c] + (x - j) * h[c];
  return {h[0] / h[3], h[1] / h[3], h[2] / h[3]};
}

}  // namespace orvane
