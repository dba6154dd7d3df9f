#include "core/rendering.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "core/colors.h"
#include "core/helpers.h"
#include "core/projection.h"
#include "core/spatial_index.h"
#include "core/state.h"
#include "core/store.h"
#include "platform/printer.h"

namespace orvane {

namespace {

constexpr int kFarPixel = 100000;
constexpr int kPreviewElements = 200;
bool index_enabled = true;

Canvas* printer_canvas() {
  Printer* p = current_printer();
  return p != nullptr ? &p->GetCanvas() : nullptr;
}

// The canvas drawing goes to; none when the routed target is missing.
Canvas* routed(Canvas& given) {
  if (clipboard_on) return metafilecanvas;
  if (print_on) return printer_canvas();
  return &given;
}

// Pen style of a line type; false when the type leaves the style as it was.
bool pen_style_of(int line_type, bool metafile, TPenStyle& style) {
  switch (line_type) {
    case 0:
    case 1:
      style = psSolid;
      return true;
    case 2:
      style = psDot;
      return true;
    case 3:
      style = psDashDot;
      return true;
    case 4:
      style = psDashDotDot;
      return true;
    case 10:
      style = psSolid;
      return !metafile;
    case 20:
      style = psDot;
      return !metafile;
    default:
      return false;
  }
}

// During one pass over many elements nothing else draws on the canvas, so a pen setting equal
// to the one the pass set last is left out: the canvas still has it. A repaint of many lines of
// one colour then sets the pen once.
struct PenMemory {
  int passes = 0;            // passes in progress (they nest: a plotted arc is a pass too)
  Canvas* canvas = nullptr;  // the canvas whose pen is remembered; none when unknown
  TColor color = 0;
  int line_type = 0;  // the line type whose style was applied last
  int style = -1;     // the pen style last set, -1 when unknown
  bool brush_clear = false;
};
PenMemory pen_memory;

void forget_pen() {
  pen_memory.canvas = nullptr;
}

// The pixels a screen repaint shows, while a PlotArea lives; arcs and circles wholly outside
// them are left out and arcs crossing their edge are cut to the part inside.
struct Area {
  bool set = false;
  double width = 0;
  double height = 0;
};
Area plot_area;

// The area screen drawing may leave the rest of out; none on the printer and the metafile.
const Area* screen_area() {
  return plot_area.set && !clipboard_on && !print_on ? &plot_area : nullptr;
}

// Beyond the area every shape keeps this many pixels, so that rounding and a wide pen never
// lose a pixel inside it.
constexpr double kAreaMargin = 16;

// Whether the box [x1, x2] x [y1, y2] (pixels) misses the area with its margin.
bool misses(const Area& a, double x1, double y1, double x2, double y2, double margin) {
  return x2 < -margin || y2 < -margin || x1 > a.width + margin || y1 > a.height + margin;
}

// Pen colour, a clear brush (so ellipses are hollow) and the line type's pen style.
[[gnu::always_inline]] inline void apply_pen(Canvas& c, TColor color, int line_type,
                                             bool metafile) {
  PenMemory& m = pen_memory;
  const bool remembered = m.passes > 0 && m.canvas == &c;
  if (remembered && m.color == color && m.line_type == line_type && m.brush_clear) return;
  TPenStyle style;
  const bool sets_style = pen_style_of(line_type, metafile, style);
  if (remembered) {
    if (m.color != color) c.SetPenColor(m.color = color);
    if (!m.brush_clear) c.SetBrushStyle(bsClear), m.brush_clear = true;
    if (sets_style && m.style != style) c.SetPenStyle(style), m.style = style;
    m.line_type = line_type;
    return;
  }
  c.SetPenColor(color);
  c.SetBrushStyle(bsClear);
  if (sets_style) c.SetPenStyle(style);
  if (m.passes > 0) {
    m.canvas = &c;
    m.color = color;
    m.line_type = line_type;
    m.style = sets_style ? style : -1;
    m.brush_clear = true;
  }
}

void to_pixel(int w, double x, double y, double z, int& px, int& py) {
  double vx, vy;
  view_coordinates(w, x, y, z, vx, vy);
  px = pixel_x(w, vx);
  py = pixel_y(w, vy);
}

bool selected(const TElement& e, int mode, int& drawn) {
  switch (mode) {
    case 0:
      return true;
    case 1:
      return layer_visible(e.layer);
    case 2:
      return e.group_mark == 2;
    case 3:
      return e.group_mark == 5;
    case 4:
      if (drawn >= kPreviewElements || !layer_visible(e.layer)) return false;
      ++drawn;
      return true;
    default:
      return false;
  }
}

// A line's two ends in view coordinates.
struct ViewLine {
  double x1, y1, x2, y2;
  bool finite() const {
    // x - x is 0 for a finite x and NaN otherwise: one test for all four.
    return (x1 - x1) + (y1 - y1) + (x2 - x2) + (y2 - y2) == 0;
  }
};

[[gnu::always_inline]] inline ViewLine project_line(int w, double x1, double y1, double z1,
                                                    double x2, double y2, double z2) {
  ViewLine v;
  view_coordinates(w, x1, y1, z1, v.x1, v.y1);
  view_coordinates(w, x2, y2, z2, v.x2, v.y2);
  return v;
}

// The printer takes only the colour; screen and metafile get the whole pen.
void set_line_pen(Canvas& canvas, TColor color, int line_type) {
  if (!clipboard_on && print_on) {
    set_print_color(color, line_type);
  } else {
    set_draw_dc(canvas, color, line_type);
  }
}

// Draws a projected line in window w on the routed canvas.
[[gnu::always_inline]] inline void stroke(Canvas& canvas, int w, const ViewLine& v, TColor color,
                                          int line_type) {
  const int px1 = pixel_x(w, v.x1);
  const int py1 = pixel_y(w, v.y1);
  const int px2 = pixel_x(w, v.x2);
  const int py2 = pixel_y(w, v.y2);
  if (!clipboard_on && !print_on) {
    // The screen, the common case: the pen of set_color straight on the given canvas.
    apply_pen(canvas, color, line_type, false);
    canvas.MoveTo(px1, py1);
    canvas.LineTo(px2, py2);
  } else {
    set_line_pen(canvas, color, line_type);
    if (Canvas* c = routed(canvas)) {
      c->MoveTo(px1, py1);
      c->LineTo(px2, py2);
    }
  }
  flash_flag = false;
}

// A point of the arc at angle t (degrees) in model coordinates, by arc view.
TDPoint arc_point(double xc, double yc, double zc, double radius, double t, int view) {
  const double c = radius * std::cos(t / kDegPerRad);
  const double s = radius * std::sin(t / kDegPerRad);
  if (view == -2) return {xc + c, yc, zc + s};
  if (view == -3) return {xc, yc + c, zc + s};
  if (view < 1 || view > kArcViews) return {xc + c, yc + s, zc};  // -1, and arcs with no plane
  const view_entry& v = arc_view[view];
  const double u = xc + c, p = yc + s, d = zc;
  return {v.ax * u + v.ay * p + v.az * d, v.bx * u + v.by * p + v.bz * d,
          v.cx * u + v.cy * p + v.cz * d};
}

int arc_segments(double radius, double sweep, int w) {
  const double pixels = std::abs(2 * std::numbers::pi * radius) * std::abs(sweep) / 360 * xscale[w];
  if (!(pixels >= 100)) return 10;  // also NaN
  if (pixels >= 3600) return 360;
  return static_cast<int>(std::trunc(pixels)) / 10;
}

// An arc in pixels: the point at angle t (radians) is (x0 + xc cos t + xs sin t,
// y0 + yc cos t + ys sin t), before rounding. Projection and arc views are linear, so this holds
// the same points as arc_point followed by the pixel formula.
struct PixelEllipse {
  double x0, xc, xs, y0, yc, ys;
  double half_width() const { return std::hypot(xc, xs); }
  double half_height() const { return std::hypot(yc, ys); }
  bool finite() const {
    return std::isfinite(x0) && std::isfinite(xc) && std::isfinite(xs) && std::isfinite(y0) &&
           std::isfinite(yc) && std::isfinite(ys);
  }
};

PixelEllipse pixel_ellipse(int w, double xc, double yc, double zc, double radius, int view) {
  TDPoint c{xc, yc, zc}, u{radius, 0, 0}, v{0, radius, 0};
  if (view == -2) {
    v = {0, 0, radius};
  } else if (view == -3) {
    u = {0, radius, 0};
    v = {0, 0, radius};
  } else if (view >= 1 && view <= kArcViews) {
    const view_entry& m = arc_view[view];
    const auto turn = [&m](const TDPoint& p) {
      return TDPoint{m.ax * p.x + m.ay * p.y + m.az * p.z, m.bx * p.x + m.by * p.y + m.bz * p.z,
                     m.cx * p.x + m.cy * p.y + m.cz * p.z};
    };
    c = turn(c), u = turn(u), v = turn(v);
  }
  double cx, cy, ux, uy, vx, vy;
  view_coordinates(w, c.x, c.y, c.z, cx, cy);
  view_coordinates(w, u.x, u.y, u.z, ux, uy);
  view_coordinates(w, v.x, v.y, v.z, vx, vy);
  return {cx * xscale[w] + x_plot_origin[w], ux * xscale[w], vx * xscale[w],
          cy * yscale[w] + y_plot_origin[w], uy * yscale[w], vy * yscale[w]};
}

// Angle intervals (radians, within [-pi, 3 pi]) of the points whose one coordinate,
// offset + r cos(t - phase), lies in [lo, hi]. Up to two intervals; a single full turn when
// every point does.
struct Intervals {
  double from[4];
  double to[4];
  int count = 0;
  void add(double a, double b) {
    from[count] = a;
    to[count] = b;
    ++count;
  }
};

constexpr double kPi = std::numbers::pi;

Intervals band(double offset, double c, double s, double lo, double hi) {
  Intervals out;
  const double r = std::hypot(c, s);
  if (!(r > 0)) {
    if (offset >= lo && offset <= hi) out.add(0, 2 * kPi);
    return out;
  }
  const double phase = std::atan2(s, c);
  const double a = (lo - offset) / r;  // cos(t - phase) >= a
  const double b = (hi - offset) / r;  // cos(t - phase) <= b
  if (a > 1 || b < -1) return out;
  const double wide = a <= -1 ? kPi : std::acos(a);  // |t - phase| <= wide
  const double narrow = b >= 1 ? 0 : std::acos(b);   // |t - phase| >= narrow
  if (narrow >= wide) return out;
  if (narrow <= 0) {
    out.add(phase - wide, phase + wide);
  } else {
    out.add(phase + narrow, phase + wide);
    out.add(phase - wide, phase - narrow);
  }
  return out;
}

// The segments of a chain of n over the sweep (degrees, either way, at most two turns) from
// start that may show inside the box: ranges of segment numbers 1..n, in order, with no overlap.
struct SegmentRanges {
  int first[8];
  int last[8];
  int count = 0;
};

SegmentRanges visible_segments(const PixelEllipse& e, double start, double sweep, int n,
                               double x_lo, double x_hi, double y_lo, double y_hi) {
  const Intervals xs = band(e.x0, e.xc, e.xs, x_lo, x_hi);
  const Intervals ys = band(e.y0, e.yc, e.ys, y_lo, y_hi);
  // Segment i covers the angles between begin + (i - 1) step and begin + i step. A clockwise
  // chain is mirrored (every angle negated) so that it runs the positive way.
  const double mirror = sweep < 0 ? -1 : 1;
  const double begin = mirror * start / kDegPerRad;
  const double step = mirror * sweep / kDegPerRad / n;
  const double span = step * n;
  SegmentRanges out;
  int first[96], last[96], count = 0;
  for (int i = 0; i < xs.count; ++i) {
    for (int j = 0; j < 3 * ys.count; ++j) {
      // Both sets are angles modulo a turn: the y interval is met one turn either side too.
      const double shift = (j / ys.count - 1) * 2 * kPi;
      const double x_from = mirror > 0 ? xs.from[i] : -xs.to[i];
      const double x_to = mirror > 0 ? xs.to[i] : -xs.from[i];
      const double y_from = (mirror > 0 ? ys.from[j % ys.count] : -ys.to[j % ys.count]) + shift;
      const double y_to = (mirror > 0 ? ys.to[j % ys.count] : -ys.from[j % ys.count]) + shift;
      const double lo = std::max(x_from, y_from);
      const double hi = std::min(x_to, y_to);
      if (!(lo <= hi)) continue;
      // [lo, hi] taken round every turn that can meet the chain's angles.
      const double turns = std::floor((lo - begin) / (2 * kPi));
      for (int k = -3; k <= 1 && count < 96; ++k) {
        const double a = lo - (turns + k) * 2 * kPi - begin;
        const double b = hi - (turns + k) * 2 * kPi - begin;
        if (b < 0 || a > span) continue;
        // One segment more on each side keeps rounding at the interval's ends harmless.
        const double f = std::floor(a / step);
        const double l = std::ceil(b / step) + 1;
        first[count] = f < 1 ? 1 : f > n ? n : static_cast<int>(f);
        last[count] = l < 1 ? 1 : l > n ? n : static_cast<int>(l);
        ++count;
      }
    }
  }
  // Sorted and merged into at most a few ranges.
  for (int i = 1; i < count; ++i) {
    for (int j = i; j > 0 && first[j] < first[j - 1]; --j) {
      std::swap(first[j], first[j - 1]);
      std::swap(last[j], last[j - 1]);
    }
  }
  for (int i = 0; i < count; ++i) {
    if (out.count > 0 && first[i] <= out.last[out.count - 1] + 1) {
      out.last[out.count - 1] = std::max(out.last[out.count - 1], last[i]);
    } else if (out.count < 8) {
      out.first[out.count] = first[i];
      out.last[out.count] = last[i];
      ++out.count;
    } else {
      out.last[out.count - 1] = std::max(out.last[out.count - 1], last[i]);
    }
  }
  return out;
}

}  // namespace

DrawingPass::DrawingPass() {
  ++pen_memory.passes;
}

DrawingPass::~DrawingPass() {
  if (--pen_memory.passes == 0) pen_memory.canvas = nullptr;
}

PlotArea::PlotArea(int width, int height)
    : old_set_(plot_area.set), old_width_(plot_area.width), old_height_(plot_area.height) {
  plot_area.set = true;
  plot_area.width = width;
  plot_area.height = height;
}

PlotArea::~PlotArea() {
  plot_area.set = old_set_;
  plot_area.width = old_width_;
  plot_area.height = old_height_;
}

TColor highlight_color(TColor color, int group_mark) {
  switch (group_mark) {
    case 1:
      return clYellow;
    case 2:
      return clRed;
    case 3:
      return plot_background;
    case 5:
      return clFuchsia;
    case 7:
      return clDarkRed;
    default:
      return color;
  }
}

void set_color(Canvas& canvas, TColor color, int line_type) {
  if (Canvas* c = routed(canvas)) apply_pen(*c, color, line_type, clipboard_on);
}

void set_draw_dc(Canvas& canvas, TColor color, int line_type) {
  if (!clipboard_on && print_on) {
    if (Canvas* c = printer_canvas()) c->SetPenMode(pmCopy);
    return;
  }
  set_color(canvas, color, line_type);
}

void set_print_color(TColor color, int) {
  if (!print_on) return;
  Canvas* c = printer_canvas();
  if (c == nullptr) return;
  const TColor ink = print_monochrome ? clBlack : color;
  PenMemory& m = pen_memory;
  if (m.passes > 0 && m.canvas == c) {
    if (m.color != ink) c->SetPenColor(m.color = ink);
    return;
  }
  c->SetPenColor(ink);
  if (m.passes == 0) return;
  // The colour is known from now on; style and brush are not until a set_color sets them.
  m.canvas = c;
  m.color = ink;
  m.style = -1;
  m.brush_clear = false;
}

void clear_screen(Canvas& canvas, int width, int height) {
  forget_pen();
  set_color(canvas, plot_background, 1);
  canvas.SetPenMode(pmCopy);
  canvas.SetBrushColor(plot_background);
  canvas.SetBrushStyle(bsSolid);
  canvas.Rectangle(0, 0, width, height);
}

void draw_line(Canvas& canvas, double x1, double y1, double z1, double x2, double y2, double z2,
               TColor color, int line_type) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  stroke(canvas, w, project_line(w, x1, y1, z1, x2, y2, z2), color, line_type);
}

