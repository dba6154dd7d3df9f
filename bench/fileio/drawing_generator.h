// A drawing of many elements for the file benchmarks, and its files in a scratch folder.
#pragma once

#include <string>

namespace bench {

inline constexpr int kFileElements = 1000000;

// Replaces the drawing by n points, lines and arcs with varied coordinates, colours and layers.
void make_drawing(int n);

// The folder the benchmark files go to; removed when the program ends.
const std::string& scratch_folder();

// The generated drawing of kFileElements elements saved as cad_type (1 CDL, 2 DXF, 3 IGES) in
// the scratch folder under "drawing.<name>", written on the first call; "" when the writer
// failed. The drawing in the store is left at the start-up state.
std::string drawing_file(const char* name, int cad_type);

}  // namespace bench
