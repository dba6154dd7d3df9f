// Writing a picture as a JPEG file through libjpeg.
#pragma once

#include <QImage>
#include <string>

namespace orvane {

// Writes image as a baseline colour JPEG (3 RGB components) of quality 90, libjpeg's defaults
// otherwise. The file is replaced only once the whole image is encoded. Throws
// std::runtime_error naming the file when the image is empty, libjpeg refuses it (over 65500
// pixels a side) or the file cannot be written.
void write_jpeg(const QImage& image, const std::string& file_name);

}  // namespace orvane
