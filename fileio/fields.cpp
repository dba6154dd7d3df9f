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
  // Spaces are dropped from every field anyway; those in front need no further look.
  while (!line.empty() && line.front() == ' ')
    line.remove_prefix(1);
  text_.assign(line);
  if (format == 3 || format == 4) {
    const std::size_t semicolon = text_.find(';');
    if (semicolon != std::string::npos) text_[semicolon] = ',';
  }
  if (format == 1) text_ += ',';
  int commas = 0;
  const char* const p = text_.data();
  const std::size_t n = text_.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (p[i] != ',') continue;
    if (commas < kMaxCommas) comma_[commas] = i;
    ++commas;
  }
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
  if (field.find(' ') != std::string_view::npos) return text_to_real(field);
  return field_to_real(field);
}

double item(int n, std::string_view line) {
  return RecordFields(line, cad_type).real(n);
}

}  // namespace orvane
