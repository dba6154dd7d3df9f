// The element-handle table outside the core's own life cycle: the widget can release it
// entirely, and every widget operation that walks or fills it first brings back the start state.
#pragma once

namespace orvane {

// Frees every element block, entry 0's included, and leaves the table empty.
void release_element_table();
// When the table is empty, gives it the start state: entries 0 and 1 with empty blocks, so that
// the next element made is number 2. A table with entries is left alone.
void ensure_element_table();

}  // namespace orvane
