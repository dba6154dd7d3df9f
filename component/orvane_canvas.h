// The widget's canvas: a persistent RGB32 image of the widget's size that keeps what is drawn on
// it until the next full repaint.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "orvane/canvas.h"
#include "platform/qt/pixel_source.h"

namespace orvane {

class QtCanvas;

// Drawing calls go to a Qt canvas on the image, opened by the first call that draws and closed
// (its pending lines flushed) before anyone reads the image. The pen, brush, font and pen
// position live here, so they last across openings as they would on one device context.
class PaintBoxCanvas : public Canvas, public PixelSource {
 public:
  // owner gives the size of the image and is asked to repaint when the image changes.
  explicit PaintBoxCanvas(QWidget& owner);
  ~PaintBoxCanvas() override;
  PaintBoxCanvas(const PaintBoxCanvas&) = delete;
  PaintBoxCanvas& operator=(const PaintBoxCanvas&) = delete;

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
  void CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) override;
  void SetFont(const std::string& name, int size) override;
  // The pixels of r with every pending drawing in them, for copying to another canvas.
  QImage source_pixels(const QRect& r) override;

  TPenMode pen_mode() const { return pen_mode_; }
  TColor pen_color() const { return pen_color_; }
  TPoint pen_pos() const { return pen_pos_; }

  // The picture with every drawing call so far in it. A widget whose size changed since the
  // image was made gets a new image filled with the background colour.
  const QImage& image();
  // Moves the picture by (dx, dy) widget pixels; the strips it uncovers get the background.
  void scroll(int dx, int dy, TColor background);
  // Draws the rectangle r of the picture (widget pixels, within the picture) afresh: draw gets
  // a canvas on a picture of r's size in the background colour, whose pixel (0, 0) is r's
  // corner, and what it draws there replaces r.
  void draw_into(const QRect& r, TColor background, const std::function<void(Canvas&)>& draw);
  // Ends painting on the image; the next drawing call begins it again.
  void close();
  // While set, drawing does not ask the owner to repaint (the owner is painting already).
  void set_quiet(bool quiet) { quiet_ = quiet; }

 private:
  QtCanvas& open();
  QSize device_size() const;
  void fit_image();
  void restore_pen(QtCanvas& c) const;

  QWidget& owner_;
  QImage image_;
  std::unique_ptr<QtCanvas> painter_;
  bool quiet_ = false;

  TColor pen_color_ = 0;
  TPenStyle pen_style_ = psSolid;
  int pen_width_ = 1;
  TPenMode pen_mode_ = pmCopy;
  TColor brush_color_ = 0xFFFFFF;
  TBrushStyle brush_style_ = bsSolid;
  std::string font_name_;
  int font_size_ = 0;
  TPoint pen_pos_;
};

}  // namespace orvane
