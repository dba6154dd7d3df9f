// The core's own names around the public records: the view-number range, the short record
// names, and the fit of an element into one block of the element memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "orvane/records.h"
#include "platform/element_memory.h"

namespace orvane {

// A view number: 1 top, 2 front, 3 side, 4 isometric (a TDView ordinal + 1).
using dside = int;
inline constexpr int kFirstView = 1;
inline constexpr int kLastView = 4;
inline bool is_view_number(int w) {
  return w >= kFirstView && w <= kLastView;
}

using dpoint = TDPoint;
using dline = TDLine;
using darc = TDArc;

static_assert(sizeof(TElement) == kElementBlockSize, "one element fills one block");

}  // namespace orvane
