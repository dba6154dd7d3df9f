// The CDL writer: the defined arc views, then one record per element.
#pragma once

#include <string>

#include "core/records.h"

namespace orvane {

// Writes the drawing as CDL to name, atomically: the old file stays untouched unless the whole
// new file was written. Returns false when the file cannot be made (two attempts) or a write
// fails; cdl_filename becomes name only after a complete write.
bool write_cdl(const std::string& name);

// The CDL line of one element, or "" for a type the format does not hold.
std::string cdl_record(const TElement& e);

}  // namespace orvane
