// The pick search over the element store and the pick entry points built on it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "component/pick.h"
#include "component/pick_hit_test.h"
#include "core/projection.h"
#include "core/spatial_index.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

// The number of the best hit, 0 for none. Hits rank by their distance from the pointer in the
// plane of their test, the lower number first on equal distances; hits of the types only
// SetElement can store come after every other hit, the lowest number first.
template <int W>
struct BestHit {
  const pick_detail::HitProbe& probe;
  int filter;
  int chosen = 0;
  int behind = 0;
  double best = 0;

  [[gnu::always_inline]] inline void consider(int n, const TElement* e) {
    double d;
    if (e != nullptr && !e->deleted && e->element_type != kNoElement &&
        pick_detail::filter_accepts(filter, e->element_type) &&
        pick_detail::hit_element<W>(probe, *e, d)) {
      // Equal distances go to the lower number, in whatever order the numbers come.
      if (pick_detail::ranks_behind(e->element_type)) {
        if (behind == 0 || n < behind) behind = n;
      } else if (chosen == 0 || d < best || (d == best && n < chosen)) {
        chosen = n;
        best = d;
      }
    }
  }
  int result() const { return chosen != 0 ? chosen : behind; }
};

// The boxes around the pointer within which a hit must lie, in the spatial index's coordinates
// of window w: the test plane of points and lines, and the XY plane of arcs; lines and arcs are
// hit within the tolerance (boxes), points within twice it (point_boxes). Returns how many, 0
// when the scale or the tolerance make them unbounded.
int hit_boxes(const pick_detail::HitProbe& probe, spatial_index::Box* boxes,
              spatial_index::Box* point_boxes) {
  const double reach = probe.tolerance / probe.scale;
  if (!(probe.scale > 0) || !std::isfinite(2 * reach) || !(reach >= 0)) return 0;
  const auto around = [](pick_detail::PlanePoint at, double r) {
    return spatial_index::Box{at.x - r, at.y - r, at.x + r, at.y + r};
  };
  const double r = reach * (1 + 1e-9) + 1e-300;
  boxes[0] = around(probe.at, r);
  boxes[1] = around(probe.arc_at, r);
  point_boxes[0] = around(probe.at, 2 * r);
  point_boxes[1] = around(probe.arc_at, 2 * r);
  return probe.at.x == probe.arc_at.x && probe.at.y == probe.arc_at.y ? 1 : 2;
}

// The number of the best hit, 0 for none. Hits rank by their distance from the pointer in the
// plane of their test, the lower number first on equal distances; hits of the types only
// SetElement can store come after every other hit, the lowest number first. Only the elements
// the spatial index finds near the pointer are tested when it serves; ties go by number, so the
// order they come in does not change the ranking.
template <int W>
int best_hit(const pick_detail::HitProbe& probe, int filter) {
  const Handle* handles = element_handle.data();
  BestHit<W> hit{probe, filter};
  spatial_index::Box boxes[2], point_boxes[2];
  static std::vector<int> numbers;
  if (const int count = hit_boxes(probe, boxes, point_boxes);
      count > 0 && spatial_index::unordered_candidates(W, boxes, point_boxes, count, numbers)) {
    // The handles and blocks lie anywhere in memory: fetch the handles far ahead of the test
    // and, once they are near, the blocks they lead to.
    constexpr std::size_t kAhead = 32;
    const std::size_t count_found = numbers.size();
    for (std::size_t i = 0; i < count_found; ++i) {
      if (i + 2 * kAhead < count_found) __builtin_prefetch(&handles[numbers[i + 2 * kAhead]]);
      if (i + kAhead < count_found) __builtin_prefetch(globallock(handles[numbers[i + kAhead]]));
      hit.consider(numbers[i], globallock(handles[numbers[i]]));
    }
    return hit.result();
  }
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  for (int n = 1; n <= last; ++n)
    hit.consider(n, globallock(handles[n]));
  return hit.result();
}

// The model point under pixel (x, y) of window w.
dpoint pointer_point(int w, int x, int y) {
  dpoint c;
  trans_pixel_coords(w, x, y, c.x, c.y, c.z);
  return c;
}

}  // namespace

bool pick_element(int x, int y, uint8_t filter, Handle& handle, int& element_number) {
  handle = 0;
  const int w = current_plot_window;
  if (!is_view_number(w)) return false;
  const dpoint c = pointer_point(w, x, y);
  const pick_detail::HitProbe probe =
      pick_detail::make_probe(w, c.x, c.y, c.z, xscale[w], pick_tolerance);
  const int chosen =
      pick_detail::in_window(w, [&](auto window) { return best_hit<window()>(probe, filter); });
  if (chosen == 0) return false;
  global_int3 = chosen;
  handle = element_handle[chosen];
  element_number = chosen;
  return true;
}

bool pick(int x, int y, dpoint& p, Handle& handle, uint8_t filter, int& element_number) {
  return pick_element(x, y, filter, handle, element_number) && get_endpoint(handle, x, y, p);
}

bool pick2(uint8_t filter, int x, int y, int& element_number, dpoint& near_end, dpoint& far_end,
           dpoint& mid, dpoint& closest) {
  element_number = 0;
  Handle handle = 0;
  dpoint near;
  if (!pick(x, y, near, handle, filter, element_number)) return false;
  const TElement* e = globallock(handle);
  if (e == nullptr) return false;
  dpoint nearest = closest;
  get_closest_point(handle, pointer_point(current_plot_window, x, y), nearest);
  switch (e->element_type) {
    case kPoint:
      mid = near;
      break;
    case kLine:
      mid = midpoint_2_points(near, global_farend_point);
      break;
    case kArc:
      mid_arc(e, mid.x, mid.y, mid.z);
      break;
    default:
      break;
  }
  globalunlock(handle);
  near_end = near;
  far_end = global_farend_point;
  closest = nearest;
  return true;
}

bool pick_point(int x, int y, double& px, double& py, double& pz) {
  uint8_t filter = 0;
  switch (type_of_pick) {
    case 6:
    case 7:
    case 9:
    case 12:
      break;
    case 11:
      filter = 1;
      break;
    case 10:
      trans_pixel_coords(current_plot_window, x, y, px, py, pz);
      return true;
    default:
      return false;
  }
  dpoint p;
  Handle handle = 0;
  int number = 0;
  if (!pick(x, y, p, handle, filter, number)) return false;
  px = p.x;
  py = p.y;
  pz = p.z;
  return true;
}

}  // namespace orvane
