// The column layout of IGES records, shared by the IGES reader and writer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::iges {

inline constexpr std::size_t kRecordWidth = 80;
inline constexpr std::size_t kParameterWidth = 64;  // columns 1-64 of a parameter record
inline constexpr std::size_t kFieldWidth = 8;       // a directory entry field
inline constexpr std::size_t kSectionColumn = 72;   // column 73, counted from 0
inline constexpr int kMaxSequence = 9999999;        // seven digits in columns 74-80

// The section letter of a record (column 73), or 0 for a shorter line.
inline char section_of(std::string_view line) {
  return line.size() > kSectionColumn ? line[kSectionColumn] : '\0';
}

// Columns first..first+width-1 (1-based) of a line, as far as the line reaches.
inline std::string_view columns(std::string_view line, std::size_t first, std::size_t width) {
  return first - 1 < line.size() ? line.substr(first - 1, width) : std::string_view();
}

// value right-aligned in a directory field of 8 columns.
void append_field(std::string& out, int value);

// Splits parameter data into pieces of at most 64 columns: each piece ends after a comma where
// it can, a number longer than a whole piece is cut where the piece is full. Calls piece(text)
// for each and returns the number of pieces.
template <class Piece>
int split_parameters(std::string_view data, Piece&& piece) {
  int count = 0;
  while (!data.empty()) {
    std::size_t n = data.size();
    if (n > kParameterWidth) {
      const std::size_t comma = data.substr(0, kParameterWidth).rfind(',');
      n = comma == std::string_view::npos ? kParameterWidth : comma + 1;
    }
    piece(data.substr(0, n));
    data.remove_prefix(n);
    ++count;
  }
  return count;
}

}  // namespace orvane::iges
