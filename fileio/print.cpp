#include "fileio/print.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "core/colors.h"
#include "core/rendering.h"
#include "core/state.h"
#include "core/store.h"
#include "platform/printer.h"

namespace orvane {

int ppi = 0;
bool userabort = false;

namespace {

// Halves round to even, as std::nearbyint does in the default rounding mode.
int round_even(double v) {
  return static_cast<int>(std::nearbyint(v));
}

Printer& the_printer() {
  Printer* p = current_printer();
  if (p == nullptr) throw std::runtime_error("There is no printer to print on.");
  return *p;
}

// Scales window w for the printer and puts it back as it was when the job ends, however it ends.
class PrintScale {
 public:
  explicit PrintScale(int w)
      : w_(w), xscale_(xscale[w]), yscale_(yscale[w]), x_(x_plot_origin[w]), y_(y_plot_origin[w]) {}
  ~PrintScale() {
    xscale[w_] = xscale_;
    yscale[w_] = yscale_;
    x_plot_origin[w_] = x_;
    y_plot_origin[w_] = y_;
    pscale = 1.0;
  }
  PrintScale(const PrintScale&) = delete;
  PrintScale& operator=(const PrintScale&) = delete;

  void apply(double factor) const {
    xscale[w_] *= factor;
    yscale[w_] *= factor;
    x_plot_origin[w_] = round_even(x_plot_origin[w_] * factor);
    y_plot_origin[w_] = round_even(y_plot_origin[w_] * factor);
  }

 private:
  int w_;
  double xscale_, yscale_;
  int x_, y_;
};

// Runs job between BeginDoc and EndDoc; a job that throws is aborted and the error passed on.
template <typename Job>
void print_job(Printer& printer, Job&& job) {
  printer.BeginDoc();
  try {
    job();
    printer.EndDoc();
  } catch (...) {
    printer.Abort();
    throw;
  }
}

TColor print_colour(const TElement& e) {
  TColor c = e.color;
  switch (e.group_mark) {
    case 1:
      c = clYellow;
      break;
    case 2:
      c = clRed;
      break;
    case 3:
      c = plot_background;
      break;
    case 5:
      c = clFuchsia;
      break;
    default:
      break;
  }
  if (print_on && e.color == clWhite) c = clBlack;
  return c;
}

// The printer's brush while a vector print job runs, so that it is set only where a shape needs
// another one: a run of filled circles of one colour sets it once.
struct JobBrush {
  bool active = false;  // a job runs and the brush below is the canvas's
  bool solid = false;
  TColor colour = 0;
  bool colour_known = false;
};
JobBrush job_brush;

class JobBrushScope {
 public:
  // The job has just set a clear brush.
  JobBrushScope() { job_brush = {true, false, 0, false}; }
  ~JobBrushScope() { job_brush.active = false; }
  JobBrushScope(const JobBrushScope&) = delete;
  JobBrushScope& operator=(const JobBrushScope&) = delete;
};

// Within a job: a solid brush of colour for a filled shape, a clear one for an open shape.
void job_brush_for(Canvas& canvas, bool filled, TColor colour) {
  JobBrush& b = job_brush;
  if (filled && !(b.colour_known && b.colour == colour)) {
    canvas.SetBrushColor(colour);
    b.colour = colour;
    b.colour_known = true;
  }
  if (filled != b.solid) {
    canvas.SetBrushStyle(filled ? bsSolid : bsClear);
    b.solid = filled;
  }
}

// A filled circle is filled on paper too, in its print colour; every other shape stays open.
void print_circle(Canvas& canvas, const TElement& e, TColor colour) {
  const double* g = e.values;
  const bool filled = e.view == 9;
  const TColor fill = print_monochrome ? clBlack : colour;
  if (job_brush.active) {
    job_brush_for(canvas, filled, fill);
    draw_circle(canvas, g[0], g[1], g[2], g[3], colour, e.line_type, e.view);
    return;
  }
  if (filled) {
    canvas.SetBrushColor(fill);
    canvas.SetBrushStyle(bsSolid);
  }
  draw_circle(canvas, g[0], g[1], g[2], g[3], colour, e.line_type, e.view);
  if (filled) canvas.SetBrushStyle(bsClear);
}

void print_elements() {
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e != nullptr && !e->deleted && layer_visible(e->layer))
      print_element(current_plot_window, *e);
  }
}

}  // namespace

void print_element(int, const TElement& e) {
  Printer* printer = current_printer();
  if (printer == nullptr) return;
  Canvas& canvas = printer->GetCanvas();
  const TColor colour = print_colour(e);
  const double* g = e.values;
  switch (e.element_type) {
    case 1:
      draw_point(canvas, g[0], g[1], g[2], colour);
      break;
    case 2:
      draw_line(canvas, g[0], g[1], g[2], g[3], g[4], g[5], colour, e.line_type);
      break;
    case 3:
      // An arc is an open shape: its curve is never filled, and a clear brush saves the page
      // from switching brushes around it.
      if (job_brush.active) job_brush_for(canvas, false, 0);
      draw_arc(canvas, g[0], g[1], g[2], g[3], g[4], g[5], colour, e.line_type, e.view);
      break;
    case 4:
      print_circle(canvas, e, colour);
      break;
    default:
      break;
  }
}

void print_cad_proc(int width) {
  const int w = current_plot_window;
  if (width <= 0 || !is_view_number(w)) return;
  userabort = false;
  Printer& printer = the_printer();
  const int page_width = printer.PageWidth();
  const int width_mm = printer.WidthMM();
  if (page_width <= 0 || width_mm <= 0) throw std::runtime_error("The printer has no page.");
  printer.SetTitle(cdl_filename);
  ppi = round_even(page_width / (width_mm / 25.4));
  pscale = static_cast<double>(page_width) / width;
  const PrintScale scale(w);
  print_job(printer, [&] {
    scale.apply(pscale);
    // Pens and brushes are set once per run of elements that share them.
    const DrawingPass pass;
    Canvas& canvas = printer.GetCanvas();
    canvas.SetPenWidth(round_even(ppi * 0.005));
    if (print_on) {
      set_print_color(clBlack, 0);  // remembered, so a first black element sets nothing
    } else {
      canvas.SetPenColor(clBlack);
    }
    canvas.SetPenMode(pmCopy);
    canvas.SetBrushStyle(bsClear);
    const JobBrushScope brush;
    canvas.SetFont("ARIAL", 10);
    print_elements();
  });
}

void print_bmp(Canvas& canvas, int width, int height) {
  if (width <= 0 || height <= 0) return;
  Printer& printer = the_printer();
  const uint32_t mode = plot_background == clBlack ? cmNotSrcCopy : cmSrcCopy;
  const double ratio = static_cast<double>(height) / width;
  printer.SetTitle(cdl_filename);
  const int side = std::min(printer.PageWidth(), printer.PageHeight());
  const double depth = std::min(side * ratio, static_cast<double>(INT32_MAX));
  const TRect target{0, 0, side, static_cast<int>(depth)};
  print_job(printer, [&] {
    printer.GetCanvas().CopyRect(target, canvas, {0, 0, width, height}, mode);
  });
}

}  // namespace orvane