void draw_point(Canvas& canvas, double x, double y, double z, TColor color) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  int px, py;
  to_pixel(w, x, y, z, px, py);
  if (std::abs(static_cast<long long>(px)) > kFarPixel ||
      std::abs(static_cast<long long>(py)) > kFarPixel) {
    return;
  }
  set_line_pen(canvas, color, 0);
  Canvas* c = routed(canvas);
  if (c == nullptr) return;
  c->MoveTo(px + 5, py);
  c->LineTo(px - 5, py);
  c->MoveTo(px, py + 5);
  c->LineTo(px, py - 5);
}

void draw_circle(Canvas& canvas, double xc, double yc, double, double radius, TColor color,
                 int line_type, int view) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  const long long pc = pixel_x(w, xc);
  const long long qc = pixel_y(w, yc);
  const long long r = round_pixel(radius * xscale[w]);
  const long long x1 = pc - r, y1 = qc + r, x2 = pc + r, y2 = qc - r;
  if (std::llabs(x1) > kFarPixel || std::llabs(y1) > kFarPixel || std::llabs(x2) > kFarPixel ||
      std::llabs(y2) > kFarPixel) {
    return;
  }
  if (std::llabs(x1 - x2) < 2 && std::llabs(y1 - y2) < 2) return;
  // A circle wholly outside the repainted area sets the pen as a drawn one would, and no more.
  const Area* area = screen_area();
  const bool shows =
      area == nullptr || !misses(*area, static_cast<double>(x1), static_cast<double>(y2),
                                 static_cast<double>(x2), static_cast<double>(y1), kAreaMargin);
  set_line_pen(canvas, color, line_type);
  Canvas* c = routed(canvas);
  if (c == nullptr) return;
  if (!clipboard_on && !print_on && view == 9) {
    if (pen_memory.canvas == c) pen_memory.brush_clear = false;
    c->SetBrushColor(color);
    c->SetBrushStyle(bsSolid);
  }
  if (shows) {
    c->Ellipse(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
               static_cast<int>(y2));
  }
}

