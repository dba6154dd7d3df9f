// Fuzzing of DXF files: the reader, then the writer on whatever drawing the input made.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::fuzz::load_input(data, size, 2);
  orvane::fuzz::save_and_reload(2);
  return 0;
}
