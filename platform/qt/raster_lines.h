// One-pixel line segments written straight into the pixels of a 32-bit image.
#pragma once

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
void draw_segment(const PixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t value);

}  // namespace orvane
