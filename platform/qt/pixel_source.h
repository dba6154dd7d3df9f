// A canvas whose pixels can be read: the source side of CopyRect between Qt canvases.
#pragma once

#include <QImage>
#include <QRect>

namespace orvane {

class PixelSource {
 public:
  virtual ~PixelSource() = default;
  // A copy of the pixels in r (clipped to the device), with every pending drawing in it; a null
  // image when the device has no pixels to give.
  virtual QImage source_pixels(const QRect& r) = 0;
};

}  // namespace orvane
