// The CDL reader: one record per line, a keyword and comma-separated numbers.
#pragma once

#include <string>

namespace orvane {

// Reads the CDL file name into the drawing (replacing it unless merge_cad is set) and clears
// merge_cad. Returns 0, or the I/O code when the file cannot be opened in two attempts (the
// drawing is then untouched). Read errors of the file raise TextFileError after the extents
// were recomputed for what was read.
int read_cdl(const std::string& name);

}  // namespace orvane
