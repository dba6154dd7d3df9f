#include "fileio/dxf_pairs.h"

#include "fileio/dxf_binary_pairs.h"
#include "fileio/dxf_text_pairs.h"
#include "platform/text_file.h"

namespace orvane {

std::unique_ptr<DxfPairSource> open_dxf_pairs(const std::string& file_name, int& io_code) {
  // The text reader opens every file and tells a binary one by its first line.
  auto text = std::make_unique<DxfTextPairs>();
  io_code = text->open(file_name);
  if (io_code != 0) return nullptr;
  if (!text->binary()) return text;
  text.reset();
  auto binary = std::make_unique<DxfBinaryPairs>();
  if (!binary->open(file_name)) {
    io_code = kIoReadError;  // gone or replaced since the text reader opened it
    return nullptr;
  }
  return binary;
}

}  // namespace orvane