namespace {

// The chain of segments first..last of an arc, each drawn as the whole chain would draw it.
void draw_chain(Canvas& canvas, double xc, double yc, double zc, double radius, double start,
                double step, int first, int last, TColor color, int line_type, int view) {
  TDPoint p = arc_point(xc, yc, zc, radius, start + (first - 1) * step, view);
  for (int i = first; i <= last; ++i) {
    const TDPoint q = arc_point(xc, yc, zc, radius, start + i * step, view);
    draw_line(canvas, p.x, p.y, p.z, q.x, q.y, q.z, color, line_type);
    p = q;
  }
}

// The canvas an arc goes to as one curve: the printer's page, or the vector picture when it
// draws curves; none on the screen, whose picture is the chain of lines.
CurveCanvas* curve_canvas() {
  if (clipboard_on) return dynamic_cast<CurveCanvas*>(metafilecanvas);
  if (!print_on) return nullptr;
  Printer* p = current_printer();
  return p != nullptr ? &p->GetCanvas() : nullptr;
}

// Arcs reaching further than this many pixels from the device's origin keep their chain, whose
// segments are cut to what Qt's stroker takes (platform/qt/segment_batch.cpp); a curve's control
// points out there would overflow it.
constexpr double kFarCurve = 1 << 20;

// Whether the ellipse is a circle: u and v as long and at right angles, up to rounding.
bool is_circle(const PixelEllipse& e) {
  const double uu = e.xc * e.xc + e.yc * e.yc, vv = e.xs * e.xs + e.ys * e.ys;
  const double uv = e.xc * e.xs + e.yc * e.ys;
  const double tolerance = 1e-9 * std::max(uu, vv);
  return std::abs(uu - vv) <= tolerance && std::abs(uv) <= tolerance;
}

// An angle in degrees within [0, 360).
double turned(double degrees) {
  const double a = std::fmod(degrees, 360);
  return (a < 0 ? a + 360 : a) + 0.0;  // + 0.0 makes -0 plain 0
}

struct ArcSpec {
  double xc, yc, zc, radius, start, sweep;
  int view;
};

// The arc as one curve through the points of its chain, in the pen its first segment would
// set; false, with nothing drawn, where the chain stays: values that are not numbers, a zero
// radius (whose chain draws nothing) and arcs far off the device.
//
// Face on (the view looks straight at the arc's plane, as the top view at the top plane) the
// arc is a circular one, drawn as Arc in the device's angles. Otherwise the view makes an
// ellipse of it, a segment when it sees the plane edge on: EllipseArc takes the projected
// frame, which is exact for every view since projection and pixel mapping are affine, so no
// view needs the chain.
bool draw_curve(Canvas& given, CurveCanvas& curves, int w, const ArcSpec& a, TColor color,
                int line_type) {
  const PixelEllipse e = pixel_ellipse(w, a.xc, a.yc, a.zc, a.radius, a.view);
  const double hw = e.half_width(), hh = e.half_height();
  if (!e.finite() || !std::isfinite(a.start) || !std::isfinite(a.sweep)) return false;
  if (!(hw > 0 || hh > 0) || std::abs(e.x0) + hw > kFarCurve || std::abs(e.y0) + hh > kFarCurve) {
    return false;
  }
  set_line_pen(given, color, line_type);
  flash_flag = false;
  const double from = std::fmod(a.start, 360);
  if (is_circle(e)) {
    // Device angles turn from +x towards -y (up on the device). The point at t lies at the angle
    // of u plus t, or minus t where the view mirrors the plane (v follows u clockwise).
    const double u_angle = std::atan2(-e.yc, e.xc) * (180 / kPi);
    const double sense = e.yc * e.xs - e.xc * e.ys > 0 ? 1 : -1;
    curves.Arc(e.x0 - hw, e.y0 - hw, e.x0 + hw, e.y0 + hw, turned(u_angle + sense * from),
               sense * a.sweep);
  } else {
    curves.EllipseArc({e.x0, e.y0, e.xc, e.yc, e.xs, e.ys}, from, a.sweep);
  }
  return true;
}

// Starts beyond this many degrees are left whole: turning them into radians and back loses the
// precision that finding the segments needs.
constexpr double kLargestCutStart = 1e6;

}  // namespace

