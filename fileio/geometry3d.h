// Points, directions and affine maps in model space, for readers that place entities of other
// programs' files (block inserts, transformation matrices, entity planes).
#pragma once

#include <cmath>

namespace orvane {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(double s, const Vec3& a) {
  return {s * a.x, s * a.y, s * a.z};
}
inline double dot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3& a) {
  return std::sqrt(dot(a, a));
}
inline bool is_finite(const Vec3& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}
// a scaled to length 1; (0, 0, 1) for a zero, tiny or non-finite vector.
Vec3 unit_or_z(const Vec3& a);

// An orthonormal right-handed frame: the in-plane axes u and v and the normal n = u x v.
struct Frame {
  Vec3 u{1, 0, 0}, v{0, 1, 0}, n{0, 0, 1};
};

// The frame of a plane with this normal by the DXF arbitrary-axis rule: u is world Y x n when
// n is within 1/64 of the world Z axis in x and y, else world Z x n; v = n x u.
Frame arbitrary_axis_frame(const Vec3& normal);

// x = m * p + t: a linear part (rows) and a translation.
struct Affine3 {
  double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  Vec3 t;

  Vec3 point(const Vec3& p) const { return linear(p) + t; }
  Vec3 linear(const Vec3& d) const {
    return {m[0][0] * d.x + m[0][1] * d.y + m[0][2] * d.z,
            m[1][0] * d.x + m[1][1] * d.y + m[1][2] * d.z,
            m[2][0] * d.x + m[2][1] * d.y + m[2][2] * d.z};
  }
  double determinant() const;
  bool is_identity() const;
};

// a after b: (a * b)(p) = a(b(p)).
Affine3 operator*(const Affine3& a, const Affine3& b);
Affine3 translation(const Vec3& d);
Affine3 scaling(double sx, double sy, double sz);
// Rotation about the world Z axis, counterclockwise, angle in degrees.
Affine3 rotation_z(double degrees);
// The map from a frame's coordinates (u, v, n) into the world.
Affine3 from_frame(const Frame& f);

}  // namespace orvane
