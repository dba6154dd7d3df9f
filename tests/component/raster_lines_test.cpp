// Segments written straight into pixels against their rule worked out step by step in exact
// integers: at k steps from the start the minor coordinate is n1 + floor((2 k dn + steps) /
// (2 steps)), the end pixel left out, only the pixels inside the buffer written.
#include "platform/qt/raster_lines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// A buffer of w x h pixels with a stride wider than a row, so a stray write shows.
struct Buffer {
  int w, h;
  std::vector<uint32_t> bits;
  Buffer(int width, int height) : w(width), h(height), bits((width + 3) * height, 0) {}
  PixelBuffer view() { return {bits.data(), w + 3, w, h}; }
  Pixels set() const {
    Pixels s;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w + 3; ++x) {
        if (bits[static_cast<std::size_t>(y) * (w + 3) + x] != 0) s.insert({x, y});
      }
    }
    return s;
  }
};

int64_t floor_div(int64_t a, int64_t b) {  // b > 0
  return a / b - (a % b < 0 ? 1 : 0);
}

// The rule, one step at a time.
Pixels expected(int w, int h, int x1, int y1, int x2, int y2) {
  Pixels s;
  const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const int64_t steps = x_major ? std::llabs(dx) : std::llabs(dy);
  const int64_t dn = x_major ? dy : dx;
  const int sign = (x_major ? dx : dy) < 0 ? -1 : 1;
  for (int64_t k = 0; k < steps; ++k) {
    const int64_t minor = floor_div(2 * k * dn + steps, 2 * steps);
    const int64_t x = x_major ? x1 + sign * k : x1 + minor;
    const int64_t y = x_major ? y1 + minor : y1 + sign * k;
    if (x >= 0 && x < w && y >= 0 && y < h) s.insert({static_cast<int>(x), static_cast<int>(y)});
  }
  return s;
}

Pixels drawn(int w, int h, int x1, int y1, int x2, int y2) {
  Buffer b(w, h);
  draw_segment(b.view(), x1, y1, x2, y2, 0xFF00FF00u);
  return b.set();
}

TEST(RasterLines, ASegmentWorkedOutByHand) {
  // y = x / 2 from (0, 0): at x = 1 and x = 3 two pixels are equally near, the lower one wins;
  // the end (4, 2) is left out.
  EXPECT_EQ(drawn(8, 8, 0, 0, 4, 2), (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
  // The same backwards from (4, 2): the ties at x = 3 and x = 1 go to the lower pixel again.
  EXPECT_EQ(drawn(8, 8, 4, 2, 0, 0), (Pixels{{4, 2}, {3, 2}, {2, 1}, {1, 1}}));
  // Steep, towards the lower left.
  EXPECT_EQ(drawn(8, 8, 3, 0, 0, 6), (Pixels{{3, 0}, {3, 1}, {2, 2}, {2, 3}, {1, 4}, {1, 5}}));
  EXPECT_TRUE(drawn(8, 8, 5, 5, 5, 5).empty());
}

TEST(RasterLines, EverySegmentOfASmallBufferFollowsTheRule) {
  // Every pair of ends from 2 pixels outside to 2 beyond a 9 x 7 buffer: inside, crossing an
  // edge and wholly outside, in every octant.
  constexpr int kW = 9, kH = 7;
  for (int x1 = -2; x1 < kW + 2; ++x1) {
    for (int y1 = -2; y1 < kH + 2; ++y1) {
      for (int x2 = -2; x2 < kW + 2; ++x2) {
        for (int y2 = -2; y2 < kH + 2; ++y2) {
          ASSERT_EQ(drawn(kW, kH, x1, y1, x2, y2), expected(kW, kH, x1, y1, x2, y2))
              << x1 << "," << y1 << " -> " << x2 << "," << y2;
        }
      }
    }
  }
}

TEST(RasterLines, LongSegmentsAtTheEdgeOfTheFastWayFollowTheRule) {
  // Lengths either side of 2^15 steps, slopes that fall just short of ties, both major axes.
  std::mt19937 random(5);
  for (int steps : {32766, 32767, 32768, 32769, 40000}) {
    for (int trial = 0; trial < 4; ++trial) {
      const int dn = std::uniform_int_distribution<int>(-9, 9)(random);
      const int n1 = 10 + trial;
      // x-major, left to right and right to left.
      EXPECT_EQ(drawn(steps + 1, 24, 0, n1, steps, n1 + dn),
                expected(steps + 1, 24, 0, n1, steps, n1 + dn))
          << steps << " " << dn;
      EXPECT_EQ(drawn(steps + 1, 24, steps, n1, 0, n1 + dn),
                expected(steps + 1, 24, steps, n1, 0, n1 + dn))
          << steps << " " << dn;
      // y-major, downwards and upwards.
      EXPECT_EQ(drawn(24, steps + 1, n1, 0, n1 + dn, steps),
                expected(24, steps + 1, n1, 0, n1 + dn, steps))
          << steps << " " << dn;
      EXPECT_EQ(drawn(24, steps + 1, n1, steps, n1 + dn, 0),
                expected(24, steps + 1, n1, steps, n1 + dn, 0))
          << steps << " " << dn;
    }
  }
}

TEST(RasterLines, RandomSegmentsOfEverySlopeFollowTheRule) {
  std::mt19937 random(9);
  std::uniform_int_distribution<int> coordinate(-40, 340);
  for (int i = 0; i < 3000; ++i) {
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = coordinate(random), y2 = coordinate(random);
    ASSERT_EQ(drawn(300, 300, x1, y1, x2, y2), expected(300, 300, x1, y1, x2, y2))
        << x1 << "," << y1 << " -> " << x2 << "," << y2;
  }
}

}  // namespace
}  // namespace orvane
