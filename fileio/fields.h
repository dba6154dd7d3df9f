// The comma-separated fields of a record line, as the CDL, IGES and TVG readers split them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "fileio/numbers.h"

namespace orvane {

// One record line split into fields once, so that reading many fields of a line stays linear.
// The preparation follows the file format (the cad_type value):
//   1 (CDL): the text from the line's first space on, with a comma appended to close the last
//            field; an empty line has no fields.
//   3, 4 (IGES, TVG): the line's first semicolon counts as a comma.
// Spaces are ignored; field n is the text between comma n-1 (the start for n = 1) and comma n.
// A text with 23 or more commas, and a field past the last comma, read 0.
class RecordFields {
 public:
  static constexpr int kMaxCommas = 23;
  static constexpr int kMaxField = 25;

  RecordFields() = default;
  RecordFields(std::string_view line, int format) { assign(line, format); }

  void assign(std::string_view line, int format);
  // Field n (1-based) as it stands in the line, spaces included; empty when it does not exist.
  std::string_view text(int n) const;
  // Field n as a number, spaces ignored (text_to_real): 0 when missing or not a number.
  double real(int n) const;
  // Field n rounded to the nearest integer, halves to even.
  int rounded(int n) const { return round_int(real(n)); }
  int count() const { return commas_; }  // the number of fields that can be read

 private:
  std::string text_;
  std::array<std::size_t, kMaxCommas> comma_{};
  int commas_ = 0;
  bool plain_ = true;  // no field holds a space or a "D"
};

// Field n (1..25) of a record line prepared as the current cad_type says.
double item(int n, std::string_view line);

}  // namespace orvane
