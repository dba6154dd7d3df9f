#include "platform/qt/raster_lines.h"

#include <algorithm>
#include <cstdlib>

namespace orvane {

namespace {

// Clipping multiplies differences of 32-bit coordinates: up to 2^65, so it works in 128 bits.
using Wide = __int128;

Wide floor_div(Wide a, Wide b) {  // b > 0
  Wide q = a / b;
  if (a % b < 0) --q;
  return q;
}

Wide ceil_div(Wide a, Wide b) {  // b > 0
  return -floor_div(-a, b);
}

// A segment seen along its axes: step k (0 <= k < steps) is the pixel at major coordinate
// m1 + sign k and minor coordinate n1 + floor((2 k dn + steps) / (2 steps)).
struct Walk {
  int64_t m1, n1;
  int64_t steps;  // |dm|; step `steps` is the end pixel, left out
  int64_t dn;     // |dn| <= steps
  int sign;
  int64_t major_size, minor_size;
  std::ptrdiff_t major_stride, minor_stride;  // index distance of one pixel along each axis
};

Walk walk_of(const PixelBuffer& b, int x1, int y1, int x2, int y2) {
  const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
  if (std::abs(dx) >= std::abs(dy)) {
    return {x1, y1, std::abs(dx), dy, dx < 0 ? -1 : 1, b.width, b.height, 1, b.stride};
  }
  return {y1, x1, std::abs(dy), dx, dy < 0 ? -1 : 1, b.height, b.width, b.stride, 1};
}

// The steps lo..hi whose pixels lie in the buffer; false when there are none.
bool clip(const Walk& w, int64_t& lo, int64_t& hi) {
  Wide klo = 0, khi = w.steps - 1;
  if (w.sign > 0) {
    klo = std::max<Wide>(klo, -w.m1);
    khi = std::min<Wide>(khi, w.major_size - 1 - w.m1);
  } else {
    klo = std::max<Wide>(klo, w.m1 - (w.major_size - 1));
    khi = std::min<Wide>(khi, w.m1);
  }
  // minor >= 0 <=> a k + b_lo >= 0; minor < minor_size <=> a k + b_hi < 0.
  const Wide d = w.steps, a = 2 * Wide{w.dn};
  const Wide b_lo = d + 2 * d * w.n1;
  const Wide b_hi = d - 2 * d * (Wide{w.minor_size} - w.n1);
  if (w.dn == 0) {
    if (w.n1 < 0 || w.n1 >= w.minor_size) return false;
  } else if (w.dn > 0) {
    klo = std::max(klo, ceil_div(-b_lo, a));
    khi = std::min(khi, ceil_div(-b_hi, a) - 1);
  } else {
    klo = std::max(klo, floor_div(b_hi, -a) + 1);
    khi = std::min(khi, floor_div(b_lo, -a));
  }
  if (klo > khi) return false;
  lo = static_cast<int64_t>(klo);
  hi = static_cast<int64_t>(khi);
  return true;
}

// Writes the steps first..first+count-1. The error term e stays below 0 between steps; once a
// step brings it to 0 or above, the minor coordinate moves on.
void run(const PixelBuffer& b, const Walk& w, int64_t first, int64_t count, uint32_t value) {
  int64_t q = 0, r = w.steps;  // at step 0
  if (first > 0) {
    const Wide d2 = 2 * Wide{w.steps};
    const Wide num = 2 * Wide{w.dn} * first + w.steps;
    const Wide wq = floor_div(num, d2);
    q = static_cast<int64_t>(wq);
    r = static_cast<int64_t>(num - wq * d2);
  }
  const int64_t m = w.m1 + w.sign * first;
  const int64_t n = w.n1 + q;
  // A falling minor coordinate uses the mirrored remainder, so both directions count upwards.
  int64_t e = w.dn >= 0 ? r - 2 * w.steps : -1 - r;
  const int64_t inc = 2 * std::abs(w.dn), dec = 2 * w.steps;
  const std::ptrdiff_t major = w.sign * w.major_stride;
  const std::ptrdiff_t minor = w.dn >= 0 ? w.minor_stride : -w.minor_stride;
  std::ptrdiff_t i = m * w.major_stride + n * w.minor_stride;
  uint32_t* const bits = b.bits;
  for (int64_t k = 0; k < count; ++k) {
    bits[i] = value;
    i += major;
    e += inc;
    if (e >= 0) {
      i += minor;
      e -= dec;
    }
  }
}

bool inside(const PixelBuffer& b, int x, int y) {
  return static_cast<unsigned>(x) < static_cast<unsigned>(b.width) &&
         static_cast<unsigned>(y) < static_cast<unsigned>(b.height);
}

}  // namespace

void draw_any_segment(const PixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t value) {
  const Walk w = walk_of(buffer, x1, y1, x2, y2);
  if (w.steps == 0 || buffer.bits == nullptr) return;
  if (inside(buffer, x1, y1) && inside(buffer, x2, y2)) {
    run(buffer, w, 0, w.steps, value);
    return;
  }
  int64_t lo, hi;
  if (clip(w, lo, hi)) run(buffer, w, lo, hi - lo + 1, value);
}

}  // namespace orvane
