// DXF drawing files: points, lines, arcs, circles and polylines read; points, lines, arcs and
// circles written as an ENTITIES section.
#pragma once

#include <string>
#include <string_view>

#include "core/records.h"
#include "platform/text_file.h"

namespace orvane {

// Reads a DXF file into the drawing (merged when merge_cad is set). False when the file cannot
// be opened, the drawing then unchanged. Reading stops at the "EOF" line.
bool read_dxf2(const std::string& file_name);

// Writes every undeleted point, line, arc and circle. False when the file cannot be made or any
// write fails; the file that was there and cdl_filename are then left as they were.
bool write_dxf(const std::string& file_name);

// One output line followed by CR LF.
void fwriteln(AtomicTextWriter& file, std::string_view text);
// The group lines of one element, from its keyword to the closing "0"; nothing for other types.
void write_dxf_entity(AtomicTextWriter& file, const TElement& element);

// Colour value of a DXF colour number; lime for any number outside 0..16.
TColor set_dxf_color(int number);
// DXF colour number of a colour value; 3 (lime) for any colour outside the 16-colour table.
int get_dxf_color(TColor color);

}  // namespace orvane
