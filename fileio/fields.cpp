#include "fileio/fields.h"

#include "core/state.h"
#include "fileio/byte_scan.h"

namespace orvane {

void RecordFields::assign(std::string_view line, int format) {
  text_.clear();
  commas_ = 0;
  if (format == 1) {
    if (line.empty()) return;
    const std::size_t space = line.find(' ');
    if (space != std::string_view::npos) line.remove_prefix(space);
  }
  // Spaces are dropped from every field anyway; those in front need no further look.
  while (!line.empty() && line.front() == ' ')
    line.remove_prefix(1);
  text_.assign(line);
  if (format == 3 || format == 4) {
    const std::size_t semicolon = text_.find(';');
    if (semicolon != std::string::npos) text_[semicolon] = ',';
  }
  if (format == 1) text_ += ',';
  // One pass finds the commas and notes whether any field needs the slower reading of spaces
  // or "D" exponents.
  int commas = 0;
  unsigned special = 0;
  const auto comma_at = [&](std::size_t i) {
    if (commas < kMaxCommas) comma_[commas] = i;
    ++commas;
  };
  const char* const p = text_.data();
  const std::size_t n = text_.size();
  std::size_t i = 0;
  for (; i + byte_scan::kBlock <= n; i += byte_scan::kBlock) {
    byte_scan::each_bit(byte_scan::equal_mask(p + i, ','), i, comma_at);
    special |= byte_scan::equal_mask(p + i, ' ') | byte_scan::equal_mask(p + i, 'D');
  }
  for (; i < n; ++i) {
    if (p[i] == ',') comma_at(i);
    special |= p[i] == ' ' || p[i] == 'D';
  }
  plain_ = special == 0;
  // A record with too many separators is not a record of any known kind: every field reads 0.
  commas_ = commas < kMaxCommas ? commas : 0;
}

std::string_view RecordFields::text(int n) const {
  if (n < 1 || n > commas_ || n > kMaxField) return {};
  const std::size_t begin = n == 1 ? 0 : comma_[n - 2] + 1;
  return std::string_view(text_).substr(begin, comma_[n - 1] - begin);
}

double RecordFields::real(int n) const {
  const std::string_view field = text(n);
  return plain_ ? plain_to_real(field) : text_to_real(field);
}

double item(int n, std::string_view line) {
  return RecordFields(line, cad_type).real(n);
}

}  // namespace orvane
