// Loading a drawing file of any supported kind.
#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// The longest line each format's reader keeps, far beyond any valid line of the format. A longer
// line is passed over without being held, and the load report counts it as kLongLine, damaged.
inline constexpr std::size_t kCdlMaxLine = 16384;   // a CDL record holds a few numbers
inline constexpr std::size_t kDxfMaxLine = 65536;   // DXF values, texts too, stay within 2049
inline constexpr std::size_t kIgesMaxLine = 16384;  // IGES records have 80 columns
inline constexpr std::size_t kTvgMaxLine = 16384;   // a TVG line holds one number or name
inline constexpr const char* kLongLine = "line over the length limit";

// Loads (or merges, while merge_cad is set) the file name in the format cad_type names:
// 1 CDL, 2 DXF, 3 IGES, 4 TVG; any other value reads CDL and sets cad_type to 1. The arc
// views are reset first. Result: -1 for an empty name; for CDL 0, or the I/O code when the
// file cannot be opened; for DXF, IGES and TVG -1 when the reader reports true or non-zero,
// 0 otherwise. load_report starts empty; lines over the format's cap are counted in it.
int make_cad(const std::string& name);

}  // namespace orvane
