// The canvas's colours, pen styles and pen modes in Qt's terms.
#pragma once

#include <QColor>
#include <QPainter>
#include <cstdint>

#include "orvane/canvas.h"

namespace orvane {

// TColor is 0x00BBGGRR.
QColor qt_color(TColor c);
// The pixel value of an opaque colour in a Format_RGB32 image (0xFFRRGGBB).
uint32_t rgb32_pixel(TColor c);

// psClear gives Qt::NoPen.
Qt::PenStyle qt_pen_style(TPenStyle s);

// The raster operation of a pen mode: on Format_RGB32 each of the 16 gives exactly the classic
// bitwise result of pen P and destination D (pmMergePenNot is P | ~D, and so on).
QPainter::CompositionMode composition_mode(TPenMode m);

}  // namespace orvane
