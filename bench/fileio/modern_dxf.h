// A DXF file written the way programs of the R2000 era write one: header, layer table, blocks,
// and entities with handles and subclass markers (closed LWPOLYLINEs with a bulge, INSERTs of
// a few blocks, partial ELLIPSEs, LINEs).
#pragma once

#include <string>

namespace bench {

// Writes the file with enough entities for about `elements` elements once read; false when the
// file cannot be written.
bool write_modern_dxf(const std::string& file, int elements);

}  // namespace bench
