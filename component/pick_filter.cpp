// The pick filter: which element types a filter code accepts, and the codes of TDFilter.
#include "component/pick.h"
#include "component/pick_hit_test.h"

namespace orvane {

bool pick_filter_accepts(int filter, int element_type) {
  return pick_detail::filter_accepts(filter, element_type);
}

int pick_filter_code(TDFilter f) {
  switch (f) {
    case fPoints:
      return 1;
    case fLines:
      return 2;
    case fArcs:
      return 3;
    case fLineArc:
      return 8;
    case fPointLine:
      return 10;
    case fPointArc:
      return 11;
    default:
      return 0;
  }
}

TDFilter pick_filter_value(int code) {
  switch (code) {
    case 1:
      return fPoints;
    case 2:
      return fLines;
    case 3:
      return fArcs;
    case 8:
      return fLineArc;
    case 10:
      return fPointLine;
    case 11:
      return fPointArc;
    default:
      return fAll;
  }
}

}  // namespace orvane
