#include "fileio/iges_records.h"

#include "core/colors.h"
#include "fileio/iges.h"
#include "fileio/numbers.h"

namespace orvane {

int get_iges_color(TColor color) {
  switch (color) {
    case clBlack:
      return 0;
    case clRed:
    case clMaroon:
      return 2;
    case clLime:
    case clGreen:
      return 3;
    case clBlue:
    case clNavy:
      return 4;
    case clYellow:
    case clOlive:
      return 5;
    case clFuchsia:
    case clPurple:
      return 6;
    case clAqua:
    case clTeal:
      return 7;
    case clWhite:
    case clSilver:
    case clGray:
      return 8;
    default:
      return 3;
  }
}

std::string zero_pad(int value, int width) {
  std::string digits = str_int(value);
  if (static_cast<int>(digits.size()) >= width) return digits;
  return std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits;
}

std::string blanks(int n) {
  return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

void write_iges_record(AtomicTextWriter& file, std::string_view left, std::string_view right) {
  std::string record(left);
  const std::size_t used = left.size() + right.size();
  if (used < iges::kRecordWidth) record.append(iges::kRecordWidth - used, ' ');
  record.append(right);
  file.WriteLn(record);
}

namespace iges {

void append_field(std::string& out, int value) {
  const std::string text = str_int(value);
  if (text.size() < kFieldWidth) out.append(kFieldWidth - text.size(), ' ');
  out.append(text);
}

}  // namespace iges

}  // namespace orvane
