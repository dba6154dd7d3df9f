// The two ways an IGES file is read: files written here (and hand-made files without a Global
// section) keep the classic reading, which numbers elements by parameter pointer and takes
// layers from the form field; files of other programs are read entity by entity into model
// space.
#pragma once

#include <string>

namespace orvane {

// Each reads the open cdlinfile to its end and closes it, then recomputes the extents.
void read_classic_iges(const std::string& file_name);
void read_foreign_iges();

// True when the file's Global section names this system as its sender, or when it has none;
// reads the open cdlinfile up to its first directory record.
bool iges_written_here();

}  // namespace orvane
