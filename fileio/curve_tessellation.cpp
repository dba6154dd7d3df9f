#include "fileio/curve_tessellation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "fileio/nurbs_span.h"

namespace orvane {

double chord_tolerance = kDefaultChordTolerance;

double effective_chord_tolerance() {
  return std::isfinite(chord_tolerance) && chord_tolerance > 0 ? chord_tolerance
                                                               : kDefaultChordTolerance;
}

namespace {

double usable_tolerance(double tol) {
  return std::isfinite(tol) && tol > 0 ? tol : effective_chord_tolerance();
}

// Halvings of one starting piece at most; deeper pieces are taken as they are.
constexpr int kMaxDepth = 12;

double distance_to_segment(const Vec3& q, const Vec3& a, const Vec3& b) {
  const Vec3 ab = b - a;
  const double len2 = dot(ab, ab);
  const double s = len2 > 0 ? std::clamp(dot(q - a, ab) / len2, 0.0, 1.0) : 0.0;
  return length(q - (a + s * ab));
}

// f at n + 1 evenly spaced parameters from t0 to t1, both ends exact.
std::vector<Vec3> uniform_chain(const std::function<Vec3(double)>& f, double t0, double t1, int n) {
  std::vector<Vec3> out;
  out.reserve(n + 1);
  for (int i = 0; i < n; ++i)
    out.push_back(f(t0 + (t1 - t0) * (static_cast<double>(i) / n)));
  out.push_back(f(t1));
  return out;
}

// A curve evaluated on one of its pieces: f(piece, t) for t in [breaks[piece], breaks[piece + 1]].
using PieceFunction = std::function<Vec3(std::size_t, double)>;

// Adaptive bisection of one piece after another; gives up (over) once the chain would exceed
// the segment cap.
class Refiner {
 public:
  Refiner(const PieceFunction& f, double tol) : f_(f), tol_(tol) {}

  bool over() const { return over_; }
  std::vector<Vec3>& points() { return out_; }

  void add(const Vec3& p) {
    out_.push_back(p);
    over_ = out_.size() > static_cast<std::size_t>(kMaxCurveSegments) + 1;
  }

  void piece(std::size_t i, double ta, const Vec3& pa, double tb, const Vec3& pb, int depth) {
    if (over_) return;
    if (depth < kMaxDepth) {
      const double tm = ta + (tb - ta) / 2;
      const Vec3 pm = f_(i, tm);
      if (needs_split(i, ta, pa, tb, pm, pb)) {
        piece(i, ta, pa, tm, pm, depth + 1);
        piece(i, tm, pm, tb, pb, depth + 1);
        return;
      }
    }
    add(pb);
  }

 private:
  // True when a finite interior sample strays from the chord by more than tol. A non-finite
  // sample ends the refinement of the piece rather than chasing it. The quarter samples are
  // taken only when the middle one is within tol: most pieces that split fail at the middle.
  bool needs_split(std::size_t i, double ta, const Vec3& pa, double tb, const Vec3& pm,
                   const Vec3& pb) const {
    if (!is_finite(pa) || !is_finite(pb) || !is_finite(pm)) return false;
    if (distance_to_segment(pm, pa, pb) > tol_) return true;
    const Vec3 q1 = f_(i, ta + (tb - ta) / 4);
    const Vec3 q3 = f_(i, ta + 3 * ((tb - ta) / 4));
    if (!is_finite(q1) || !is_finite(q3)) return false;
    return distance_to_segment(q1, pa, pb) > tol_ || distance_to_segment(q3, pa, pb) > tol_;
  }

