// Writing a picture as a GIF file through giflib.
#pragma once

#include <QImage>
#include <string>

namespace orvane {

// Writes image as one LZW-compressed GIF image of its size. A 1- or 8-bit image with a colour
// table keeps its palette. Any other is reduced to the fixed 216-colour palette without
// dithering: each channel value v becomes level (v + 3) / 51 (0..5), the pixel's index is
// 36 * red + 6 * green + blue level, and that entry holds (51 * each level). The file is replaced
// only once the whole image is encoded. Throws std::runtime_error naming the file when the image is
// empty or over 65535 pixels a side, or the file cannot be written.
void write_gif(const QImage& image, const std::string& file_name);

}  // namespace orvane
