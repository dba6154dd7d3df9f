#include "fileio/dxf_text_pairs.h"

#include <charconv>
#include <cmath>
#include <new>
#include <string_view>

#include "fileio/dxf_codes.h"
#include "fileio/numbers.h"
#include "fileio/text_view.h"

namespace orvane {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kBinaryFirstLine = "AutoCAD Binary DXF";

// A code line of digits alone (as most are): its value, or -1.
int plain_code(std::string_view line) {
  if (line.empty() || line.size() > 4) return -1;
  int code = 0;
  for (const char c : line) {
    const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
    if (digit > 9) return -1;
    code = code * 10 + static_cast<int>(digit);
  }
  return code;
}

// A code line: an integer with nothing but spaces and tabs around it.
bool parse_code(std::string_view line, int& code) {
  const std::string_view s = trim(line);
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), code);
  return !s.empty() && ec == std::errc() && ptr == s.data() + s.size();
}

// The number of a value of a numeric code (or of a code of no known type).
void set_number(DxfPair& pair) {
  pair.number = 0;
  pair.number_ok = false;
  const DxfValueType type = dxf_value_type(pair.code);
  if (type == DxfValueType::kString || type == DxfValueType::kChunk) return;
  double value = 0;
  // Most values are plain decimals that the parser takes whole; the others (spaces, a leading
  // plus, a "D" exponent, junk) go the long way.
  const char* const end = pair.text.data() + pair.text.size();
  const auto [ptr, ec] = std::from_chars(pair.text.data(), end, value);
  if (ec == std::errc() && ptr == end && !pair.text.empty() && std::isfinite(value)) {
    pair.number = value;
    pair.number_ok = true;
  } else if (checked_text_to_real(trim(pair.text), value)) {
    pair.number = value;
    pair.number_ok = true;
  }
}

}  // namespace

int DxfTextPairs::open(const std::string& name) {
  done_ = damaged_ = line_ahead_ = after_eof_ = false;
  const int io_code = file_.Reset(name);
  if (io_code != 0) return io_code;
  try {
    if (file_.Eof()) return 0;
    file_.ReadLn(code_line_);
  } catch (const TextFileError& e) {
    return e.code;
  } catch (const std::bad_alloc&) {
    stop(true);  // a first line too long to hold
    return 0;
  }
  if (std::string_view(code_line_).starts_with(kUtf8Bom)) code_line_.erase(0, kUtf8Bom.size());
  line_ahead_ = true;
  return 0;
}

bool DxfTextPairs::binary() const {
  return line_ahead_ && code_line_ == kBinaryFirstLine;
}

bool DxfTextPairs::next(DxfPair& pair) {
  if (done_) return false;
  if (after_eof_) return stop(false);
  try {
    return read_pair(pair);
  } catch (const TextFileError&) {
    return stop(true);
  } catch (const std::bad_alloc&) {
    return stop(true);
  }
}

// A line where a code belongs that is not one (a line too many, or one cut or passed over for
// its length) is skipped: the pairs fall in step again at the next code line, and the damage
// is remembered.
bool DxfTextPairs::read_pair(DxfPair& pair) {
  // Most pairs are a line of digits and a short value, both in the buffer: read in one step.
  std::string_view code_text, value_text;
  if (!line_ahead_) {
    const std::size_t bytes = file_.PeekTwoLines(code_text, value_text);
    const int code = bytes > 0 ? plain_code(code_text) : -1;
    if (code >= 0) {
      file_.Advance(bytes);
      return take_value(pair, code, value_text);
    }
  }
  int code = 0;
  for (;;) {
    std::string_view line = code_line_;
    if (!line_ahead_) {
      if (file_.Eof()) return stop(damaged_);
      line = file_.ReadLnView(code_line_);
    }
    line_ahead_ = false;
    if ((code = plain_code(line)) >= 0) break;
    if (trim(line).empty()) {
      if (blank_to_end()) return stop(damaged_);
      damaged_ = true;  // blank lines amid the pairs; code_line_ holds the next other one
      line = code_line_;
    }
    if (parse_code(line, code)) break;
    damaged_ = true;
  }
  if (file_.Eof()) return stop(true);
  return take_value(pair, code, file_.ReadLnView(value_line_));
}

bool DxfTextPairs::take_value(DxfPair& pair, int code, std::string_view value) {
  pair.code = code;
  pair.text = trim_end(value);
  set_number(pair);
  after_eof_ = is_dxf_end(pair);
  return true;
}

bool DxfTextPairs::blank_to_end() {
  while (!file_.Eof()) {
    file_.ReadLn(code_line_);
    if (!trim(code_line_).empty()) return false;
  }
  return true;
}

bool DxfTextPairs::stop(bool damaged) {
  done_ = true;
  damaged_ = damaged;
  file_.Close();
  return false;
}

}  // namespace orvane
