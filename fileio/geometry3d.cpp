#include "fileio/geometry3d.h"

#include <algorithm>
#include <numbers>

namespace orvane {

Vec3 unit_or_z(const Vec3& a) {
  // Scaled by the largest component first so that huge vectors do not overflow the length.
  const double big = std::max({std::abs(a.x), std::abs(a.y), std::abs(a.z)});
  if (!is_finite(a) || big < 1e-12) return {0, 0, 1};
  const Vec3 s = (1 / big) * a;
  return (1 / length(s)) * s;
}

Frame arbitrary_axis_frame(const Vec3& normal) {
  const double near_z = 1.0 / 64;
  Frame f;
  f.n = unit_or_z(normal);
  const Vec3 world =
      std::abs(f.n.x) < near_z && std::abs(f.n.y) < near_z ? Vec3{0, 1, 0} : Vec3{0, 0, 1};
  f.u = unit_or_z(cross(world, f.n));
  f.v = unit_or_z(cross(f.n, f.u));
  return f;
}

double Affine3::determinant() const {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

bool Affine3::is_identity() const {
  // Exact: a map built from unit scales and whole quarter turns is exactly the identity.
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (m[r][c] != (r == c ? 1.0 : 0.0)) return false;
    }
  }
  return t.x == 0 && t.y == 0 && t.z == 0;
}

Affine3 operator*(const Affine3& a, const Affine3& b) {
  Affine3 r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    }
  }
  r.t = a.point(b.t);
  return r;
}

Affine3 translation(const Vec3& d) {
  Affine3 r;
  r.t = d;
  return r;
}

Affine3 scaling(double sx, double sy, double sz) {
  Affine3 r;
  r.m[0][0] = sx;
  r.m[1][1] = sy;
  r.m[2][2] = sz;
  return r;
}

Affine3 rotation_z(double degrees) {
  // Whole quarter turns give exact zeros and ones, which std::cos of a radian value does not.
  const double turn = std::fmod(degrees, 360.0);
  double c = 0;
  double s = 0;
  if (turn == 0) {
    c = 1;
  } else if (turn == 90 || turn == -270) {
    s = 1;
  } else if (turn == 180 || turn == -180) {
    c = -1;
  } else if (turn == 270 || turn == -90) {
    s = -1;
  } else {
    const double rad = turn * (std::numbers::pi / 180);
    c = std::cos(rad);
    s = std::sin(rad);
  }
  Affine3 r;
  r.m[0][0] = c;
  r.m[0][1] = -s;
  r.m[1][0] = s;
  r.m[1][1] = c;
  return r;
}

Affine3 from_frame(const Frame& f) {
  Affine3 r;
  const Vec3 cols[3] = {f.u, f.v, f.n};
  for (int c = 0; c < 3; ++c) {
    r.m[0][c] = cols[c].x;
    r.m[1][c] = cols[c].y;
    r.m[2][c] = cols[c].z;
  }
  return r;
}

}  // namespace orvane
