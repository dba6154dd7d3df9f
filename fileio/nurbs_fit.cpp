// Global B-spline interpolation of fit points (chord-length parameters, averaged knots), with
// optional end tangents fixing the second and second-to-last control points.
#include <algorithm>
#include <array>
#include <cmath>

#include "fileio/curve_tessellation.h"
#include "fileio/nurbs_span.h"

namespace orvane {

namespace {

double norm(const Vec3& a) {
  return std::hypot(a.x, a.y, a.z);
}

// The fit points without consecutive repeats (closer than a relative 1e-12 of the drawing
// size); empty when any point is not finite.
std::vector<Vec3> distinct_points(const std::vector<Vec3>& fit) {
  double size = 0;
  for (const Vec3& q : fit) {
    if (!is_finite(q)) return {};
    size = std::max({size, std::abs(q.x), std::abs(q.y), std::abs(q.z)});
  }
  std::vector<Vec3> out;
  for (const Vec3& q : fit) {
    if (out.empty() || norm(q - out.back()) > 1e-12 * size) out.push_back(q);
  }
  return out;
}

// The tangent scaled to the length of the whole chord, which suits chord-length parameters
// running from 0 to 1; null when no usable tangent is given.
const Vec3* end_derivative(const Vec3* tangent, double chord, Vec3& store) {
  if (!tangent || !is_finite(*tangent)) return nullptr;
  const double len = norm(*tangent);
  if (!(len > 0)) return nullptr;
  store = (chord / len) * *tangent;
  return is_finite(store) ? &store : nullptr;
}

// The non-zero basis functions N[s-p..s] of degree p at u in span s (The NURBS Book, A2.2).
std::array<double, 4> basis(const std::vector<double>& knots, std::size_t s, int p, double u) {
  std::array<double, 4> n{1, 0, 0, 0};
  std::array<double, 4> left{}, right{};
  for (int j = 1; j <= p; ++j) {
    left[j] = u - knots[s + 1 - j];
    right[j] = knots[s + j] - u;
    double saved = 0;
    for (int r = 0; r < j; ++r) {
      const double temp = n[r] / (right[r + 1] + left[j - r]);
      n[r] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    n[j] = saved;
  }
  return n;
}

// A square band matrix with partial pivoting, stored by rows over columns r - kl .. r + ku + kl
// (the extra kl holds the fill-in that row exchanges bring).
class BandSystem {
 public:
  BandSystem(std::size_t size, std::size_t kl, std::size_t ku)
      : n_(size), kl_(kl), ku_(ku), w_(2 * kl + ku + 1), a_(size * w_, 0.0), b_(size) {}

  double& at(std::size_t r, std::size_t c) { return a_[r * w_ + (c + kl_ - r)]; }
  Vec3& rhs(std::size_t r) { return b_[r]; }

  // The solution in place of the right-hand sides; false when a pivot vanishes.
  bool solve() {
    for (std::size_t c = 0; c < n_; ++c) {
      if (!eliminate(c)) return false;
    }
    for (std::size_t r = n_; r-- > 0;) {
      Vec3 s = b_[r];
      for (std::size_t c = r + 1; c < std::min(n_, r + ku_ + kl_ + 1); ++c)
        s = s - at(r, c) * b_[c];
      b_[r] = (1 / at(r, r)) * s;
    }
    return std::all_of(b_.begin(), b_.end(), [](const Vec3& v) { return is_finite(v); });
  }

 private:
  bool eliminate(std::size_t c) {
    const std::size_t last_row = std::min(n_ - 1, c + kl_);
    const std::size_t last_col = std::min(n_ - 1, c + ku_ + kl_);
    std::size_t piv = c;
    for (std::size_t r = c + 1; r <= last_row; ++r) {
      if (std::abs(at(r, c)) > std::abs(at(piv, c))) piv = r;
    }
    if (!(std::abs(at(piv, c)) > 1e-12)) return false;
    if (piv != c) {
      for (std::size_t k = c; k <= last_col; ++k)
        std::swap(at(c, k), at(piv, k));
      std::swap(b_[c], b_[piv]);
    }
    for (std::size_t r = c + 1; r <= last_row; ++r) {
      const double f = at(r, c) / at(c, c);
      if (f == 0) continue;
      for (std::size_t k = c; k <= last_col; ++k)
        at(r, k) -= f * at(c, k);
      b_[r] = b_[r] - f * b_[c];
    }
    return true;
  }

  std::size_t n_, kl_, ku_, w_;
  std::vector<double> a_;
  std::vector<Vec3> b_;
};

// Chord-length parameters from 0 to 1; empty when the chord is not finite.
std::vector<double> chord_parameters(const std::vector<Vec3>& q, double& chord) {
  std::vector<double> u{0};
  chord = 0;
  for (std::size_t k = 1; k < q.size(); ++k) {
    chord += norm(q[k] - q[k - 1]);
    u.push_back(chord);
  }
  if (!std::isfinite(chord) || !(chord > 0)) return {};
  for (double& v : u)
    v /= chord;
  u.back() = 1;
  return u;
}

// Clamped knots averaging p consecutive parameters; an end with a tangent repeats its parameter,
// which gives the knots of the derivative-constrained interpolant.
std::vector<double> averaged_knots(const std::vector<double>& u, bool ds, bool de, int p) {
  std::vector<double> ext;
  if (ds) ext.push_back(u.front());
  ext.insert(ext.end(), u.begin(), u.end());
  if (de) ext.push_back(u.back());
  const std::size_t count = ext.size();
  std::vector<double> knots(p + 1, 0.0);
  for (std::size_t j = 1; j + p < count; ++j) {
    double sum = 0;
    for (int i = 0; i < p; ++i)
      sum += ext[j + i];
    knots.push_back(sum / p);
  }
  knots.insert(knots.end(), p + 1, 1.0);
  return knots;
}

// Solves for the control points lo..hi from the interior fit points; the others are known.
bool solve_interior(const std::vector<Vec3>& q, const std::vector<double>& u, std::size_t lo,
                    std::size_t hi, NurbsCurve& c) {
  if (hi < lo) return true;
  const std::size_t m = hi - lo + 1;
  const int p = c.degree;
  std::vector<std::size_t> span(m);
  std::size_t kl = 0, ku = 0;
  for (std::size_t r = 0; r < m; ++r) {
    double t = u[r + 1];
    span[r] = find_span(c.knots, p, c.control.size(), t);
    if (span[r] < lo || span[r] - p > hi) return false;  // a row without unknowns
    const std::size_t first = std::max(span[r] - p, lo) - lo;
    const std::size_t last = std::min(span[r], hi) - lo;
    kl = std::max(kl, r > first ? r - first : 0);
    ku = std::max(ku, last > r ? last - r : 0);
  }
  BandSystem sys(m, kl, ku);
  for (std::size_t r = 0; r < m; ++r) {
    const std::array<double, 4> n = basis(c.knots, span[r], p, u[r + 1]);
    Vec3 rhs = q[r + 1];
    for (int j = 0; j <= p; ++j) {
      const std::size_t i = span[r] - p + j;
      if (i >= lo && i <= hi) {
        sys.at(r, i - lo) = n[j];
      } else {
        rhs = rhs - n[j] * c.control[i];
      }
    }
    sys.rhs(r) = rhs;
  }
  if (!sys.solve()) return false;
  for (std::size_t r = 0; r < m; ++r)
    c.control[lo + r] = sys.rhs(r);
  return true;
}

}  // namespace

bool interpolate_fit_points(const std::vector<Vec3>& fit, const Vec3* start_tangent,
                            const Vec3* end_tangent, NurbsCurve& out) {
  const std::vector<Vec3> q = distinct_points(fit);
  if (q.size() < 2) return false;
  double chord = 0;
  const std::vector<double> u = chord_parameters(q, chord);
  if (u.empty()) return false;
  Vec3 ds_store, de_store;
  const Vec3* ds = end_derivative(start_tangent, chord, ds_store);
  const Vec3* de = end_derivative(end_tangent, chord, de_store);
  const std::size_t count = q.size() + (ds ? 1 : 0) + (de ? 1 : 0);

  NurbsCurve c;
  c.degree = static_cast<int>(std::min<std::size_t>(3, count - 1));
  const int p = c.degree;
  c.knots = averaged_knots(u, ds, de, p);
  c.control.assign(count, Vec3{});
  c.control.front() = q.front();
  c.control.back() = q.back();
  // C'(0) = p / knots[p + 1] (P1 - P0) and C'(1) = p / (1 - knots[count - 1]) (Pn - Pn-1).
  if (ds) c.control[1] = q.front() + (c.knots[p + 1] / p) * *ds;
  if (de) c.control[count - 2] = q.back() - ((1 - c.knots[count - 1]) / p) * *de;
  const std::size_t lo = ds ? 2 : 1;
  const std::size_t hi = count - (de ? 3 : 2);
  if (!solve_interior(q, u, lo, hi, c) || !valid_nurbs(c)) return false;
  out = std::move(c);
  return true;
}

}  // namespace orvane
