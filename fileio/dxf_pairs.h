// DXF files as a stream of group-code/value pairs, from the text layout or from the binary one
// (the "AutoCAD Binary DXF" sentinel, in the R12 layout with one-byte codes and the later one
// with two-byte codes). Readers above this never see lines or bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orvane {

struct DxfPair {
  int code = 0;
  std::string_view text;   // the value as text (binary numbers are formatted); valid until next()
  double number = 0;       // the value as a number; 0 when it is not one
  bool number_ok = false;  // the value is a finite number
};

// The pair that ends a drawing: code 0, "EOF".
inline bool is_dxf_end(const DxfPair& pair) {
  return pair.code == 0 && pair.text == "EOF";
}

class DxfPairSource {
 public:
  virtual ~DxfPairSource() = default;
  // The next pair; false at the end of the file or when the file cannot be read further (a
  // truncated pair, a code that is not a number: damaged() then tells). Whatever follows the
  // pair 0/EOF is not read.
  virtual bool next(DxfPair& pair) = 0;
  // True after next() stopped at damaged content rather than at the end of the file.
  virtual bool damaged() const = 0;
};

// Opens a DXF file, text or binary by its first bytes. Null when it cannot be opened; then
// io_code holds the classic I/O code.
std::unique_ptr<DxfPairSource> open_dxf_pairs(const std::string& file_name, int& io_code);

}  // namespace orvane
