// Projection of model points to pixels and back, the standard view angles and the scale.
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using ProjectionTest = CoreTest;
using Matrix = std::array<std::array<double, 3>, 3>;

constexpr double kDeg = 57.2957795131;
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

// Rx(a) * Ry(b) * Rz(c), angles in degrees.
Matrix rotation(double a, double b, double c) {
  const double sa = std::sin(a / kDeg), ca = std::cos(a / kDeg);
  const double sb = std::sin(b / kDeg), cb = std::cos(b / kDeg);
  const double sc = std::sin(c / kDeg), cc = std::cos(c / kDeg);
  const Matrix r[3] = {{{{1, 0, 0}, {0, ca, -sa}, {0, sa, ca}}},
                       {{{cb, 0, sb}, {0, 1, 0}, {-sb, 0, cb}}},
                       {{{cc, -sc, 0}, {sc, cc, 0}, {0, 0, 1}}}};
  Matrix m = r[0];
  for (int f = 1; f < 3; ++f) {
    Matrix p{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        for (int k = 0; k < 3; ++k)
          p[i][j] += m[i][k] * r[f][k][j];
    m = p;
  }
  return m;
}

void expect_coefficients(const Matrix& m) {
  const double got[3][3] = {
      {coff_ax, coff_bx, coff_cx}, {coff_ay, coff_by, coff_cy}, {coff_az, coff_bz, coff_cz}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      EXPECT_NEAR(got[i][j], m[i][j], 1e-12) << i << "," << j;
}

// View coordinates of a model point from the coefficients in force.
void project(double x, double y, double z, double& vx, double& vy) {
  vx = coff_ax * x + coff_bx * y + coff_cx * z;
  vy = coff_ay * x + coff_by * y + coff_cy * z;
}

void use_scale(int w, double scale, int ox, int oy) {
  xscale[w] = scale, yscale[w] = -scale;
  x_plot_origin[w] = ox, y_plot_origin[w] = oy;
}

}  // namespace

TEST_F(ProjectionTest, StandardAnglesGiveTheRotationOfEachView) {
  const double angles[5][3] = {{}, {0, 0, 0}, {-90, 0, 0}, {-90, 0, -90}, {-70, 0, -20}};
  for (int w = 1; w <= 4; ++w) {
    SCOPED_TRACE(w);
    view_x = view_y = view_z = 33;
    current_plot_window = w;
    view_window_proc();
    EXPECT_EQ(view_x, angles[w][0]);
    EXPECT_EQ(view_y, angles[w][1]);
    EXPECT_EQ(view_z, angles[w][2]);
    set_coefficiants();
    expect_coefficients(rotation(angles[w][0], angles[w][1], angles[w][2]));
  }
  // A rotation about all three axes follows the same matrix.
  view_x = 12.5, view_y = -40, view_z = 71;
  set_coefficiants();
  expect_coefficients(rotation(12.5, -40, 71));
  // Outside the four views the angles stay.
  for (int w : {0, 5}) {
    current_plot_window = w;
    view_window_proc();
    EXPECT_EQ(view_x, 12.5);
    EXPECT_EQ(view_y, -40);
    EXPECT_EQ(view_z, 71);
  }
}

TEST_F(ProjectionTest, StandardViewsShowTheirPlanes) {
  double vx, vy;
  current_plot_window = 4;
  view_window_proc();
  set_coefficiants();
  EXPECT_NEAR(coff_ax, 0.939693, 1e-6);
  EXPECT_NEAR(coff_bx, 0.342020, 1e-6);
  EXPECT_NEAR(coff_cx, 0.0, 1e-6);
  EXPECT_NEAR(coff_ay, -0.116978, 1e-6);
  EXPECT_NEAR(coff_by, 0.321394, 1e-6);
  EXPECT_NEAR(coff_cy, 0.939693, 1e-6);
  project(1, 1, 1, vx, vy);
  EXPECT_NEAR(vx, 1.281713, 1e-6);
  EXPECT_NEAR(vy, 1.144109, 1e-6);

  // Front view shows (x, z), side view (y, z).
  const double expected[2][2] = {{1, 2}, {5, 2}};
  for (int w : {2, 3}) {
    current_plot_window = w;
    view_window_proc();
    set_coefficiants();
    project(1, 5, 2, vx, vy);
    EXPECT_NEAR(vx, expected[w - 2][0], 1e-11) << w;
    EXPECT_NEAR(vy, expected[w - 2][1], 1e-11) << w;
  }
}

TEST_F(ProjectionTest, StartUpTopViewPutsTheOriginAtPixelTenTen) {
  int px, py;
  coord_to_pixel(1, 0, 0, px, py);
  EXPECT_EQ(px, 10);
  EXPECT_EQ(py, 10);
  coord_to_pixel(1, 1, 1, px, py);
  EXPECT_EQ(px, 11);
  EXPECT_EQ(py, 9);
}

TEST_F(ProjectionTest, PixelsRoundHalvesToEven) {
  use_scale(1, 1, 0, 0);
  const double cases[][2] = {{2.5, 2}, {3.5, 4}, {-2.5, -2},  {-3.5, -4},
                             {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}};
  for (const auto& c : cases) {
    int px, py;
    coord_to_pixel(1, c[0], -c[0], px, py);  // yscale -1 turns -v into v
    EXPECT_EQ(px, c[1]) << c[0];
    EXPECT_EQ(py, c[1]) << c[0];
  }
}

TEST_F(ProjectionTest, PixelsBeyondTheIntegerRangeAreClamped) {
  int px, py;
  use_scale(1, 1e200, 0, 0);
  coord_to_pixel(1, 1e200, 1e200, px, py);
  EXPECT_EQ(px, kIntMax);
  EXPECT_EQ(py, kIntMin);
  use_scale(1, 1, 0, 0);
  coord_to_pixel(1, -1e12, -1e12, px, py);
  EXPECT_EQ(px, kIntMin);
  EXPECT_EQ(py, kIntMax);

  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(round_pixel(inf), kIntMax);
  EXPECT_EQ(round_pixel(-inf), kIntMin);
  EXPECT_EQ(round_pixel(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(round_pixel(2147483647.5), kIntMax);
  EXPECT_EQ(round_pixel(2147483646.5), 2147483646);
  EXPECT_EQ(round_pixel(-2147483647.5), kIntMin);  // halves to the even -2147483648
  EXPECT_EQ(round_pixel(-2147483648.7), kIntMin);
}

TEST_F(ProjectionTest, TransPixelCoordsReturnsTheModelPointUnderAPixel) {
  // 20 pixels per unit, origin (300, 200): the view point (1.5, -2.25) lies at (330, 245). It is
  // the model point (1.5, y, -2.25) in the front view and (x, 1.5, -2.25) in the side view.
  const double expected[4][3] = {{}, {1.5, -2.25, 0}, {1.5, 0, -2.25}, {0, 1.5, -2.25}};
  for (int w = 1; w <= 3; ++w) {
    SCOPED_TRACE(w);
    use_scale(w, 20, 300, 200);
    int px, py;
    coord_to_pixel(w, 1.5, -2.25, px, py);
    EXPECT_EQ(px, 330);
    EXPECT_EQ(py, 245);
    double x = 9, y = 9, z = 9;
    trans_pixel_coords(w, px, py, x, y, z);
    EXPECT_NEAR(x, expected[w][0], 1e-12);
    EXPECT_NEAR(y, expected[w][1], 1e-12);
    EXPECT_NEAR(z, expected[w][2], 1e-12);
  }

  // Isometric view: (u, v) = (1, 0) is the model point (0.408248, 0.707107, 0) and (0, 1) is
  // (-0.408248, 0.707107, 0).
  use_scale(4, 20, 300, 200);
  const int pixel[2][2] = {{320, 200}, {300, 180}};
  const double model[2][2] = {{0.408248, 0.707107}, {-0.408248, 0.707107}};
  for (int i = 0; i < 2; ++i) {
    double x, y, z = 9;
    trans_pixel_coords(4, pixel[i][0], pixel[i][1], x, y, z);
    EXPECT_NEAR(x, model[i][0], 1e-6);
    EXPECT_NEAR(y, model[i][1], 1e-6);
    EXPECT_EQ(z, 0);
  }
  // Views outside 1..4 give the origin and pixel (0, 0).
  double x = 9, y = 9, z = 9;
  trans_pixel_coords(0, 50, 50, x, y, z);
  EXPECT_TRUE(x == 0 && y == 0 && z == 0);
  int px = 7, py = 7;
  coord_to_pixel(5, 1, 1, px, py);
  EXPECT_TRUE(px == 0 && py == 0);
}

TEST_F(ProjectionTest, Get3dPointUsesTheFixedIsometricAngles) {
  // sin(alpha) = 0.816497 and sin(60) = 0.866025, so x = (a + b) * 0.707107.
  const double cases[][6] = {{1, 0, 0, 0.707107, -0.408248, 0},
                             {0, 1, 0, 0.707107, 0.408248, 0},
                             {0, 0, 2, 0, 1.632993, 2},
                             {2, 3, 1, 3.535534, 1.224745, 1}};
  for (const auto& c : cases) {
    double x, y, z;
    get_3d_point(c[0], c[1], c[2], x, y, z);
    EXPECT_NEAR(x, c[3], 1e-6) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_NEAR(y, c[4], 1e-6) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_EQ(z, c[5]);
  }
}

TEST_F(ProjectionTest, SetScaleFactorGivesHalfTheHeightPerViewHeight) {
  set_scale_factor(1, 400);
  EXPECT_EQ(xscale[1], 20);
  EXPECT_EQ(yscale[1], -20);
  // Odd heights are not cut to a whole half, and only view 3 changes.
  view_height[3] = 0.5;
  set_scale_factor(3, 101);
  EXPECT_DOUBLE_EQ(xscale[3], 101);
  EXPECT_DOUBLE_EQ(yscale[3], -101);
  EXPECT_EQ(xscale[2], 1);
  EXPECT_EQ(xscale[4], 1);
  set_scale_factor(0, 400);
  EXPECT_EQ(xscale[0], 1);
}
