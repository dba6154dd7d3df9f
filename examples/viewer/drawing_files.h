// The drawing files the viewer opens, told apart by their extension as the widget's readers are.
#pragma once

#include <QString>

namespace viewer {

// The widget's CadType for reading a file: 1 CDL (.cdl), 2 DXF (.dxf), 3 IGES (.igs, .iges),
// 4 TVG (.tvg), in any case; 0 for any other extension.
int cad_type_for(const QString& file_name);

// The open dialog's name filters, the drawings of every kind first.
QString open_dialog_filter();

// The export dialog's name filters (BMP, GIF and JPEG, as the widget writes them).
QString export_dialog_filter();

enum class ImageKind { kNone, kBmp, kGif, kJpeg };
// The image kind of an export file by its extension (.bmp, .gif, .jpg or .jpeg, in any case).
ImageKind image_kind_for(const QString& file_name);

}  // namespace viewer