  const PieceFunction& f_;
  double tol_;
  std::vector<Vec3> out_;
  bool over_ = false;
};

// The chain through the pieces between the break parameters (increasing), refined within tol;
// where one piece ends more than tol away from where the next starts, the chain jumps. When
// that would take too many segments: a uniform chain of the maximum size along whole(t). Points
// that are not finite are left out.
std::vector<Vec3> adaptive_chain(const PieceFunction& f, const std::function<Vec3(double)>& whole,
                                 const std::vector<double>& breaks, double tol) {
  std::vector<Vec3> out;
  if (breaks.size() - 1 <= static_cast<std::size_t>(kMaxCurveSegments)) {
    Refiner r(f, tol);
    for (std::size_t i = 0; i + 1 < breaks.size() && !r.over(); ++i) {
      const Vec3 pa = f(i, breaks[i]);
      if (i == 0 || !(length(pa - r.points().back()) <= tol)) r.add(pa);
      r.piece(i, breaks[i], pa, breaks[i + 1], f(i, breaks[i + 1]), 0);
    }
    if (!r.over()) out = std::move(r.points());
  }
  if (out.empty()) out = uniform_chain(whole, breaks.front(), breaks.back(), kMaxCurveSegments);
  std::erase_if(out, [](const Vec3& p) { return !is_finite(p); });
  return out;
}

// Norm of a vector without overflow in the squares.
double norm(const Vec3& a) {
  return std::hypot(a.x, a.y, a.z);
}

// Segments for a sweep of an ellipse of radius bound r: the chord of a circle of radius r over a
// step dt departs from it by r (1 - cos(dt / 2)) = 2 r sin^2(dt / 4), which bounds the affine
// image. At least one segment per eighth of a turn.
int ellipse_segments(double r, double sweep, double tol) {
  const double eighth = std::numbers::pi / 4;
  double step = eighth;
  if (tol < r) step = std::min(eighth, 4 * std::asin(std::sqrt(tol / (2 * r))));
  const double n = std::ceil(sweep / step);
  if (!(n <= kMaxCurveSegments)) return kMaxCurveSegments;
  return std::max(1, static_cast<int>(n));
}

}  // namespace

std::vector<Vec3> tessellate_ellipse(const Vec3& c, const Vec3& a, const Vec3& b, double t0,
                                     double t1, double tol) {
  const double sweep = t1 - t0;
  if (!is_finite(c) || !is_finite(a) || !is_finite(b) || !std::isfinite(sweep) || !(sweep > 0)) {
    return {};
  }
  const double r = std::hypot(norm(a), norm(b));
  const int n = ellipse_segments(r, sweep, usable_tolerance(tol));
  std::vector<Vec3> out =
      uniform_chain([&](double t) { return c + std::cos(t) * a + std::sin(t) * b; }, t0, t1, n);
  if (!std::all_of(out.begin(), out.end(), [](const Vec3& p) { return is_finite(p); })) return {};
  return out;
}

std::vector<Vec3> tessellate_nurbs(const NurbsCurve& curve, double tol) {
  if (!valid_nurbs(curve)) return {};
  const std::size_t p = curve.degree;
  const std::size_t n = curve.control.size();
  // One piece per knot span of positive length, each evaluated as its own polynomial.
  std::vector<double> breaks{curve.knots[p]};
  std::vector<std::size_t> spans;
  for (std::size_t k = p; k < n; ++k) {
    if (curve.knots[k + 1] > curve.knots[k]) {
      spans.push_back(k);
      breaks.push_back(curve.knots[k + 1]);
    }
  }
  if (p > 3) {
    return adaptive_chain([&](std::size_t i, double u) { return span_point(curve, spans[i], u); },
                          [&](double u) { return nurbs_point(curve, u); }, breaks,
                          usable_tolerance(tol));
  }
  // Low degrees: each span as its polynomial, made when the chain reaches the span.
  std::optional<SpanPolynomial> piece;
  std::size_t piece_index = 0;
  const auto on_span = [&](std::size_t i, double u) {
    if (!piece || piece_index != i) {
      piece.emplace(curve, spans[i], breaks[i], breaks[i + 1]);
      piece_index = i;
    }
    return (*piece)(u);
  };
  return adaptive_chain(
      on_span, [&](double u) { return nurbs_point(curve, u); }, breaks, usable_tolerance(tol));
}

std::vector<Vec3> tessellate_function(const std::function<Vec3(double)>& f, double t0, double t1,
                                      double tol) {
  const double span = t1 - t0;
  if (!f || !std::isfinite(span) || !(span > 0)) return {};
  constexpr int kStartPieces = 8;
  std::vector<double> breaks;
  for (int i = 0; i < kStartPieces; ++i)
    breaks.push_back(t0 + span * (static_cast<double>(i) / kStartPieces));
  breaks.push_back(t1);
  return adaptive_chain([&](std::size_t, double t) { return f(t); }, f, breaks,
                        usable_tolerance(tol));
}

}  // namespace orvane
