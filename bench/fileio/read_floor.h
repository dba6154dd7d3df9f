// The least work of reading a drawing file: every line, every numeric field converted.
#pragma once

#include <string>

namespace bench {

// Reads the file line by line and converts every field (texts between commas, semicolons and
// spaces) with std::from_chars. Returns the number of fields that were numbers.
long read_floor(const std::string& file);

}  // namespace bench
