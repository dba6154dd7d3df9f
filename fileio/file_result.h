// Loading, merging and saving a drawing with an answer (FileResult): whether it worked and, if
// not, why in words that name the file. A load or merge that fails leaves the drawing as it was.
#pragma once

#include <string>

#include "orvane/file_result.h"

namespace orvane {

// Reads name in the format cad_type names (as make_cad does), all or nothing: merged into the
// drawing while merge_cad is set, else replacing it. The new drawing is read beside the old one,
// which is dropped only once the read has succeeded; a failure leaves the elements, extents,
// arc views, layers, units and cdl_filename as they were. A file of nothing but blank lines is an
// empty drawing, not a failure. A load sets cdl_filename to name; a merge keeps it. Clears
// merge_cad. Never throws for a file that cannot be opened or read.
FileResult load_drawing(const std::string& name);

// Writes the drawing as save_cad does and says why a write failed. cdl_filename becomes name
// only when the file was written.
FileResult save_drawing(const std::string& name);

// True when the text file name holds a record of the format cad_type names (a CDL keyword
// record, a DXF group 0 with a name or the binary DXF sentinel, an IGES record with a section
// letter and sequence number, a TVG object), or nothing but blank lines.
bool looks_like_drawing_file(const std::string& name, int type);

}  // namespace orvane
