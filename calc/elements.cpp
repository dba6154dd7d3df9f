#include "calc/elements.h"

#include "platform/element_memory.h"

namespace orvane::calc {

TDLine get_line_from_element_pointer(const TElement* e) {
  if (e == nullptr) return {};
  const double* v = e->values;
  return TDLine{{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
}

TDArc get_arc_from_element_pointer(const TElement* e) {
  if (e == nullptr) return {};
  const double* v = e->values;
  return TDArc{{v[0], v[1], v[2]}, v[3], v[4], v[5]};
}

TDPoint get_point_from_element_pointer(const TElement* e) {
  if (e == nullptr) return {};
  return TDPoint{e->values[0], e->values[1], e->values[2]};
}

bool isbadreadptr(const TElement* e, int /*size*/) {
  return e == nullptr;
}

TElement* globallock(Handle h) {
  return static_cast<TElement*>(global_lock(h));
}

void globalunlock(Handle h) {
  global_unlock(h);
}

void globalfree(Handle h) {
  global_free(h);
}

}  // namespace orvane::calc
