// The pick search over the element store and the pick entry points built on it.
#include <algorithm>

#include "component/pick.h"
#include "component/pick_hit_test.h"
#include "core/projection.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

// The number of the best hit, 0 for none. Hits rank by their distance from the pointer in the
// plane of their test, the lower number first on equal distances; hits of the types only
// SetElement can store come after every other hit, the lowest number first.
template <int W>
int best_hit(const pick_detail::HitProbe& probe, int filter) {
  const Handle* handles = element_handle.data();
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  int chosen = 0;
  int behind = 0;
  double best = 0;
  for (int n = 1; n <= last; ++n) {
    const TElement* e = globallock(handles[n]);
    if (e == nullptr) continue;
    double d;
    if (!e->deleted && e->element_type != kNoElement &&
        pick_detail::filter_accepts(filter, e->element_type) &&
        pick_detail::hit_element<W>(probe, *e, d)) {
      if (pick_detail::ranks_behind(e->element_type)) {
        if (behind == 0) behind = n;
      } else if (chosen == 0 || d < best) {
        chosen = n;
        best = d;
      }
    }
    globalunlock(handles[n]);
  }
  return chosen != 0 ? chosen : behind;
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
