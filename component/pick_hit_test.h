// The hit test shared by the pick search and the public hit-test routines. The pointer is
// prepared once per search (its coordinates in each test plane, the projection rows), so that
// testing one element costs a few multiplications, one root for the lines that lie near the
// pointer, and trigonometry only for arcs whose circle passes under it.
#pragma once

#include <cmath>
#include <type_traits>

#include "core/helpers.h"
#include "core/records.h"
#include "core/state.h"

namespace orvane::pick_detail {

struct PlanePoint {
  double x;
  double y;
};

// The pointer of one search.
struct HitProbe {
  int window = 0;                 // 1..4, or 0 for a window that is none of them
  PlanePoint at{0, 0};            // points and lines: the window's plane; window 4 view coordinates
  PlanePoint arc_at{0, 0};        // arcs: (x, y) in windows 1 and 4, (x, z) in 2, (y, z) in 3
  double scale = 0;               // pixels per model unit
  double tolerance = 0;           // pixels
  bool points_only = false;       // type_of_pick 11: only points, with the tolerance not doubled
  double ax = 0, bx = 0, cx = 0;  // window 4: rows of the projection coefficients
  double ay = 0, by = 0, cy = 0;
};

// The probe of the model point (x, y, z) in window; reads type_of_pick and the coefficients.
HitProbe make_probe(int window, double x, double y, double z, double scale, double tolerance);

// Calls f with the window 1..4 as a compile-time constant, so that a search over many elements
// decides the window once. w must be a view number.
template <class F>
inline auto in_window(int w, F&& f) {
  switch (w) {
    case 1:
      return f(std::integral_constant<int, 1>{});
    case 2:
      return f(std::integral_constant<int, 2>{});
    case 3:
      return f(std::integral_constant<int, 3>{});
    default:
      return f(std::integral_constant<int, 4>{});
  }
}

// A model point (three values) in the plane that points and lines of window W are tested in.
template <int W>
[[gnu::always_inline]] inline PlanePoint test_plane(const HitProbe& p, const double* v) {
  if constexpr (W == 1) return {v[0], v[1]};
  if constexpr (W == 2) return {v[0], v[2]};
  if constexpr (W == 3) return {v[1], v[2]};
  if constexpr (W == 4) {
    return {p.ax * v[0] + p.bx * v[1] + p.cx * v[2], p.ay * v[0] + p.by * v[1] + p.cy * v[2]};
  }
}

inline double squared_distance(PlanePoint a, PlanePoint b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// Plane distance without the 100000-unit cut-off of distance(): far must never read as near.
inline double plane_distance(PlanePoint a, PlanePoint b) {
  return std::sqrt(squared_distance(a, b));
}

// Every comparison below is written so that a value that is not a number never hits.
inline bool within(const HitProbe& p, double d, double tolerance) {
  return d * p.scale < tolerance;
}

// A point element (three values); d receives its distance from the pointer.
template <int W>
[[gnu::always_inline]] inline bool hit_point(const HitProbe& p, const double* v, double tolerance,
                                             double& d) {
  if constexpr (W == 4) return false;
  d = plane_distance(test_plane<W>(p, v), p.at);
  return within(p, d, tolerance);
}

// A line element (six values): the pointer must lie inside the circle on the projected segment
// as diameter and within the tolerance of its infinite line; d receives that line distance.
template <int W>
[[gnu::always_inline]] inline bool hit_line(const HitProbe& p, const double* v, double& d) {
  const PlanePoint a = test_plane<W>(p, v);
  const PlanePoint b = test_plane<W>(p, v + 3);
  const PlanePoint m{a.x + (b.x - a.x) / 2, a.y + (b.y - a.y) / 2};
  const double to_pointer = squared_distance(m, p.at);
  if (!(to_pointer <= squared_distance(m, a))) return false;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  if (!(length2 > 0)) {
    d = std::sqrt(to_pointer);
    return within(p, d, p.tolerance);
  }
  const double cross = dx * (p.at.y - a.y) - dy * (p.at.x - a.x);
  // Most lines that pass the circle test lie far off: refuse them without root and division
  // (|cross| / sqrt(length2) * scale < tolerance, squared, for a positive scale).
  if (p.scale > 0 && !(cross * cross * (p.scale * p.scale) < p.tolerance * p.tolerance * length2))
    return false;
  d = std::abs(cross) / std::sqrt(length2);
  return within(p, d, p.tolerance);
}

// An arc's start and end brought into one counterclockwise run: negative angles folded, nearly
// equal ones taken as the full circle, an end below the start moved one turn on.
struct ArcSpan {
  double start;
  double end;
};

inline ArcSpan arc_span(double s, double e) {
  if (s < 0 || e < 0) {
    s = fix_angle(s);
    e = fix_angle(e);
  }
  if (std::abs(std::abs(s) - std::abs(e)) < 1e-5) {
    s = 0;
    e = 360;
  }
  if (s > e) e += 360;
  return {s, e};
}

// Whether the direction theta (degrees, 0..360) lies on the span.
inline bool angle_on_arc(double theta, ArcSpan span) {
  if (span.end > 360 && theta < span.start) theta += 360;
  return span.start <= theta && theta <= span.end;
}

// An arc element; d receives the pointer's distance from its circle.
template <int W>
inline bool hit_arc(const HitProbe& p, const TElement& e, double& d) {
  if (W != 4 && e.view != W) return false;
  const double* v = e.values;
  const double rho = plane_distance(p.arc_at, {v[0], v[1]});
  d = std::abs(rho - v[3]);
  if (!within(p, d, p.tolerance)) return false;
  return angle_on_arc(get_angle_degrees(v[0], v[1], p.arc_at.x, p.arc_at.y), arc_span(v[4], v[5]));
}

// Whether the filter code lets an element type be picked; codes without a rule accept all.
inline bool filter_accepts(int filter, int type) {
  switch (filter) {
    case 1:
    case 2:
    case 3:
    case 5:
    case 6:
      return type == filter;
    case 8:
      return type == kLine || type == kArc;
    case 10:
      return type == kPoint || type == kLine;
    case 11:
      return type == kPoint || type == kArc;
    default:
      return true;
  }
}

// Types that only SetElement can store: they may be hit, but rank behind every real hit.
inline bool ranks_behind(int type) {
  return type == 5 || type == 6 || type == 7 || type == 9;
}

// The hit test of on_element without its outputs: the layer, the mode and the type decide which
// test runs. d receives the distance to rank the hit by, in the plane of the test.
template <int W>
[[gnu::always_inline]] inline bool hit_element(const HitProbe& p, const TElement& e, double& d) {
  if (!e.deleted && !layer_visible(e.layer)) return false;
  if (p.points_only) return e.element_type == kPoint && hit_point<W>(p, e.values, p.tolerance, d);
  switch (e.element_type) {
    case kPoint:
    case 5:
    case 6:
      return hit_point<W>(p, e.values, 2 * p.tolerance, d);
    case kLine:
    case 7:
    case 9:
      return hit_line<W>(p, e.values, d);
    case kArc:
      return hit_arc<W>(p, e, d);
    default:
      return false;
  }
}

}  // namespace orvane::pick_detail
