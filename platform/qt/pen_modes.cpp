#include "platform/qt/pen_modes.h"

namespace orvane {

QColor qt_color(TColor c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

uint32_t rgb32_pixel(TColor c) {
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

Qt::PenStyle qt_pen_style(TPenStyle s) {
  switch (s) {
    case psSolid:
      return Qt::SolidLine;
    case psDash:
      return Qt::DashLine;
    case psDot:
      return Qt::DotLine;
    case psDashDot:
      return Qt::DashDotLine;
    case psDashDotDot:
      return Qt::DashDotDotLine;
    default:
      return Qt::NoPen;
  }
}

QPainter::CompositionMode composition_mode(TPenMode m) {
  using P = QPainter;
  static constexpr P::CompositionMode modes[] = {
      P::RasterOp_ClearDestination,            // pmBlack
      P::RasterOp_SetDestination,              // pmWhite
      P::CompositionMode_Destination,          // pmNop
      P::RasterOp_NotDestination,              // pmNot
      P::CompositionMode_Source,               // pmCopy
      P::RasterOp_NotSource,                   // pmNotCopy
      P::RasterOp_SourceOrNotDestination,      // pmMergePenNot
      P::RasterOp_SourceAndNotDestination,     // pmMaskPenNot
      P::RasterOp_NotSourceOrDestination,      // pmMergeNotPen
      P::RasterOp_NotSourceAndDestination,     // pmMaskNotPen
      P::RasterOp_SourceOrDestination,         // pmMerge
      P::RasterOp_NotSourceAndNotDestination,  // pmNotMerge
      P::RasterOp_SourceAndDestination,        // pmMask
      P::RasterOp_NotSourceOrNotDestination,   // pmNotMask
      P::RasterOp_SourceXorDestination,        // pmXor
      P::RasterOp_NotSourceXorDestination,     // pmNotXor
  };
  return m <= pmNotXor ? modes[m] : P::CompositionMode_Source;
}

}  // namespace orvane