void draw_3d_arc(Canvas& canvas, double xc, double yc, double zc, double radius, double start,
                 double end, TColor color, int line_type, int view) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  if (line_type == 10 || line_type == 20) line_type /= 10;
  const DrawingPass pass;
  const double sweep = get_arc_angle(start, end, 3);
  if (CurveCanvas* curves = curve_canvas(); curves != nullptr) {
    if (draw_curve(canvas, *curves, w, {xc, yc, zc, radius, start, sweep, view}, color, line_type))
      return;
  }
  const int n = arc_segments(radius, sweep, w);
  const double step = sweep / n;
  if (const Area* area = screen_area(); area != nullptr && std::isfinite(step)) {
    const PixelEllipse e = pixel_ellipse(w, xc, yc, zc, radius, view);
    const double hw = e.half_width(), hh = e.half_height();
    // A chord strays from its arc by at most the sagitta of one step.
    const double margin =
        kAreaMargin + std::hypot(hw, hh) * (1 - std::cos(std::abs(step) / kDegPerRad / 2));
    if (e.finite() && std::isfinite(margin)) {
      if (misses(*area, e.x0 - hw, e.y0 - hh, e.x0 + hw, e.y0 + hh, margin)) {
        // Left out at once; the pen is set as the first segment would have set it.
        apply_pen(canvas, color, line_type, false);
        flash_flag = false;
        return;
      }
      const bool inside = e.x0 - hw >= -margin && e.y0 - hh >= -margin &&
                          e.x0 + hw <= area->width + margin && e.y0 + hh <= area->height + margin;
      if (!inside && std::abs(start) < kLargestCutStart && std::abs(sweep) <= 720) {
        // Only the segments that can show inside the area.
        const SegmentRanges ranges = visible_segments(
            e, start, sweep, n, -margin, area->width + margin, -margin, area->height + margin);
        if (ranges.count == 0) {
          apply_pen(canvas, color, line_type, false);
          flash_flag = false;
        }
        for (int r = 0; r < ranges.count; ++r) {
          draw_chain(canvas, xc, yc, zc, radius, start, step, ranges.first[r], ranges.last[r],
                     color, line_type, view);
        }
        return;
      }
    }
  }
  draw_chain(canvas, xc, yc, zc, radius, start, step, 1, n, color, line_type, view);
}

