#include "fileio/dxf_binary_pairs.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "fileio/dxf_codes.h"

namespace orvane {

namespace {

constexpr std::string_view kSentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};
constexpr unsigned char kLongCode = 255;  // R12 layout: a two-byte code follows

std::int64_t sign_extend(std::uint64_t bits, std::size_t bytes) {
  const unsigned shift = 64 - 8 * static_cast<unsigned>(bytes);
  return static_cast<std::int64_t>(bits << shift) >> shift;
}

}  // namespace

bool DxfBinaryPairs::open(const std::string& name) {
  done_ = damaged_ = after_eof_ = false;
  if (!blocks_.open(name)) return false;
  if (!blocks_.ensure(kSentinel.size()) ||
      std::string_view(blocks_.data(), kSentinel.size()) != kSentinel) {
    stop(true);
    return true;
  }
  blocks_.skip(kSentinel.size());
  read_layout();
  return true;
}

// Both layouts start with code 0 and "SECTION": the R12 layout's code is the single byte 0, so
// the second byte is the string's first; the later layout's code is two zero bytes.
void DxfBinaryPairs::read_layout() {
  blocks_.ensure(2);
  one_byte_codes_ = blocks_.size() < 2 || blocks_.data()[1] != 0;
}

bool DxfBinaryPairs::next(DxfPair& pair) {
  if (done_) return false;
  if (after_eof_) return stop(false);
  if (!blocks_.ensure(1)) return stop(blocks_.failed());  // the end between two pairs
  int code = 0;
  if (!read_code(code)) return stop(true);
  pair.code = code;
  if (!read_value(pair)) return stop(true);
  after_eof_ = is_dxf_end(pair);
  return true;
}

bool DxfBinaryPairs::read_code(int& code) {
  std::uint64_t bits = 0;
  if (!one_byte_codes_) {
    if (!read_bytes(2, bits)) return false;
  } else if (!read_bytes(1, bits) || (bits == kLongCode && !read_bytes(2, bits))) {
    return false;
  }
  code = static_cast<int>(bits);
  return true;
}

bool DxfBinaryPairs::read_value(DxfPair& pair) {
  std::uint64_t bits = 0;
  switch (dxf_value_type(pair.code)) {
    case DxfValueType::kString:
      pair.number = 0;
      pair.number_ok = false;
      return read_string(pair.text);
    case DxfValueType::kChunk:
      pair.number = 0;
      pair.number_ok = false;
      return read_chunk(pair.text);
    case DxfValueType::kDouble:
      if (!read_bytes(8, bits)) return false;
      set_double(pair, std::bit_cast<double>(bits));
      return true;
    case DxfValueType::kInt16:
      if (!read_bytes(2, bits)) return false;
      set_integer(pair, sign_extend(bits, 2));
      return true;
    case DxfValueType::kInt32:
      if (!read_bytes(4, bits)) return false;
      set_integer(pair, sign_extend(bits, 4));
      return true;
    case DxfValueType::kInt64:
      if (!read_bytes(8, bits)) return false;
      set_integer(pair, static_cast<std::int64_t>(bits));
      return true;
    case DxfValueType::kBool:
      if (!read_bytes(1, bits)) return false;
      set_integer(pair, static_cast<std::int64_t>(bits));
      return true;
    case DxfValueType::kUnknown:
      break;
  }
  return false;  // the size of an unknown code's value is unknown too
}

// A NUL-terminated string, viewed in the window: valid until the window moves at the next pair.
bool DxfBinaryPairs::read_string(std::string_view& text) {
  std::size_t scanned = 0;
  for (;;) {
    const void* nul = std::memchr(blocks_.data() + scanned, 0, blocks_.size() - scanned);
    if (nul != nullptr) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(nul) - blocks_.data());
      if (length > kMaxString) return false;
      text = std::string_view(blocks_.data(), length);
      blocks_.skip(length + 1);
      return true;
    }
    scanned = blocks_.size();
    if (scanned > kMaxString || !blocks_.ensure(scanned + 1)) return false;
  }
}

// A length byte and that many bytes, as upper-case hex text.
bool DxfBinaryPairs::read_chunk(std::string_view& text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (!blocks_.ensure(1)) return false;
  const auto length = static_cast<unsigned char>(blocks_.data()[0]);
  if (!blocks_.ensure(1 + std::size_t{length})) return false;
  hex_.clear();
  for (std::size_t i = 1; i <= length; ++i) {
    const auto byte = static_cast<unsigned char>(blocks_.data()[i]);
    hex_ += kDigits[byte >> 4];
    hex_ += kDigits[byte & 15];
  }
  blocks_.skip(1 + std::size_t{length});
  text = hex_;
  return true;
}

bool DxfBinaryPairs::read_bytes(std::size_t n, std::uint64_t& bits) {
  if (!blocks_.ensure(n)) return false;
  bits = 0;
  for (std::size_t i = n; i-- > 0;)
    bits = bits << 8 | static_cast<unsigned char>(blocks_.data()[i]);
  blocks_.skip(n);
  return true;
}

void DxfBinaryPairs::set_integer(DxfPair& pair, std::int64_t value) {
  const char* end = std::to_chars(number_text_, number_text_ + sizeof number_text_, value).ptr;
  pair.text = std::string_view(number_text_, static_cast<std::size_t>(end - number_text_));
  pair.number = static_cast<double>(value);
  pair.number_ok = true;
}

void DxfBinaryPairs::set_double(DxfPair& pair, double value) {
  const char* end = std::to_chars(number_text_, number_text_ + sizeof number_text_, value).ptr;
  pair.text = std::string_view(number_text_, static_cast<std::size_t>(end - number_text_));
  pair.number = std::isfinite(value) ? value : 0;
  pair.number_ok = std::isfinite(value);
}

bool DxfBinaryPairs::stop(bool damaged) {
  done_ = true;
  damaged_ = damaged;
  return false;
}

}  // namespace orvane
