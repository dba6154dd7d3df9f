// A Canvas drawing on a QPaintDevice (a QImage, a QPrinter, a QSvgGenerator) through a QPainter.
#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <string>

#include "orvane/canvas.h"
#include "platform/qt/pixel_source.h"
#include "platform/qt/raster_lines.h"
#include "platform/qt/segment_batch.h"

namespace orvane {

// On an RGB32 QImage the common pen (solid, width 0 or 1, pmCopy) draws straight into the
// pixels; every other pen, mode and device goes through the QPainter, with consecutive segments
// of one pen joined into one drawLines call, drawn when the pen or brush changes, a shape or
// CopyRect is drawn, Flush or painter() is called, or painting ends. Both ways cover the same
// pixels (see raster_lines.h for the rule) up to a few near-ties.
//
// Lines: LineTo draws from the pen position to the point, leaving out the end pixel, and moves
// the pen there. Pen widths 0 and 1 draw one device pixel (a cosmetic pen); a wider pen has
// round caps and joins and is scaled by the painter's transform. psClear draws no line and pmNop
// draws nothing at all.
// Shapes take their bounding rectangle in either corner order, right and bottom edges excluded:
// Rectangle(0, 0, 10, 5) covers the pixels 0..9 x 0..4, its outline in the pen, its inside in the
// brush (none with bsClear). Ellipse fits the same pixels. An empty rectangle draws nothing.
class QtCanvas : public Canvas, public PixelSource {
 public:
  explicit QtCanvas(QPaintDevice* device);  // begins painting on device
  ~QtCanvas() override;                     // flushes and ends painting
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  bool isActive() const;  // painting could begin
  void Flush();           // draws pending segments; call before reading the pixels
  QPainter& painter();    // flushes first; for callers drawing other things
  QPaintDevice* device() const { return device_; }
  // True while lines go straight into the image's pixels rather than through the QPainter.
  bool drawsIntoPixels() const { return direct_; }

  void SetPenColor(TColor c) override;
  void SetPenStyle(TPenStyle s) override;
  void SetPenWidth(int w) override;
  void SetPenMode(TPenMode m) override;
  void SetBrushColor(TColor c) override;
  void SetBrushStyle(TBrushStyle s) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  // Copies src of another pixel source (a Qt canvas on an image or a pixmap, a widget's canvas)
  // onto dest, scaled to fit and mirrored where the two rectangles run opposite ways;
  // cmNotSrcCopy inverts the colours. Other sources and other modes draw nothing.
  void CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) override;
  void SetFont(const std::string& name, int size) override;
  QImage source_pixels(const QRect& r) override;

  TColor pen_color() const { return pen_color_; }
  TPenStyle pen_style() const { return pen_style_; }
  int pen_width() const { return pen_width_; }
  TPenMode pen_mode() const { return pen_mode_; }
  TColor brush_color() const { return brush_color_; }
  TBrushStyle brush_style() const { return brush_style_; }
  const std::string& font_name() const { return font_name_; }
  int font_size() const { return font_size_; }
  TPoint pen_pos() const { return pos_; }

 private:
  bool cosmetic() const { return pen_width_ <= 1; }
  void pen_changed();
  void choose_line_path();
  void line_through_painter(int x, int y);
  void prepare_painter();
  QPen qt_pen() const;
  void fill_shape(bool ellipse, int x1, int y1, int x2, int y2);

  QPaintDevice* device_;
  QPainter painter_;
  bool raster_ = false;
  PixelBuffer pixels_;  // set for an RGB32 image
  SegmentBatch batch_;
  bool direct_ = false;          // LineTo writes pixels
  bool painter_stale_ = true;    // the painter's pen, brush and mode need setting
  bool painter_lent_ = false;    // painter() was handed out: its state is unknown
  uint32_t pixel_ = 0xFF000000;  // the pen colour as an RGB32 pixel

  TColor pen_color_ = 0;
  TPenStyle pen_style_ = psSolid;
  int pen_width_ = 1;
  TPenMode pen_mode_ = pmCopy;
  TColor brush_color_ = 0xFFFFFF;
  TBrushStyle brush_style_ = bsSolid;
  std::string font_name_;
  int font_size_ = 0;
  TPoint pos_;
};

}  // namespace orvane