void draw_arc(Canvas& canvas, double xc, double yc, double zc, double radius, double start,
              double end, TColor color, int line_type, int view) {
  draw_3d_arc(canvas, xc, yc, zc, radius, start, end, color, line_type, view);
}

namespace {

// One undeleted element in its drawing colour; inline because every repaint runs it per element.
[[gnu::always_inline]] inline void draw_record(Canvas& canvas, const TElement& e) {
  const TColor color =
      clipboard_on || e.group_mark == 0 ? e.color : highlight_color(e.color, e.group_mark);
  const double* g = e.values;
  switch (e.element_type) {
    case kPoint:
      draw_point(canvas, g[0], g[1], g[2], color);
      break;
    case kLine: {
      // A line that cannot be drawn (an end that is not a number) is skipped.
      const int w = current_plot_window;
      if (!is_view_number(w)) break;
      const ViewLine v = project_line(w, g[0], g[1], g[2], g[3], g[4], g[5]);
      if (v.finite()) stroke(canvas, w, v, color, e.line_type);
      break;
    }
    case kArc:
      draw_arc(canvas, g[0], g[1], g[2], g[3], g[4], g[5], color, e.line_type, e.view);
      break;
    case kCircle:
      draw_circle(canvas, g[0], g[1], g[2], g[3], color, e.line_type, e.view);
      break;
    default:
      break;
  }
}

// Window w's projection to pixels, taken once for a pass over many lines: the arithmetic of
// project_line, pixel_x and pixel_y with the factors held in registers instead of read again
// after every canvas call.
struct ScreenProjection {
  bool top;
  double ax, bx, cx, ay, by, cy;
  double sx, sy, ox, oy;

