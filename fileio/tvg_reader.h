// The TVG reader: objects of a two-dimensional drawing turned into lines and arcs.
#pragma once

#include <string>

namespace orvane {

// Reads the TVG file name into the XY plane of the drawing (replacing it unless merge_cad is
// set). Returns 0, or the I/O code when the file cannot be opened in two attempts.
int read_tvg4(const std::string& name);

}  // namespace orvane
