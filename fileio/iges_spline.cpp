// Parametric splines (112): N cubic segments, segment i a polynomial in s = t - T(i) for t from
// breakpoint T(i) to T(i+1), each coordinate A + B s + C s^2 + D s^3.
#include <array>
#include <vector>

#include "fileio/curve_tessellation.h"
#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

using Segment = std::array<double, 12>;  // AX BX CX DX AY BY CY DY AZ BZ CZ DZ

Vec3 segment_point(const Segment& c, double s) {
  auto cubic = [s](const double* k) { return k[0] + s * (k[1] + s * (k[2] + s * k[3])); };
  return {cubic(&c[0]), cubic(&c[4]), cubic(&c[8])};
}

}  // namespace

void draw_spline(Drawer& d, const Place& p) {
  const Params& q = p.params;
  int n = 0;
  if (!q.integer(4, n) || n < 1 ||
      q.size() < 5 + static_cast<std::size_t>(n) + 1 + 12 * static_cast<std::size_t>(n)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  std::vector<double> breaks(static_cast<std::size_t>(n) + 1);
  for (std::size_t i = 0; i < breaks.size(); ++i) {
    if (!q.real(5 + i, breaks[i]) || (i > 0 && !(breaks[i] >= breaks[i - 1]))) {
      return d.leave_out(p.entry, LeftOut::kDamaged);
    }
  }
  const std::size_t first = 5 + breaks.size();
  std::vector<Vec3> points;
  const double tol = effective_chord_tolerance();
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    Segment c;
    for (std::size_t k = 0; k < 12; ++k) {
      if (!q.real(first + 12 * i + k, c[k])) return d.leave_out(p.entry, LeftOut::kDamaged);
    }
    const double span = breaks[i + 1] - breaks[i];
    if (span <= 0) continue;
    const auto part = tessellate_function(
        [&](double s) { return p.map.point(segment_point(c, s)); }, 0, span, tol);
    // Consecutive segments share their joining point.
    points.insert(points.end(), part.begin() + (points.empty() ? 0 : 1), part.end());
  }
  if (points.size() < 2) return d.leave_out(p.entry, LeftOut::kDamaged);
  d.chain(points, p);
}

}  // namespace orvane::iges
