// An IGES file as other programs write it, for the reading benchmark: a Global section naming
// another sending system, rational B-spline curves (126), transformation matrices (124) that
// some entities refer to, lines (110) and arcs (100), with continued parameter records.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

struct ForeignIgesCounts {
  int64_t entities = 0;  // directory entries
  int64_t matrices = 0;
  int64_t splines = 0;
  int64_t lines = 0;
  int64_t arcs = 0;
  int64_t placed = 0;  // entities that refer to a matrix
};

// Writes a file of `entities` directory entries in groups of ten: a matrix, four lines, three
// arcs and two cubic rational B-splines of 6 to 8 control points; one line, two arcs and one
// spline of each group refer to the group's matrix. False when the file cannot be written.
bool write_foreign_iges(const std::string& file, int64_t entities, ForeignIgesCounts& counts);

}  // namespace bench
