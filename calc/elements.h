// Reading element records: their geometry as the calculator's records, and the element memory
// reached through handles.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// The element's six geometry values as a line or an arc; a zero record for an absent element.
TDLine get_line_from_element_pointer(const TElement* e);
TDArc get_arc_from_element_pointer(const TElement* e);
// The element's first three geometry values.
TDPoint get_point_from_element_pointer(const TElement* e);

// True when the element is absent; the size is not looked at.
bool isbadreadptr(const TElement* e, int size);

// The element record held by a handle, or nullptr for 0, a freed or an unknown handle.
TElement* globallock(Handle h);
void globalunlock(Handle h);
void globalfree(Handle h);

}  // namespace orvane::calc
