// One-pixel line segments written straight into the pixels of a 32-bit image.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace orvane {

// width x height pixels of 32 bits, stride pixels from the start of one row to the next.
struct PixelBuffer {
  uint32_t* bits = nullptr;
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
};

// Sets the pixels of the segment from (x1, y1) to (x2, y2) to value, leaving out the end pixel,
// clipped to the buffer. Integer coordinates are pixel centres. The segment steps one pixel at a
// time along its major axis (x when |dx| >= |dy|) and takes the pixel nearest to the line on the
// other axis, the one further down or right when two are equally near: at k steps from the start
// the minor coordinate is n1 + floor((2 k dn + |dm|) / (2 |dm|)). So a segment and its reverse
// cover the same pixels apart from the end left out. Any 32-bit coordinates are safe: the part
// outside the buffer is skipped without stepping through it.
inline void draw_segment(const PixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t value);

// draw_segment for every segment: clipped, of any length.
void draw_any_segment(const PixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t value);

namespace raster_detail {

// Segments of fewer steps than this inside the buffer take the fast way (short_segment).
inline constexpr int kShortSteps = 1 << 15;

// A segment of 1 <= steps < kShortSteps steps that lies in the buffer, without a branch a step:
// the minor coordinate (2 k dn + steps) / (2 steps) is summed in 32 fraction bits from its exact
// start 1/2 by the slope rounded up. The sum never falls below the exact value, and it exceeds
// it by less than steps 2^-32 < 1 / (2 steps) (as steps < 2^15), the least distance from an
// exact value that is not whole to the next whole number: its floor is the exact one.
inline void short_segment(const PixelBuffer& b, int m1, int n1, int steps, int dn, int sign,
                          std::ptrdiff_t major_stride, std::ptrdiff_t minor_stride,
                          uint32_t value) {
  constexpr double kOne = 4294967296.0;  // 2^32
  // The quotient is below 2^33 and either whole (then exact) or at least 2^-15 from a whole
  // number, so rounding the division cannot move its ceiling.
  const auto slope = static_cast<int64_t>(std::ceil(dn * kOne / steps));
  int64_t at = int64_t{1} << 31;
  const std::ptrdiff_t major = sign * major_stride;
  uint32_t* p = b.bits + m1 * major_stride + n1 * minor_stride;
  for (int k = 0; k < steps; ++k) {
    p[(at >> 32) * minor_stride] = value;
    p += major;
    at += slope;
  }
}

}  // namespace raster_detail

inline void draw_segment(const PixelBuffer& buffer, int x1, int y1, int x2, int y2,
                         uint32_t value) {
  const auto in = [&buffer](int x, int y) {
    return static_cast<unsigned>(x) < static_cast<unsigned>(buffer.width) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(buffer.height);
  };
  if (buffer.bits != nullptr && in(x1, y1) && in(x2, y2)) {
    // Both ends in the buffer: the differences fit an int.
    const int dx = x2 - x1, dy = y2 - y1;
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    if (ax >= ay && ax > 0 && ax < raster_detail::kShortSteps) {
      return raster_detail::short_segment(buffer, x1, y1, ax, dy, dx < 0 ? -1 : 1, 1, buffer.stride,
                                          value);
    }
    if (ay > ax && ay < raster_detail::kShortSteps) {
      return raster_detail::short_segment(buffer, y1, x1, ay, dx, dy < 0 ? -1 : 1, buffer.stride, 1,
                                          value);
    }
  }
  draw_any_segment(buffer, x1, y1, x2, y2, value);
}

}  // namespace orvane
