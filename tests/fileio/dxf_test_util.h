// Helpers for DXF reader tests: texts of group lines, and elements read back in model space.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "core/core.h"

namespace dxf_test {

// Group lines joined with LF.
inline std::string lines(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& s : items)
    text += s + "\n";
  return text;
}

struct P3 {
  double x, y, z;
};

// The model-space point at angle t (degrees) of arc element e, through its arc view.
inline P3 arc_point(const orvane::TElement& e, double t) {
  const orvane::view_entry& v = orvane::arc_view[e.view];
  const double k = 57.2957795131;
  const double u = e.values[0] + e.values[3] * std::cos(t / k);
  const double w = e.values[1] + e.values[3] * std::sin(t / k);
  const double d = e.values[2];
  return {v.ax * u + v.ay * w + v.az * d, v.bx * u + v.by * w + v.bz * d,
          v.cx * u + v.cy * w + v.cz * d};
}

// Live elements of one type, in number order.
inline std::vector<orvane::TElement> of_type(int type) {
  std::vector<orvane::TElement> out;
  for (int n = 1; n <= orvane::last_element_number; ++n) {
    const orvane::TElement* e = orvane::lock_element(n);
    if (e && !e->deleted && e->element_type == type) out.push_back(*e);
  }
  return out;
}

}  // namespace dxf_test

// Expects two points to agree within tol.
#define EXPECT_POINT_NEAR(p, ex, ey, ez, tol) \
  do {                                        \
    EXPECT_NEAR((p).x, (ex), (tol));          \
    EXPECT_NEAR((p).y, (ey), (tol));          \
    EXPECT_NEAR((p).z, (ez), (tol));          \
  } while (0)
