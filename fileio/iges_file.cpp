#include "fileio/iges_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <exception>

#include "fileio/iges_records.h"
#include "fileio/text_view.h"

namespace orvane::iges {

namespace {

// An 8-column directory field as a whole number; 0 when blank or not a number.
int directory_field(std::string_view line, int field) {
  int value = 0;
  if (!field_int(columns(line, static_cast<std::size_t>(field - 1) * 8 + 1, 8), 0, value)) {
    return 0;
  }
  return value;
}

// The status field, right-aligned digits: blank, subordinate, use and hierarchy pairs.
void read_status(std::string_view field, Entry& e) {
  std::string digits(trim(field));
  if (digits.size() > 8) digits = digits.substr(digits.size() - 8);
  digits.insert(0, 8 - digits.size(), '0');
  auto pair = [&](int i) {
    const char a = digits[i], b = digits[i + 1];
    return std::isdigit(static_cast<unsigned char>(a)) &&
                   std::isdigit(static_cast<unsigned char>(b))
               ? (a - '0') * 10 + (b - '0')
               : 0;
  };
  e.blank = pair(0);
  e.subordinate = pair(2);
  e.use = pair(4);
}

Entry make_entry(std::string_view first, std::string_view second) {
  Entry e;
  e.type = directory_field(first, 1);
  e.parameter = directory_field(first, 2);
  e.font = directory_field(first, 4);
  e.level = directory_field(first, 5);
  e.matrix = directory_field(first, 7);
  read_status(columns(first, 65, 8), e);
  e.color = directory_field(second, 3);
  e.parameter_count = directory_field(second, 4);
  e.form = directory_field(second, 5);
  e.subscript = directory_field(second, 9);
  return e;
}

// A delimiter given in the Global section as "1Hc", or the default when the field is empty.
char delimiter_field(std::string_view& text, char current, char fallback) {
  if (text.size() >= 3 && text[0] == '1' && (text[1] == 'H' || text[1] == 'h')) {
    const char c = text[2];
    text.remove_prefix(3);
    if (!text.empty()) text.remove_prefix(1);  // the delimiter after the field
    return c;
  }
  if (!text.empty() && text[0] == current) text.remove_prefix(1);
  return fallback;
}

}  // namespace

void FileBuilder::add(std::string_view line) {
  switch (section_of(line)) {
    case 'G':
      global_.append(line.substr(0, kSectionColumn));
      break;
    case 'D':
      if (!has_first_) {
        first_.assign(line.substr(0, kSectionColumn));
        has_first_ = true;
      } else {
        file_.entries.push_back(make_entry(first_, line));
        has_first_ = false;
      }
      break;
    case 'P':
      file_.parameter_text.append(line.substr(0, kParameterWidth));
      file_.parameter_start.push_back(file_.parameter_text.size());
      break;
    default:
      break;
  }
}

void FileBuilder::reserve(std::uintmax_t file_bytes) {
  // Each record of 80 columns and a line end carries at most 64 columns of parameter data.
  const std::uintmax_t records = file_bytes / (kRecordWidth + 1);
  // Reserved room is only address space until records fill it, and growing by doubling would
  // copy the tables and touch about twice their memory.
  try {
    file_.parameter_text.reserve(static_cast<std::size_t>(records * kParameterWidth));
    file_.parameter_start.reserve(static_cast<std::size_t>(records) + 1);
    file_.entries.reserve(static_cast<std::size_t>(records / 2));
  } catch (const std::exception&) {
    // Without the room the text and tables still grow as records come.
  }
}

void FileBuilder::finish() {
  if (global_.empty()) return;
  file_.has_global = true;
  std::string_view text = trim(global_);
  const char pd = delimiter_field(text, ',', ',');
  file_.parameter_delimiter = pd;
  file_.record_delimiter = delimiter_field(text, pd, ';');
  if (file_.record_delimiter == pd) file_.record_delimiter = ';';
  // What remains starts at field 3.
  const auto fields = split_fields(text, pd, file_.record_delimiter, 13);
  auto hollerith = [](std::string_view f) {
    const std::size_t h = f.find_first_of("Hh");
    return h == std::string_view::npos ? f : f.substr(h + 1);
  };
  if (fields.size() > 2) file_.system_id = hollerith(fields[2]);
  if (fields.size() > 11) field_int(fields[11], 0, file_.units_flag);
  if (fields.size() > 12) file_.units_name = hollerith(fields[12]);
}

std::vector<std::string_view> split_fields(std::string_view data, char delimiter, char end,
                                           std::size_t max_fields) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i <= data.size() && fields.size() < max_fields) {
    while (i < data.size() && data[i] == ' ')
      ++i;
    std::size_t start = i;
    // A Hollerith string: digits, H, then that many characters taken as they are.
    std::size_t d = i;
    while (d < data.size() && std::isdigit(static_cast<unsigned char>(data[d])))
      ++d;
    if (d > i && d < data.size() && (data[d] == 'H' || data[d] == 'h') && d - i <= 6) {
      int n = 0;
      std::from_chars(data.data() + i, data.data() + d, n);
      i = std::min(data.size(), d + 1 + static_cast<std::size_t>(n));
    }
    while (i < data.size() && data[i] != delimiter && data[i] != end)
      ++i;
    fields.push_back(trim(data.substr(start, i - start)));
    if (i >= data.size() || data[i] == end) break;
    ++i;
  }
  return fields;
}

std::string joined_parameters(const IgesFile& file, const Entry& entry) {
  const std::size_t total = file.parameter_count();
  if (entry.parameter < 1 || static_cast<std::size_t>(entry.parameter) > total) return {};
  const std::size_t first = static_cast<std::size_t>(entry.parameter) - 1;
  // A count of 0 or one past the section still reads up to the record delimiter.
  std::size_t count =
      entry.parameter_count > 0 ? static_cast<std::size_t>(entry.parameter_count) : total - first;
  count = std::min(count, total - first);
  const bool counted = entry.parameter_count > 0;
  std::string data;
  for (std::size_t i = first; i < first + count; ++i) {
    const std::string_view record = file.parameter(i);
    data += record;
    if (!counted && record.find(file.record_delimiter) != std::string_view::npos) break;
  }
  return data;
}

bool field_real(std::string_view field, double fallback, double& out) {
  // Most fields are plain numbers and are converted where they stand; others lose their
  // spaces and have D exponents made E in a copy.
  std::string copy;
  std::string_view text = trim(field);
  if (std::any_of(text.begin(), text.end(),
                  [](char c) { return c == ' ' || c == 'D' || c == 'd'; })) {
    for (char c : text) {
      if (c == ' ') continue;
      copy += (c == 'D' || c == 'd') ? 'E' : c;
    }
    text = copy;
  }
  if (text.empty()) {
    out = fallback;
    return true;
  }
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return false;
  out = value;
  return true;
}

bool field_int(std::string_view field, int fallback, int& out) {
  double value = 0;
  if (!field_real(field, fallback, value) || std::fabs(value) > 2147483647.0) return false;
  out = static_cast<int>(std::lround(value));
  return true;
}

}  // namespace orvane::iges
