// Writing an encoded picture to its file, for the image writers.
#pragma once

#include <QByteArray>
#include <string>

namespace orvane {

// Throws std::runtime_error: Cannot write the <format> file "<file_name>": <why>.
[[noreturn]] void image_file_error(const char* format, const std::string& file_name,
                                   const std::string& why);

// Replaces file_name by bytes through a temporary file beside it, so that a failed write leaves
// an existing file as it was; a symbolic link keeps pointing at the file it names. Failures throw
// as image_file_error does.
void save_image_file(const QByteArray& bytes, const char* format, const std::string& file_name);

}  // namespace orvane
