// The drawing surface every part of Orvane paints on: screen, printer, image and metafile.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Colour in the layout 0x00BBGGRR.
using TColor = uint32_t;

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
};

struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

enum TBrushStyle : uint8_t { bsSolid, bsClear };

// Raster operations of CopyRect.
inline constexpr uint32_t cmSrcCopy = 0x00CC0020;
inline constexpr uint32_t cmNotSrcCopy = 0x00330008;

const char* pen_style_name(TPenStyle s);
const char* pen_mode_name(TPenMode m);
const char* brush_style_name(TBrushStyle s);

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPenColor(TColor c) = 0;
  virtual void SetPenStyle(TPenStyle s) = 0;
  virtual void SetPenWidth(int w) = 0;
  virtual void SetPenMode(TPenMode m) = 0;
  virtual void SetBrushColor(TColor c) = 0;
  virtual void SetBrushStyle(TBrushStyle s) = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Both shapes take their bounding rectangle; the pen outlines, the brush fills.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Copies the source rectangle of another canvas onto dest, through the raster operation mode.
  virtual void CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) = 0;

  virtual void SetFont(const std::string& name, int size) = 0;
};

}  // namespace orvane