  explicit ScreenProjection(int w)
      : top(w == 1),
        ax(coff_ax),
        bx(coff_bx),
        cx(coff_cx),
        ay(coff_ay),
        by(coff_by),
        cy(coff_cy),
        sx(xscale[w]),
        sy(yscale[w]),
        ox(x_plot_origin[w]),
        oy(y_plot_origin[w]) {}

  [[gnu::always_inline]] inline ViewLine line(const double* g) const {
    if (top) return {g[0], g[1], g[3], g[4]};
    return {ax * g[0] + bx * g[1] + cx * g[2], ay * g[0] + by * g[1] + cy * g[2],
            ax * g[3] + bx * g[4] + cx * g[5], ay * g[3] + by * g[4] + cy * g[5]};
  }
};

// A pass on the screen canvas that draws lines itself and everything else through draw_record;
// the canvas calls are those of draw_record. The pen it last set is known until another kind of
// element draws, so a run of lines of one pen tests it once.
class ScreenPass {
 public:
  ScreenPass(Canvas& canvas, int w) : canvas_(canvas), p_(w) {}
  ~ScreenPass() {
    if (lines_) flash_flag = false;
  }
  ScreenPass(const ScreenPass&) = delete;
  ScreenPass& operator=(const ScreenPass&) = delete;

  // Someone else set the pen: the next line sets its own again.
  void forget_pen() { pen_known_ = false; }

  [[gnu::always_inline]] inline void draw(const TElement& e) {
    if (e.element_type != kLine) {
      pen_known_ = false;
      draw_record(canvas_, e);
      return;
    }
    const ViewLine v = p_.line(e.values);
    if (!v.finite()) return;
    const int px1 = round_pixel(v.x1 * p_.sx + p_.ox);
    const int py1 = round_pixel(v.y1 * p_.sy + p_.oy);
    const int px2 = round_pixel(v.x2 * p_.sx + p_.ox);
    const int py2 = round_pixel(v.y2 * p_.sy + p_.oy);
    const TColor color = e.group_mark == 0 ? e.color : highlight_color(e.color, e.group_mark);
    if (!pen_known_ || color != color_ || e.line_type != line_type_) {
      apply_pen(canvas_, color, e.line_type, false);
      pen_known_ = pen_memory.canvas == &canvas_;
      color_ = color;
      line_type_ = e.line_type;
    }
    canvas_.MoveTo(px1, py1);
    canvas_.LineTo(px2, py2);
    lines_ = true;
  }

