// IGES drawing files in the fixed 80-column ASCII form: points (116), lines (110) and circular
// arcs (100).
#pragma once

#include <string>
#include <string_view>

#include "core/records.h"
#include "platform/text_file.h"

namespace orvane {

// Reads an IGES file into the drawing (merged when merge_cad is set). False when the file
// cannot be opened, the drawing then unchanged.
bool read_iges(const std::string& file_name);

// Writes every undeleted point, line and arc with the Start, Global, Directory Entry, Parameter
// Data and Terminate sections. False when the file cannot be made, any write fails or the
// drawing needs more records than seven-digit sequence numbers can count; the file that was
// there and cdl_filename are then left as they were.
bool write_iges(const std::string& file_name);

// IGES colour number of a colour value: black 0, red 2, lime 3, blue 4, yellow 5, fuchsia 6,
// aqua 7, white 8 (each with its darker or grey neighbours); 3 for any other colour.
int get_iges_color(TColor color);
// value as text left-padded with zeros to width characters, never cut.
std::string zero_pad(int value, int width);
// A run of n spaces (none for n below 1).
std::string blanks(int n);
// left, then spaces so that right ends in column 80, then right and CR LF; no spaces when the
// two parts already fill 80 columns.
void write_iges_record(AtomicTextWriter& file, std::string_view left, std::string_view right);

}  // namespace orvane
