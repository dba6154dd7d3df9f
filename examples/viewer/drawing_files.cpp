#include "drawing_files.h"

#include <QFileInfo>

namespace viewer {

int cad_type_for(const QString& file_name) {
  const QString suffix = QFileInfo(file_name).suffix().toLower();
  if (suffix == "cdl") return 1;
  if (suffix == "dxf") return 2;
  if (suffix == "igs" || suffix == "iges") return 3;
  if (suffix == "tvg") return 4;
  return 0;
}

QString open_dialog_filter() {
  return QStringLiteral(
      "Drawings (*.cdl *.dxf *.igs *.iges *.tvg);;CDL Files (*.cdl);;DXF Files (*.dxf);;"
      "IGES Files (*.igs *.iges);;TVG Files (*.tvg)");
}

QString export_dialog_filter() {
  return QStringLiteral("BMP Files (*.bmp);;GIF Files (*.gif);;JPEG Files (*.jpg *.jpeg)");
}

ImageKind image_kind_for(const QString& file_name) {
  const QString suffix = QFileInfo(file_name).suffix().toLower();
  if (suffix == "bmp") return ImageKind::kBmp;
  if (suffix == "gif") return ImageKind::kGif;
  if (suffix == "jpg" || suffix == "jpeg") return ImageKind::kJpeg;
  return ImageKind::kNone;
}

}  // namespace viewer
