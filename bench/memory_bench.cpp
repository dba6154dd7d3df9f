// Memory that a million elements take: the element blocks and the handle table.
#include <malloc.h>

#include <algorithm>
#include <cstdio>

#include "bench/limits.h"
#include "core/core.h"

namespace {

std::size_t heap_in_use() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

}  // namespace

void bench::measure_memory() {
  constexpr int kElements = 1000000;
  orvane::startup();
  const std::size_t before = heap_in_use();
  for (int i = 0; i < kElements; ++i) {
    orvane::make_element(orvane::get_new_element_number(), orvane::kPoint, i % 1000, i % 999, 0, 0,
                         0, 0, orvane::clLime, 0, 1, 0, 1);
  }
  const std::size_t after = heap_in_use();
  const double per_element = static_cast<double>(after - before) / kElements;
  const double accounted =
      static_cast<double>(orvane::element_memory::arena_bytes() +
                          orvane::element_handle.capacity() * sizeof(orvane::Handle)) /
      kElements;
  std::printf("memory: %.1f bytes per element on the heap, %.1f held by arena and table\n",
              per_element, accounted);
  bench::extra_limits().push_back({"memory for 1 000 000 elements, arena plus table",
                                   std::max(per_element, accounted), 96, "bytes per element"});
  orvane::startup();
}
