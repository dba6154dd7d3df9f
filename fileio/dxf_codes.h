// The kind of value each DXF group code carries, which tells the binary layout how many bytes
// follow a code and the text layout whether a value is a number.
#pragma once

namespace orvane {

enum class DxfValueType {
  kString,   // text; NUL-terminated in binary files
  kDouble,   // 8 bytes in binary files
  kInt16,    // 2 bytes
  kInt32,    // 4 bytes
  kInt64,    // 8 bytes
  kBool,     // 1 byte
  kChunk,    // binary data: a length byte and that many bytes; hex text in text files
  kUnknown,  // a code no DXF file uses
};

DxfValueType dxf_value_type(int code);

}  // namespace orvane
