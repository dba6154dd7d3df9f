// A drawing of many elements for the file benchmarks, and its files in a scratch folder.
#pragma once

#include <string>

namespace bench {

inline constexpr int kFileElements = 1000000;

// Replaces the drawing by n points, lines and arcs with varied coordinates, colours and layers.
void make_drawing(int n);

// The folder the benchmark files go to; removed when the program ends.
const std::string& scratch_folder();

}  // namespace bench
