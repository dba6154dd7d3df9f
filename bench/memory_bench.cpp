// Memory that a million elements take: the element blocks, the handle table and the spatial
// index a zoomed-in repaint or a pick builds over them.
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/limits.h"
#include "core/core.h"
#include "core/spatial_index.h"

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
  // A view of the top window and a small area asked about twice: the index is built over them.
  orvane::current_plot_window = 1;
  orvane::view_window_proc();
  orvane::set_coefficiants();
  orvane::set_scale(0, 1920, 1080);
  const orvane::spatial_index::Box near{10, 10, 20, 20};
  std::vector<int> found;
  orvane::spatial_index::candidates(1, &near, 1, found);
  const bool indexed = orvane::spatial_index::candidates(1, &near, 1, found);
  found = {};
  const std::size_t after = heap_in_use();
  const double per_element = static_cast<double>(after - before) / kElements;
  const double index = static_cast<double>(orvane::spatial_index::bytes()) / kElements;
  const double accounted =
      static_cast<double>(orvane::element_memory::arena_bytes() +
                          orvane::element_handle.capacity() * sizeof(orvane::Handle)) /
          kElements +
      index;
  std::printf(
      "memory: %.1f bytes per element on the heap, %.1f held by arena, table and index (index "
      "%.1f%s)\n",
      per_element, accounted, index, indexed ? "" : ", NOT BUILT");
  bench::extra_limits().push_back({"memory for 1 000 000 elements, arena plus table plus index",
                                   indexed ? std::max(per_element, accounted) : std::nan(""), 96,
                                   "bytes per element"});
  orvane::spatial_index::release();
  orvane::startup();
}
