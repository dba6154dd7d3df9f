// Drawing the element store on a canvas, the printer's canvas or the metafile canvas.
//
// Output goes to metafilecanvas while clipboard_on is set, else to the current printer's canvas
// while print_on is set, else to the canvas the caller passes.
#pragma once

#include "core/records.h"

namespace orvane {

// While one lives, drawing on the screen (neither printer nor metafile) may leave out what lies
// wholly outside the pixels (0, 0)..(width, height): arcs and circles that miss them are not
// drawn (the pen is still set as for a drawn one) and an arc that crosses their edge is drawn
// only as its segments that may show. Inside the area the picture is the same as without.
class PlotArea {
 public:
  PlotArea(int width, int height);
  ~PlotArea();
  PlotArea(const PlotArea&) = delete;
  PlotArea& operator=(const PlotArea&) = delete;

 private:
  bool old_set_;
  double old_width_;
  double old_height_;
};

// While one lives, the drawing routines leave out a pen setting equal to the last one they made
// on the same canvas, which nothing else draws on meanwhile: a run of elements in one pen sets
// it once. Every pass over the store holds one; so does a print job over its elements.
class DrawingPass {
 public:
  DrawingPass();
  ~DrawingPass();
  DrawingPass(const DrawingPass&) = delete;
  DrawingPass& operator=(const DrawingPass&) = delete;
};

// Full repaint of a window of width x height pixels in current_plot_window; arcs and circles
// outside it cost next to nothing (PlotArea).
void redraw2(Canvas& canvas, int width, int height);
// Whether a screen repaint of the visible layers (mode 1 with a PlotArea) may draw only the
// elements the spatial index finds near the area (the default), or walks the whole store.
void set_spatial_index_enabled(bool enabled);
void clear_screen(Canvas& canvas, int width, int height);
// Draws the elements that mode selects: 0 all, 1 visible layers, 2 group members,
// 3 group_mark 5, 4 the first 200 of visible layers; then the axes when draw_axis_flag is set.
void plot_elements(Canvas& canvas, int view, int mode);
// While a PlotArea lives (on the screen), draws the elements of visible layers that the spatial
// index finds near its area, in ascending number, as the full repaint draws them there, but at
// most max_elements of them; then the axes when draw_axis_flag is set. Returns how many elements
// it drew, or -1 when no index serves the area (nothing is drawn then).
int plot_indexed_elements(Canvas& canvas, int max_elements);
// Draws every stride-th element number (1, 1 + stride, ...) of the visible layers: a preview
// spread over the whole drawing; then the axes when draw_axis_flag is set. Returns the number of
// elements drawn.
int plot_sampled_elements(Canvas& canvas, int view, int stride);
// Draws one element in current_plot_window (view is not used), in its highlight colour.
void draw_element(Canvas& canvas, int view, const TElement* e);

void draw_point(Canvas& canvas, double x, double y, double z, TColor color);
void draw_line(Canvas& canvas, double x1, double y1, double z1, double x2, double y2, double z2,
               TColor color, int line_type);
void draw_arc(Canvas& canvas, double xc, double yc, double zc, double radius, double start,
              double end, TColor color, int line_type, int view);
// An arc counterclockwise in the plane of its arc view. On the screen it is a chain of lines
// computed in 3D; on the printer and the vector picture (a CurveCanvas) one curve through the
// same points: a circular arc where the view shows its plane face on, else the ellipse the
// view makes of it.
void draw_3d_arc(Canvas& canvas, double xc, double yc, double zc, double radius, double start,
                 double end, TColor color, int line_type, int view);
// A circle on the view coordinates (xc, yc), filled on screen when view is 9.
void draw_circle(Canvas& canvas, double xc, double yc, double zc, double radius, TColor color,
                 int line_type, int view);
void draw_axis(Canvas& canvas);

void set_color(Canvas& canvas, TColor color, int line_type);
void set_draw_dc(Canvas& canvas, TColor color, int line_type);
// Within a DrawingPass the printer's pen colour is set only when it changes.
void set_print_color(TColor color, int line_type);

// The colour an element is drawn in on screen: its own, or the highlight of its group_mark.
TColor highlight_color(TColor color, int group_mark);

}  // namespace orvane
