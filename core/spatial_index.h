// A grid over the elements of one window, so that a repaint of part of the drawing and a pick
// look only at the elements near the pixels they concern.
//
// The grid is derived from the store and never holds the truth: it is built for one window (and,
// outside the top window, one set of projection coefficients and arc views) at one value of
// store_change_count, and any difference makes it stale. A stale grid is not used; it is built
// again when the same window and store are asked about twice in a row, so that a drawing that
// changes at every step pays only the linear pass it paid before.
//
// Every element is kept once, by the lower corner of a box that holds what it draws in the window
// (view coordinates, as the repaint projects it) and what the pick tests (the window's test
// plane). The cells of level k are 2^k times as wide as the finest; an element goes to the finest
// level whose cells are at least its size, so a query looks one cell further down and left on
// every level. Elements with boxes that are not finite, or larger than the whole grid, are always
// candidates. Elements whose corners lie outside the grid's span (far away) sit in its edge cells.
#pragma once

#include <cstddef>
#include <vector>

namespace orvane::spatial_index {

// A box in the window's coordinates.
struct Box {
  double x1, y1, x2, y2;
};

// Candidates of window w for the union of the boxes: every element number whose kept box may
// meet one of them, in ascending order, in out. False when no current grid serves the window
// (or the candidates would be most of the drawing): the caller then scans the store itself.
bool candidates(int w, const Box* boxes, int count, std::vector<int>& out);
// The same in no particular order, possibly with repeats, for callers that rank by number
// themselves (the pick); cheaper when there are many.
bool unordered_candidates(int w, const Box* boxes, int count, std::vector<int>& out);
// The same with boxes of their own for the elements the pick hits as points (types 1, 5 and 6),
// which it reaches farther than lines and arcs; point_boxes[i] holds boxes[i].
bool unordered_candidates(int w, const Box* boxes, const Box* point_boxes, int count,
                          std::vector<int>& out);

// Drawings with fewer numbers than this are always scanned (default 4096); tests lower it.
void set_min_elements(int n);
// Builds the grid at the first request instead of the second (tests).
void set_build_at_once(bool at_once);
// Whether the last candidates call was answered from a grid.
bool last_used();
// Bytes the grid holds.
std::size_t bytes();
// Frees the grid.
void release();

}  // namespace orvane::spatial_index
