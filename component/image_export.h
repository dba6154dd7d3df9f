// The picture on a canvas as an image file or on the clipboard, and the drawing as an SVG
// picture on the clipboard.
#pragma once

#include <string>

#include "orvane/canvas.h"

namespace orvane {

// Writes the width x height picture at the top left of canvas (a source copy of its pixels;
// black where canvas has none to give) to file_name, as it is named: kind 1 GIF, kind 2 JPEG,
// any other kind BMP. An existing file is replaced only by a complete image. Throws
// std::runtime_error naming the file when width or height is not positive (there is no picture
// to write) or the file cannot be written.
void Save_Bitmap(int kind, const std::string& file_name, Canvas& canvas, int width, int height);

// Fills the clipboard. Kind 2: the picture on canvas (clipboard_bmp). Any other kind: an SVG
// picture (image/svg+xml) of width x height pixels with no background, titled "Orvane", drawn
// in the current window with the elements' own colours: kind 0 every element on a visible
// layer, kind 1 the group members only, any other kind nothing; the axes follow when
// draw_axis_flag is set.
void clipboard_proc(Canvas& canvas, int kind, int width, int height);

// Puts a copy of the width x height picture at the top left of canvas on the clipboard as an
// image; an empty image when width or height is not positive.
void clipboard_bmp(Canvas& canvas, int width, int height);

}  // namespace orvane
