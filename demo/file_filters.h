// The file filters of the demo's dialogs, stored as "description|patterns|..." pairs.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane::demo {

inline const QString kCadFilter = QStringLiteral(
    "CDL Files (*.cdl)|*.cdl|DXF Files (*.dxf)|*.dxf|IGES Files (*.igs)|*.igs|ALL Files (*.*)|*.*");
inline const QString kImageFilter = QStringLiteral(
    "BMP Files (*.bmp)|*.bmp|GIF Files (*.gif)|*.gif|JPEG Files {*.jpg)|*.jpg|ALL Files (*.*)|*.*");

// Qt's name filters for a stored filter: each description as it stands, followed by its
// patterns in parentheses unless it already ends with exactly them, since Qt takes the patterns
// from the parentheses. Patterns separated by ';' are separated by blanks. A trailing description
// without patterns is dropped.
QStringList qt_name_filters(const QString& filter);

// The CadType for a file name: 1 for ".cdl", 2 for ".dxf", 3 for ".igs" in any case, 1 for any
// other name.
int cad_type_for(const QString& file_name);

}  // namespace orvane::demo
