// Loading a drawing file of any supported kind.
#pragma once

#include <string>

namespace orvane {

// Loads (or merges, while merge_cad is set) the file name in the format cad_type names:
// 1 CDL, 2 DXF, 3 IGES, 4 TVG; any other value reads CDL and sets cad_type to 1. The arc
// views are reset first. Result: -1 for an empty name; for CDL 0, or the I/O code when the
// file cannot be opened; for DXF, IGES and TVG -1 when the reader reports true or non-zero,
// 0 otherwise.
int make_cad(const std::string& name);

}  // namespace orvane
