// Pick cases start from the start-up drawing with every window at 10 pixels per model unit and
// view (0, 0) at pixel (100, 100): in the top window model (x, y) lies at pixel
// (100 + 10x, 100 - 10y). End picks (type_of_pick 10), as the component makes them.
#pragma once

#include <gtest/gtest.h>

#include "component/pick.h"
#include "tests/core/core_test.h"

class PickTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    for (int w = 1; w <= 4; ++w) {
      orvane::xscale[w] = 10;
      orvane::yscale[w] = -10;
      orvane::x_plot_origin[w] = 100;
      orvane::y_plot_origin[w] = 100;
    }
    orvane::type_of_pick = 10;
    window(1);
  }

  static void window(int w) {
    orvane::current_plot_window = w;
    orvane::view_window_proc();
    orvane::set_coefficiants();
  }

  static int make(int type, double g1, double g2, double g3, double g4 = 0, double g5 = 0,
                  double g6 = 0, int view = 1) {
    return orvane::make_element(orvane::get_new_element_number(), type, g1, g2, g3, g4, g5, g6,
                                orvane::clLime, 0, 1, 0, view);
  }
  static int point(double x, double y, double z = 0) { return make(orvane::kPoint, x, y, z); }
  static int line(double x1, double y1, double z1, double x2, double y2, double z2) {
    return make(orvane::kLine, x1, y1, z1, x2, y2, z2);
  }
  static int arc(double cx, double cy, double r, double s, double e, int view = 1) {
    return make(orvane::kArc, cx, cy, 0, r, s, e, view);
  }
  // Gives a stored element a type only SetElement could store.
  static void retype(int n, int type) { orvane::lock_element(n)->element_type = type; }

  // pick2 with every output filled with a marker first.
  bool pick_at(int x, int y, uint8_t filter = 0) {
    number = -1;
    near_end = far_end = mid = closest = kUnset;
    return orvane::pick2(filter, x, y, number, near_end, far_end, mid, closest);
  }
  // The element pick_element chooses at a pixel, 0 for none.
  static int chosen_at(int x, int y, uint8_t filter = 0) {
    orvane::Handle h = 0;
    int n = 0;
    return orvane::pick_element(x, y, filter, h, n) ? n : 0;
  }

  static constexpr orvane::dpoint kUnset{12345, 12345, 12345};
  int number = 0;
  orvane::dpoint near_end, far_end, mid, closest;
};

inline void expect_point(const orvane::dpoint& p, double x, double y, double z,
                         double tolerance = 1e-9) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
  EXPECT_NEAR(p.z, z, tolerance);
}
