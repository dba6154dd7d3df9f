// Image files and the clipboard: the picture on the widget, or the drawing as vectors.
#include "component/drawing_scope.h"
#include "component/image_export.h"
#include "component/orvane_canvas.h"
#include "component/orvane_element_table.h"
#include "orvane/orvane.h"

namespace orvane {

void TOrvane::SaveBMP(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  Save_Bitmap(0, file_name, canvas_, width(), height());
}

void TOrvane::SaveGIF(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  Save_Bitmap(1, file_name, canvas_, width(), height());
}

void TOrvane::SaveJPEG(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  Save_Bitmap(2, file_name, canvas_, width(), height());
}

void TOrvane::WmfToClipboard() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  clipboard_proc(canvas_, 0, width(), height());
}

void TOrvane::BmpToClipboard() {
  const DrawingScope scope(own_.get());
  clipboard_proc(canvas_, 2, width(), height());
}

}  // namespace orvane
