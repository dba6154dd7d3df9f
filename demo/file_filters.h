// The file filters of the demo's dialogs, stored as "description|patterns|..." pairs.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane::demo {

inline const QString kCadFilter = QStringLiteral(
    "CDL Files (*.cdl)|*.cdl|DXF Files (*.dxf)|*.dxf|IGES Files (*.igs)|*.igs|"
    "IGES Files (*.iges)|*.iges|TVG Files (*.tvg)|*.tvg|ALL Files (*.*)|*.*");
inline const QString kImageFilter = QStringLiteral(
    "BMP Files (*.bmp)|*.bmp|GIF Files (*.gif)|*.gif|JPEG Files {*.jpg)|*.jpg|ALL Files (*.*)|*.*");

// Qt's name filters for a stored filter: each description as it stands, followed by its
// patterns in parentheses unless it already ends with exactly them, since Qt takes the patterns
// from the parentheses. Patterns separated by ';' are separated by blanks. A trailing description
// without patterns is dropped.
QStringList qt_name_filters(const QString& filter);

// The CadType for reading a file name: 1 for ".cdl", 2 for ".dxf", 3 for ".igs" and ".iges", 4
// for ".tvg", in any case; 1 for any other name.
int cad_type_for(const QString& file_name);
// The CadType for writing a file name: as for reading, but CDL for ".tvg", which is read only.
int cad_type_for_saving(const QString& file_name);

}  // namespace orvane::demo
