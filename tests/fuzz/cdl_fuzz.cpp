// Fuzzing of CDL files: the reader, then the writer on whatever drawing the input made.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::fuzz::load_input(data, size, 1);
  orvane::fuzz::save_and_reload(1);  // what was read writes and reads again
  return 0;
}