 private:
  Canvas& canvas_;
  const ScreenProjection p_;
  bool pen_known_ = false;
  bool lines_ = false;  // a line was drawn: flash_flag is cleared at the end
  TColor color_ = 0;
  int line_type_ = 0;
};

}  // namespace

void draw_element(Canvas& canvas, int, const TElement* e) {
  if (e != nullptr && !e->deleted) draw_record(canvas, *e);
}

namespace {

// The pen style drawing e (selected, undeleted) on the screen in window w sets, or -1 when it
// sets none: the same cases as the drawing routines, which set no pen for a far point, a line
// whose end is not a number, or a far or tiny circle, and leave the style alone for line types
// without one.
int style_set_by(const TElement& e, int w) {
  TPenStyle style;
  const double* g = e.values;
  int line_type = e.line_type;
  switch (e.element_type) {
    case kPoint: {
      int px, py;
      to_pixel(w, g[0], g[1], g[2], px, py);
      if (std::abs(static_cast<long long>(px)) > kFarPixel ||
          std::abs(static_cast<long long>(py)) > kFarPixel) {
        return -1;
      }
      line_type = 0;
      break;
    }
    case kLine:
      if (!project_line(w, g[0], g[1], g[2], g[3], g[4], g[5]).finite()) return -1;
      break;
    case kArc:
      if (line_type == 10 || line_type == 20) line_type /= 10;
      break;
    case kCircle: {
      const long long pc = pixel_x(w, g[0]);
      const long long qc = pixel_y(w, g[1]);
      const long long r = round_pixel(g[3] * xscale[w]);
      const long long x1 = pc - r, y1 = qc + r, x2 = pc + r, y2 = qc - r;
      if (std::llabs(x1) > kFarPixel || std::llabs(y1) > kFarPixel || std::llabs(x2) > kFarPixel ||
          std::llabs(y2) > kFarPixel) {
        return -1;
      }
      if (std::llabs(x1 - x2) < 2 && std::llabs(y1 - y2) < 2) return -1;
      break;
    }
    default:
      return -1;
  }
  return pen_style_of(line_type, false, style) ? static_cast<int>(style) : -1;
}

// A line type whose pen style is the given one.
int line_type_of_style(int style) {
  switch (style) {
    case psDot:
      return 2;
    case psDashDot:
      return 3;
    case psDashDotDot:
      return 4;
    default:
      return 1;
  }
}

bool drawn_in_mode_1(const TElement* e) {
  return e != nullptr && !e->deleted && e->element_type != kNoElement && layer_visible(e->layer);
}

// A line or arc element clears flash_flag when it is drawn, wherever it lies.
bool clears_flash(const TElement& e, int w) {
  if (e.element_type == kArc) return true;
  const double* g = e.values;
  return e.element_type == kLine && project_line(w, g[0], g[1], g[2], g[3], g[4], g[5]).finite();
}

// The repaint of the elements on visible layers through the spatial index: only those whose box
// meets the area, in ascending number, so the area shows what the full pass shows; at most
// limit of them. Returns how many were drawn, -1 when no index serves (nothing is drawn then).
int plot_visible_through_index(Canvas& canvas, const Area& area, int limit) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return -1;
  // The area in view coordinates, with room for the widest shape's stray pixels.
  constexpr double kMargin = kAreaMargin + 8;
  const double sx = xscale[w], sy = yscale[w];
  if (!std::isfinite(sx) || !std::isfinite(sy) || sx == 0 || sy == 0) return -1;
  const double ax = (-kMargin - x_plot_origin[w]) / sx;
  const double bx = (area.width + kMargin - x_plot_origin[w]) / sx;
  const double ay = (-kMargin - y_plot_origin[w]) / sy;
  const double by = (area.height + kMargin - y_plot_origin[w]) / sy;
  const spatial_index::Box box{std::min(ax, bx), std::min(ay, by), std::max(ax, bx),
                               std::max(ay, by)};
  static std::vector<int> numbers;
  if (!spatial_index::candidates(w, &box, 1, numbers)) return -1;
  const Handle* handles = element_handle.data();
  // The pen style on the canvas is the one the full pass would have left after element
  // number known: every element after it and before the next one drawn sets none, or is looked
  // at when an element that keeps the style is drawn.
  int known = 0;
  int drawn = 0;
  {
    ScreenPass pass(canvas, w);
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < numbers.size() && drawn < limit; ++i) {
      // The blocks lie anywhere in memory: fetch a few ahead of the drawing.
      if (i + kAhead < numbers.size()) __builtin_prefetch(globallock(handles[numbers[i + kAhead]]));
      const int n = numbers[i];
      const TElement* e = globallock(handles[n]);
      if (!drawn_in_mode_1(e)) continue;
      const int own = style_set_by(*e, w);
      if (own < 0 && e->element_type >= kLine && e->element_type <= kCircle) {
        // Drawn in the style the last element before it set, drawn here or not.
        for (int m = n - 1; m > known; --m) {
          const TElement* before = globallock(handles[m]);
          if (!drawn_in_mode_1(before)) continue;
          const int style = style_set_by(*before, w);
          if (style >= 0) {
            apply_pen(canvas, e->color, line_type_of_style(style), false);
            pass.forget_pen();
            break;
          }
        }
        known = n;
      } else if (own >= 0) {
        known = n;
      }
      pass.draw(*e);
      ++drawn;
    }
  }
  if (flash_flag) {
    const int last =
        std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
    for (int n = 1; n <= last && flash_flag; ++n) {
      const TElement* e = globallock(handles[n]);
      if (drawn_in_mode_1(e) && clears_flash(*e, w)) flash_flag = false;
    }
  }
  return drawn;
}

