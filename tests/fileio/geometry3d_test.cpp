#include "fileio/geometry3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orvane;

namespace {

void expect_vec(const Vec3& got, double x, double y, double z, double eps = 1e-12) {
  EXPECT_NEAR(got.x, x, eps);
  EXPECT_NEAR(got.y, y, eps);
  EXPECT_NEAR(got.z, z, eps);
}

void expect_orthonormal_right_handed(const Frame& f) {
  EXPECT_NEAR(length(f.u), 1, 1e-12);
  EXPECT_NEAR(length(f.v), 1, 1e-12);
  EXPECT_NEAR(length(f.n), 1, 1e-12);
  EXPECT_NEAR(dot(f.u, f.v), 0, 1e-12);
  EXPECT_NEAR(dot(f.u, f.n), 0, 1e-12);
  const Vec3 uv = cross(f.u, f.v);
  expect_vec(uv, f.n.x, f.n.y, f.n.z);
}

}  // namespace

TEST(GeometryUnit, ScalesToLengthOneAndFallsBackToZ) {
  expect_vec(unit_or_z({3, 4, 0}), 0.6, 0.8, 0);
  expect_vec(unit_or_z({0, 0, -2}), 0, 0, -1);
  // Components whose squares overflow still give a direction.
  expect_vec(unit_or_z({1e300, -1e300, 0}), std::sqrt(0.5), -std::sqrt(0.5), 0);
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Vec3& bad : {Vec3{0, 0, 0}, Vec3{1e-20, 0, 0}, Vec3{inf, 0, 0}, Vec3{0, nan, 1}}) {
    expect_vec(unit_or_z(bad), 0, 0, 1, 0);
  }
}

TEST(ArbitraryAxisFrame, WorkedNormals) {
  Frame f = arbitrary_axis_frame({0, 0, -1});
  expect_vec(f.u, -1, 0, 0);
  expect_vec(f.v, 0, 1, 0);
  expect_vec(f.n, 0, 0, -1);
  f = arbitrary_axis_frame({0, -1, 0});
  expect_vec(f.u, 1, 0, 0);
  expect_vec(f.v, 0, 0, 1);
  f = arbitrary_axis_frame({1, 0, 0});
  expect_vec(f.u, 0, 1, 0);
  expect_vec(f.v, 0, 0, 1);
  // The normal need not have length one.
  f = arbitrary_axis_frame({0, 0, -7});
  expect_vec(f.u, -1, 0, 0);
  expect_vec(f.n, 0, 0, -1);
}

TEST(ArbitraryAxisFrame, SwitchesAxisAtOneSixtyFourth) {
  // Just inside the 1/64 box: u = unit(Y x n) = unit(n.z, 0, -n.x).
  const Vec3 inside = unit_or_z({0.015, 0, 1});
  Frame f = arbitrary_axis_frame(inside);
  const double h = std::hypot(inside.z, inside.x);
  expect_vec(f.u, inside.z / h, 0, -inside.x / h);
  expect_orthonormal_right_handed(f);
  // Just outside: u = unit(Z x n) = unit(-n.y, n.x, 0) = (0, 1, 0).
  f = arbitrary_axis_frame({0.016, 0, 1});
  expect_vec(f.u, 0, 1, 0);
  expect_orthonormal_right_handed(f);
}

TEST(ArbitraryAxisFrame, SlantedAndBadNormals) {
  expect_orthonormal_right_handed(arbitrary_axis_frame({1, 2, 3}));
  expect_orthonormal_right_handed(arbitrary_axis_frame({-5, 0.1, -0.2}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Vec3& bad : {Vec3{0, 0, 0}, Vec3{nan, 0, 0}}) {
    const Frame f = arbitrary_axis_frame(bad);
    expect_vec(f.u, 1, 0, 0, 0);
    expect_vec(f.v, 0, 1, 0, 0);
    expect_vec(f.n, 0, 0, 1, 0);
  }
}

TEST(Affine, DeterminantAndIdentity) {
  EXPECT_TRUE(Affine3{}.is_identity());
  EXPECT_DOUBLE_EQ(scaling(2, 3, 4).determinant(), 24);
  EXPECT_DOUBLE_EQ(scaling(-1, 1, 1).determinant(), -1);
  EXPECT_NEAR(rotation_z(37).determinant(), 1, 1e-15);
  // 2 (3 * 4 - 1 * 1) - 1 (1 * 4 - 1 * 0) + 0 = 18
  const Affine3 general{{{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, {}};
  EXPECT_DOUBLE_EQ(general.determinant(), 18);
  EXPECT_FALSE(general.is_identity());
  EXPECT_TRUE(translation({0, 0, 0}).is_identity());
  EXPECT_FALSE(translation({0, 0, 1e-9}).is_identity());
  EXPECT_TRUE(rotation_z(-720).is_identity());
  EXPECT_FALSE(rotation_z(0.001).is_identity());
}

TEST(Affine, RotationIsCounterclockwiseInDegreesAndExactOnQuarterTurns) {
  const Vec3 x{1, 0, 0};
  expect_vec(rotation_z(90).point(x), 0, 1, 0, 0);
  expect_vec(rotation_z(180).point(x), -1, 0, 0, 0);
  expect_vec(rotation_z(270).point(x), 0, -1, 0, 0);
  expect_vec(rotation_z(-90).point(x), 0, -1, 0, 0);
  expect_vec(rotation_z(450).point(x), 0, 1, 0, 0);
  expect_vec(rotation_z(30).point({2, 0, 5}), std::sqrt(3), 1, 5);
  expect_vec(rotation_z(45).point({0, 1, 0}), -std::sqrt(0.5), std::sqrt(0.5), 0);
}

TEST(Affine, ProductAppliesTheRightFactorFirst) {
  const Affine3 t = translation({1, 0, 0});
  const Affine3 r = rotation_z(90);
  expect_vec((t * r).point({1, 0, 0}), 1, 1, 0);
  expect_vec((r * t).point({1, 0, 0}), 0, 2, 0);
  const Affine3 s = scaling(2, 3, 4);
  expect_vec((translation({0, 0, 1}) * s).point({1, 1, 1}), 2, 3, 5);
  expect_vec((s * translation({0, 0, 1})).point({1, 1, 1}), 2, 3, 8);
  // Directions ignore the translation.
  expect_vec((t * s).linear({1, 1, 1}), 2, 3, 4);
  EXPECT_DOUBLE_EQ((s * r * t).determinant(), 24);
}

TEST(Affine, FromFrameMapsFrameCoordinatesIntoTheWorld) {
  const Affine3 m = from_frame(arbitrary_axis_frame({0, 0, -1}));
  // 1 u + 2 v + 3 n with u = (-1, 0, 0), v = (0, 1, 0), n = (0, 0, -1).
  expect_vec(m.point({1, 2, 3}), -1, 2, -3);
  EXPECT_NEAR(m.determinant(), 1, 1e-15);
  const Affine3 side = from_frame(arbitrary_axis_frame({1, 0, 0}));
  expect_vec(side.point({1, 2, 3}), 3, 1, 2);
}
