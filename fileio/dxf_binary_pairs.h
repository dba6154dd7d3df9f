// The pairs of a binary DXF file: after the sentinel, a group code (one byte in the R12 layout,
// where 255 announces a two-byte code; two bytes in the later layout), then the value in the
// size its code's type gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fileio/byte_blocks.h"
#include "fileio/dxf_pairs.h"

namespace orvane {

class DxfBinaryPairs final : public DxfPairSource {
 public:
  // Strings longer than this are taken for damage.
  static constexpr std::size_t kMaxString = std::size_t{1} << 16;

  // Opens name and reads the sentinel: false when the file cannot be opened. A wrong sentinel
  // opens and shows as damage.
  bool open(const std::string& name);
  bool next(DxfPair& pair) override;
  bool damaged() const override { return damaged_; }

 private:
  void read_layout();
  bool read_code(int& code);
  bool read_value(DxfPair& pair);
  bool read_string(std::string_view& text);
  bool read_chunk(std::string_view& text);
  bool read_bytes(std::size_t n, std::uint64_t& bits);  // n bytes, little-endian
  void set_integer(DxfPair& pair, std::int64_t value);
  void set_double(DxfPair& pair, double value);
  bool stop(bool damaged);

  ByteBlocks blocks_;
  bool one_byte_codes_ = false;  // the R12 layout
  std::string hex_;
  char number_text_[32] = {};
  bool after_eof_ = false;  // the last pair was 0/EOF
  bool done_ = false;
  bool damaged_ = false;
};

}  // namespace orvane
