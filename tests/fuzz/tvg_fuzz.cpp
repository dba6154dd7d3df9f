// Fuzzing of TVG files: the reader (the format has no writer).
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::fuzz::load_input(data, size, 4);
  return 0;
}
