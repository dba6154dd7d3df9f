// A drawing of mixed elements in the top plane, as a printed drawing holds them.
#pragma once

namespace bench {

// Replaces the drawing with count elements spread over 1000 x 560 units about the origin: four
// in ten lines, three arcs (arc views -1 and 1, the top plane), one and a half circles (every
// tenth of them filled; radii from 0.5 to 150 units) and one and a half points, in colour runs of
// 20 to 200 elements.
void make_mixed_drawing(int count, unsigned seed);

}  // namespace bench
