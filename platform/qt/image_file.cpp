#include "platform/qt/image_file.h"

#include <QSaveFile>
#include <stdexcept>

namespace orvane {

void image_file_error(const char* format, const std::string& file_name, const std::string& why) {
  throw std::runtime_error(std::string("Cannot write the ") + format + " file \"" + file_name +
                           "\": " + why);
}

void save_image_file(const QByteArray& bytes, const char* format, const std::string& file_name) {
  QSaveFile file(QString::fromStdString(file_name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    image_file_error(format, file_name, file.errorString().toStdString());
  }
}

}  // namespace orvane
