#include "demo/file_filters.h"

#include <QFileInfo>

namespace orvane::demo {

QStringList qt_name_filters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(' ');
    const QString tail = QStringLiteral("(%1)").arg(patterns);
    const QString& description = parts[i];
    result << (description.endsWith(tail) ? description : description + ' ' + tail);
  }
  return result;
}

int cad_type_for(const QString& file_name) {
  const QString ext = QFileInfo(file_name).suffix().toUpper();
  if (ext == QLatin1String("DXF")) return 2;
  if (ext == QLatin1String("IGS") || ext == QLatin1String("IGES")) return 3;
  if (ext == QLatin1String("TVG")) return 4;
  return 1;
}

int cad_type_for_saving(const QString& file_name) {
  const int type = cad_type_for(file_name);
  return type == 4 ? 1 : type;
}

}  // namespace orvane::demo
