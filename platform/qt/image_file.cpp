#include "platform/qt/image_file.h"

#include <stdexcept>
#include <string_view>

#include "platform/text_file.h"

namespace orvane {

void image_file_error(const char* format, const std::string& file_name, const std::string& why) {
  throw std::runtime_error(std::string("Cannot write the ") + format + " file \"" + file_name +
                           "\": " + why);
}

void save_image_file(const QByteArray& bytes, const char* format, const std::string& file_name) {
  // The text files' atomic writer checks every write, syncs and only then renames over the
  // old file, so a file system that runs full fails the save instead of emptying the picture.
  AtomicTextWriter file;
  if (!file.Open(file_name)) image_file_error(format, file_name, file.Error());
  file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!file.Commit()) image_file_error(format, file_name, file.Error());
}

}  // namespace orvane
