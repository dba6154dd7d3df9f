/// @file
/// The drawing surface every part of Orvane paints on (screen, printer, image and metafile),
/// with its colour, point, rectangle and pen types. TOrvane::canvas gives the widget's.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

/// Colour in the layout 0x00BBGGRR.
using TColor = uint32_t;

/// A pixel position.
struct TPoint {
  int32_t x = 0;  ///< column
  int32_t y = 0;  ///< row
};

/// A rectangle of pixels.
struct TRect {
  int32_t left = 0;    ///< left column
  int32_t top = 0;     ///< top row
  int32_t right = 0;   ///< right column
  int32_t bottom = 0;  ///< bottom row
};

/// The pen's line style.
enum TPenStyle : uint8_t {
  psSolid,       ///< solid
  psDash,        ///< dashed
  psDot,         ///< dotted
  psDashDot,     ///< dash-dot
  psDashDotDot,  ///< dash-dot-dot
  psClear        ///< no line
};

/// How the pen's colour combines with the pixels it draws on.
enum TPenMode : uint8_t {
  pmBlack,        ///< black
  pmWhite,        ///< white
  pmNop,          ///< leaves the pixel
  pmNot,          ///< inverts the pixel
  pmCopy,         ///< the pen colour
  pmNotCopy,      ///< the inverse of the pen colour
  pmMergePenNot,  ///< pen or inverted pixel
  pmMaskPenNot,   ///< pen and inverted pixel
  pmMergeNotPen,  ///< inverted pen or pixel
  pmMaskNotPen,   ///< inverted pen and pixel
  pmMerge,        ///< pen or pixel
  pmNotMerge,     ///< not (pen or pixel)
  pmMask,         ///< pen and pixel
  pmNotMask,      ///< not (pen and pixel)
  pmXor,          ///< pen xor pixel
  pmNotXor        ///< not (pen xor pixel)
};

/// The brush's fill style.
enum TBrushStyle : uint8_t {
  bsSolid,  ///< filled with the brush colour
  bsClear   ///< not filled
};

/// Raster operation of Canvas::CopyRect: copies the source.
inline constexpr uint32_t cmSrcCopy = 0x00CC0020;
/// Raster operation of Canvas::CopyRect: copies the inverted source.
inline constexpr uint32_t cmNotSrcCopy = 0x00330008;

/// The name of a pen style ("psSolid", ...).
const char* pen_style_name(TPenStyle s);
/// The name of a pen mode ("pmCopy", ...).
const char* pen_mode_name(TPenMode m);
/// The name of a brush style ("bsSolid", ...).
const char* brush_style_name(TBrushStyle s);

/// A drawing surface with a pen (colour, style, width, mode), a brush (colour, style), a pen
/// position and a font, in pixels.
class Canvas {
 public:
  /// Releases the surface.
  virtual ~Canvas() = default;

  /// Sets the pen colour.
  virtual void SetPenColor(TColor c) = 0;
  /// Sets the pen's line style.
  virtual void SetPenStyle(TPenStyle s) = 0;
  /// Sets the pen width in pixels.
  virtual void SetPenWidth(int w) = 0;
  /// Sets how the pen combines with the pixels.
  virtual void SetPenMode(TPenMode m) = 0;
  /// Sets the brush colour.
  virtual void SetBrushColor(TColor c) = 0;
  /// Sets the brush's fill style.
  virtual void SetBrushStyle(TBrushStyle s) = 0;

  /// Moves the pen position to (x, y) without drawing.
  virtual void MoveTo(int x, int y) = 0;
  /// Draws a line from the pen position to (x, y), which becomes the pen position.
  virtual void LineTo(int x, int y) = 0;
  /// An ellipse in the bounding rectangle (x1, y1)-(x2, y2); the pen outlines, the brush fills.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  /// The rectangle (x1, y1)-(x2, y2); the pen outlines, the brush fills.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  /// Copies the rectangle src of another canvas onto dest, through the raster operation mode
  /// (cmSrcCopy, cmNotSrcCopy).
  virtual void CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) = 0;

  /// Sets the font of text drawn on the canvas: family name and point size.
  virtual void SetFont(const std::string& name, int size) = 0;
};

}  // namespace orvane
