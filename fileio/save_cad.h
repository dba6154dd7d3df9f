// Saving the drawing in the format cad_type names.
#pragma once

#include <string>

namespace orvane {

// Writes the drawing to name: DXF for cad_type 2, IGES for 3, CDL for 1, 4 (TVG has no writer)
// and any other value. Returns the writer's result.
bool save_cad(const std::string& name);

}  // namespace orvane
