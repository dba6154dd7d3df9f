// What every reader's fuzz target does with one input: the bytes become a file, make_cad reads
// it as the target's format, and the drawing must then be consistent.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::fuzz {

// Loads data as a file of cad_type from a fresh start; traps on an inconsistent drawing.
void load_input(const uint8_t* data, std::size_t size, int cad_type);
// Saves the drawing as cad_type and loads the result again; traps when the save fails.
void save_and_reload(int cad_type);

}  // namespace orvane::fuzz