// The full pass of modes 0 and 1 on the screen: every undeleted element, or those of visible
// layers, in ascending number.
void plot_on_screen(Canvas& canvas, const Handle* handles, int last, bool visible_only) {
  ScreenPass pass(canvas, current_plot_window);
  for (int n = 1; n <= last; ++n) {
    const TElement* e = globallock(handles[n]);
    if (e == nullptr || e->deleted || e->element_type == kNoElement) continue;
    if (visible_only && !layer_visible(e->layer)) continue;
    pass.draw(*e);
  }
}

}  // namespace

void plot_elements(Canvas& canvas, int view, int mode) {
  if (!is_view_number(view)) return;
  const DrawingPass pass;
  if (mode == 1 && index_enabled) {
    if (const Area* area = screen_area();
        area != nullptr && plot_visible_through_index(canvas, *area, INT_MAX) >= 0) {
      if (draw_axis_flag) draw_axis(canvas);
      return;
    }
  }
  int drawn = 0;
  // Drawing makes no elements, so the table stays as it is for the whole pass.
  const Handle* handles = element_handle.data();
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  if ((mode == 0 || mode == 1) && !clipboard_on && !print_on &&
      is_view_number(current_plot_window)) {
    plot_on_screen(canvas, handles, last, mode == 1);
    if (draw_axis_flag) draw_axis(canvas);
    return;
  }
  for (int n = 1; n <= last; ++n) {
    const TElement* e = globallock(handles[n]);
    if (e == nullptr) continue;
    // An empty record (type 0) draws nothing and does not count towards the preview's 200.
    if (!e->deleted && e->element_type != kNoElement && selected(*e, mode, drawn)) {
      draw_record(canvas, *e);
    }
    globalunlock(handles[n]);
  }
  if (draw_axis_flag) draw_axis(canvas);
}

int plot_indexed_elements(Canvas& canvas, int max_elements) {
  const Area* area = screen_area();
  if (area == nullptr || !is_view_number(current_plot_window)) return -1;
  const DrawingPass pass;
  const int drawn = plot_visible_through_index(canvas, *area, std::max(max_elements, 0));
  if (drawn >= 0 && draw_axis_flag) draw_axis(canvas);
  return drawn;
}

int plot_sampled_elements(Canvas& canvas, int view, int stride) {
  if (!is_view_number(view)) return 0;
  const DrawingPass pass;
  const long long step = std::max(stride, 1);
  const Handle* handles = element_handle.data();
  const int last = std::min<int>(last_element_number, static_cast<int>(element_handle.size()) - 1);
  int drawn = 0;
  for (long long n = 1; n <= last; n += step) {
    const TElement* e = globallock(handles[n]);
    if (drawn_in_mode_1(e)) {
      draw_record(canvas, *e);
      ++drawn;
    }
    if (e != nullptr) globalunlock(handles[n]);
  }
  if (draw_axis_flag) draw_axis(canvas);
  return drawn;
}

void draw_axis(Canvas& canvas) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  const double l =
      std::max(std::abs(screen_center_x[w]), std::abs(screen_center_y[w])) + view_height[w];
  draw_line(canvas, -l, 0, 0, l, 0, 0, clRed, 0);
  draw_line(canvas, 0, -l, 0, 0, l, 0, clRed, 0);
  draw_line(canvas, 0, 0, -l, 0, 0, l, clRed, 0);
}

void set_spatial_index_enabled(bool enabled) {
  index_enabled = enabled;
}

void redraw2(Canvas& canvas, int width, int height) {
  set_coefficiants();
  clear_screen(canvas, width, height);
  const PlotArea area(width, height);
  plot_elements(canvas, current_plot_window, 1);
}

}  // namespace orvane
