// The drawing of the line benchmarks: random lines in a cube about the origin.
#pragma once

#include <vector>

namespace bench {

// Replaces the drawing with count lines whose ends lie at random (seeded) in the cube of side
// 1000 about the origin, and returns their end points, six values a line in element order.
std::vector<double> make_random_lines(int count, unsigned seed);

}  // namespace bench
