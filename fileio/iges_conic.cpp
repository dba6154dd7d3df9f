// Conic arcs (104): ellipses, hyperbolas and parabolas in standard position in a plane z = ZT
// of their own coordinates, from a start point to an end point.
#include <cmath>
#include <numbers>

#include "fileio/curve_tessellation.h"
#include "fileio/iges_entities.h"

namespace orvane::iges {

namespace {

struct Conic {
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, zt = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

bool read_conic(const Params& q, Conic& k) {
  double* v[] = {&k.a, &k.b, &k.c, &k.d, &k.e, &k.f, &k.zt, &k.x1, &k.y1, &k.x2, &k.y2};
  if (q.size() < 12) return false;
  for (std::size_t i = 0; i < 11; ++i) {
    if (!q.real(i + 1, *v[i])) return false;
  }
  return true;
}

// x^2/rx^2 + y^2/ry^2 = 1, counterclockwise from the start point to the end point.
bool ellipse(Drawer& d, const Place& p, const Conic& k) {
  const double rx = std::sqrt(-k.f / k.a), ry = std::sqrt(-k.f / k.c);
  if (!(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry)) return false;
  const double t0 = std::atan2(k.y1 / ry, k.x1 / rx) * 180 / std::numbers::pi;
  double t1 = std::atan2(k.y2 / ry, k.x2 / rx) * 180 / std::numbers::pi;
  if (k.x1 == k.x2 && k.y1 == k.y2) t1 = t0;
  d.sink().conic_arc(p.map.point({0, 0, k.zt}), p.map.linear({rx, 0, 0}), p.map.linear({0, ry, 0}),
                     t0, t1, p.style);
  return true;
}

// A x^2 + C y^2 + F = 0 with A and C of opposite signs: the branch that holds the start point.
bool hyperbola(Drawer& d, const Place& p, const Conic& k) {
  const bool opens_x = -k.f / k.a > 0;
  // u runs along the axis the branches open to, w across it.
  const double ru = std::sqrt(opens_x ? -k.f / k.a : -k.f / k.c);
  const double rw = std::sqrt(opens_x ? k.f / k.c : k.f / k.a);
  if (!(ru > 0) || !(rw > 0) || !std::isfinite(ru) || !std::isfinite(rw)) return false;
  const double u1 = opens_x ? k.x1 : k.y1, w1 = opens_x ? k.y1 : k.x1;
  const double w2 = opens_x ? k.y2 : k.x2;
  const double sign = u1 < 0 ? -1 : 1;
  const double s0 = std::asinh(w1 / rw), s1 = std::asinh(w2 / rw);
  auto at = [&](double s) {
    const double u = sign * ru * std::cosh(s), w = rw * std::sinh(s);
    return p.map.point(opens_x ? Vec3{u, w, k.zt} : Vec3{w, u, k.zt});
  };
  if (s0 == s1) return false;
  d.chain(tessellate_function(at, std::min(s0, s1), std::max(s0, s1), effective_chord_tolerance()),
          p);
  return true;
}

// A x^2 + E y = 0 (opening along y) or C y^2 + D x = 0 (opening along x).
bool parabola(Drawer& d, const Place& p, const Conic& k) {
  const bool along_y = k.a != 0 && k.e != 0;
  if (!along_y && !(k.c != 0 && k.d != 0)) return false;
  const double t0 = along_y ? k.x1 : k.y1, t1 = along_y ? k.x2 : k.y2;
  if (t0 == t1) return false;
  auto at = [&](double t) {
    return p.map.point(along_y ? Vec3{t, -k.a * t * t / k.e, k.zt}
                               : Vec3{-k.c * t * t / k.d, t, k.zt});
  };
  d.chain(tessellate_function(at, std::min(t0, t1), std::max(t0, t1), effective_chord_tolerance()),
          p);
  return true;
}

}  // namespace

void draw_conic(Drawer& d, const Place& p) {
  Conic k;
  bool drawn = false;
  if (read_conic(p.params, k) && k.a != 0 && k.c != 0 && k.f != 0 && p.entry.form <= 2) {
    // Form 0 (unspecified) tells the kind by the signs.
    const bool is_ellipse = p.entry.form == 1 || (p.entry.form == 0 && k.a * k.c > 0);
    drawn = is_ellipse ? ellipse(d, p, k) : hyperbola(d, p, k);
  } else if (read_conic(p.params, k) && (p.entry.form == 3 || p.entry.form == 0)) {
    drawn = parabola(d, p, k);
  }
  if (!drawn) d.leave_out(p.entry, LeftOut::kDamaged);
}

}  // namespace orvane::iges
