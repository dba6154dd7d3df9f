#include "fileio/fields.h"

#include "core/state.h"

namespace orvane {

void RecordFields::assign(std::string_view line, int format) {
  text_.clear();
  commas_ = 0;
  if (format == 1) {
    if (line.empty()) return;
    const std::size_t space = line.find(' ');
    if (space != std::string_view::npos) line.remove_prefix(space);
  }
  const std::size_t semicolon =
      (format == 3 || format == 4) ? line.find(';') : std::string_view::npos;
  text_.reserve(line.size() + 1);
  int commas = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = i == semicolon ? ',' : line[i];
    if (c == ' ') continue;
    if (c == ',') {
      if (commas < kMaxCommas) comma_[commas] = text_.size();
      ++commas;
    }
    text_ += c;
  }
  if (format == 1) {
    if (commas < kMaxCommas) comma_[commas] = text_.size();
    ++commas;
    text_ += ',';
  }
  // A record with too many separators is not a record of any known kind: every field reads 0.
  commas_ = commas < kMaxCommas ? commas : 0;
}

std::string_view RecordFields::text(int n) const {
  if (n < 1 || n > commas_ || n > kMaxField) return {};
  const std::size_t begin = n == 1 ? 0 : comma_[n - 2] + 1;
  return std::string_view(text_).substr(begin, comma_[n - 1] - begin);
}

double item(int n, std::string_view line) {
  return RecordFields(line, cad_type).real(n);
}

}  // namespace orvane
