#include "core/transforms.h"

#include <algorithm>
#include <cmath>

#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

// Indices into values of the two coordinates a view rotates, for a point stored at offset 0.
struct Plane {
  int h;
  int v;
};

Plane plane_of_window(int w) {
  if (w == 2) return {0, 2};
  if (w == 3) return {1, 2};
  return {0, 1};
}

void rotate_pair(double hc, double vc, double& h, double& v, double angle) {
  const double r = distance(hc, vc, h, v);
  const double a = get_angle_degrees(hc, vc, h, v) + angle;
  h = hc + r * std::cos(a / kDegPerRad);
  v = vc + r * std::sin(a / kDegPerRad);
}

void rotate_point_at(double* p, Plane plane, double hc, double vc, double angle) {
  rotate_pair(hc, vc, p[plane.h], p[plane.v], angle);
}

// Whether an arc lies in the plane that window w rotates, so that its angles turn with it.
// Arcs of arc view 2 and 3 keep their centre in the plane's own frame, whose first two
// coordinates are the window's horizontal and vertical: they rotate as in view 1.
bool arc_turns(int w, int arc_view_number, Plane& plane) {
  if (w != 2 && w != 3) return true;
  if (arc_view_number == w) {
    plane = {0, 1};
    return true;
  }
  return arc_view_number == -w;
}

void rotate_arc(double* g, int w, int arc_view_number, double hc, double vc, double angle) {
  Plane plane = plane_of_window(w);
  const bool turns = arc_turns(w, arc_view_number, plane);
  rotate_point_at(g, plane, hc, vc, angle);
  if (!turns) return;
  g[4] += angle;
  g[5] += angle;
  if (g[4] > 360) {
    g[4] -= 360;
    g[5] -= 360;
  }
}

int make_copy(const TElement& e, const double* g, int line_type, int group_mark) {
  return make_element(get_new_element_number(), static_cast<uint8_t>(e.element_type), g[0], g[1],
                      g[2], g[3], g[4], g[5], e.color, line_type, e.layer, group_mark, e.view);
}

bool is_group_member(const TElement* e) {
  return e != nullptr && !e->deleted && e->group_mark == 2;
}

void copy_shifted(const TElement& e, double ox, double oy, double oz) {
  double g[6];
  std::copy(e.values, e.values + 6, g);
  switch (e.element_type) {
    case kLine:
      g[3] += ox, g[4] += oy, g[5] += oz;
      [[fallthrough]];
    case kArc:
      g[0] += ox, g[1] += oy, g[2] += oz;
      make_copy(e, g, e.line_type, 0);
      break;
    case kPoint:
      g[0] += ox, g[1] += oy, g[2] += oz;
      make_copy(e, g, 0, 0);
      break;
    default:
      break;
  }
}

void copy_group_shifted(double dx, double dy, double dz, int count) {
  for (int k = 1; k <= count; ++k) {
    const int last = last_element_number;
    int members = 0;
    for (int n = 1; n <= last; ++n) {
      const TElement* e = lock_element(n);
      if (is_group_member(e)) {
        copy_shifted(*e, k * dx, k * dy, k * dz);
        ++members;
      }
      if (e != nullptr) globalunlock(element_handle[n]);
    }
    // Later rounds would find the same members, or could store nothing: a huge count ends here.
    if (members == 0 || mem_full) break;
  }
}

void delete_group_members_in_place() {
  for (int n = 1; n <= last_element_number; ++n) {
    TElement* e = lock_element(n);
    if (is_group_member(e)) e->deleted = true;
    if (e != nullptr) globalunlock(element_handle[n]);
  }
}

}  // namespace

void rotate_element(const TElement* e, double hc, double vc, double angle) {
  cad_changed = true;
  if (e == nullptr) return;
  const int w = current_plot_window;
  double g[6];
  std::copy(e->values, e->values + 6, g);
  switch (e->element_type) {
    case kPoint:
      rotate_point_at(g, plane_of_window(w), hc, vc, angle);
      g[3] = g[4] = g[5] = 0;
      break;
    case kLine:
      rotate_point_at(g, plane_of_window(w), hc, vc, angle);
      rotate_point_at(g + 3, plane_of_window(w), hc, vc, angle);
      break;
    case kArc:
      rotate_arc(g, w, e->view, hc, vc, angle);
      break;
    default:
      return;
  }
  make_copy(*e, g, e->line_type, 2);
}

void rotate_group(Canvas& canvas, double angle, double hc, double vc, int count, bool keep) {
  if (count == 0) count = 1;
  if (angle == 0) return;
  const int last = last_element_number;
  for (int n = 1; n <= last; ++n) {
    const TElement* e = lock_element(n);
    if (!is_group_member(e)) {
      if (e != nullptr) globalunlock(element_handle[n]);
      continue;
    }
    for (int j = 1; j <= count && !mem_full; ++j) {
      double a = j * angle;
      if (a > 360) a -= 360;
      rotate_element(e, hc, vc, a);
    }
    globalunlock(element_handle[n]);
    if (!keep) delete_element(canvas, element_handle[n]);
  }
}

void shift_element(int n, int mode, double dx, double dy, double dz) {
  if (mode != 0 && mode != 2) return;
  TElement* e = lock_element(n);
  if (e == nullptr) return;
  note_store_change();
  double* g = e->values;
  if (!e->deleted) {
    switch (e->element_type) {
      case 2:
      case 9:
        g[3] -= dx, g[4] -= dy, g[5] -= dz;
        [[fallthrough]];
      case 1:
      case 3:
      case 6:
        g[0] -= dx, g[1] -= dy, g[2] -= dz;
        break;
      case 5:
        g[0] -= dx, g[1] -= dy;
        break;
      case 7:
        g[0] -= dx, g[1] -= dy, g[2] -= dx, g[3] -= dy;
        break;
      default:
        break;
    }
  }
  globalunlock(element_handle[n]);
}

void cad_offsetxy(double dx, double dy, double dz, bool keep, int count, int mode) {
  if (mode == 1) {
    for (int n = 1; n <= last_element_number; ++n)
      shift_element(n, 2, dx, dy, dz);
    return;
  }
  copy_group_shifted(dx, dy, dz, count);
  if (!keep) delete_group_members_in_place();
}

}  // namespace orvane
