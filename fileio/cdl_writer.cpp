#include "fileio/cdl_writer.h"

#include "core/colors.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/numbers.h"
#include "platform/text_file.h"

namespace orvane {

namespace {

void reals(std::string& out, const double* v, std::initializer_list<int> indexes) {
  for (int i : indexes) {
    append_real(out, v[i]);
    out += ',';
  }
}

void ints(std::string& out, std::initializer_list<int> values) {
  bool first = true;
  for (int v : values) {
    if (!first) out += ',';
    append_int(out, v);
    first = false;
  }
}

std::string view_record(int n, const view_entry& v) {
  std::string out = "VIEW   " + str_int(n);
  for (double c : {v.ax, v.ay, v.az, v.bx, v.by, v.bz, v.cx, v.cy, v.cz}) {
    out += ',';
    out += str_general(c);
  }
  return out;
}

}  // namespace

std::string cdl_record(const TElement& e) {
  std::string out;
  const double* v = e.values;
  const int color = get_cdl_color(e.color);
  switch (e.element_type) {
    case kPoint:
      out = "POINT  ";
      reals(out, v, {0, 1, 2});
      ints(out, {color, e.layer, e.line_type});
      break;
    case kLine:
      out = "LINE   ";
      reals(out, v, {0, 1, 2, 3, 4, 5});
      ints(out, {color, e.layer, e.line_type, 1});
      break;
    case kArc:
      out = "ARC    ";
      reals(out, v, {0, 1, 2, 3, 4, 5});
      ints(out, {e.view, color, e.layer, e.line_type, 1});
      break;
    case kCircle:
      out = "CIRCLE ";
      reals(out, v, {0, 1, 2, 3});
      ints(out, {e.view, color, e.layer, e.line_type});
      out += ",,1";
      break;
    case 6:
      out = "ARROW  ";
      reals(out, v, {0, 1, 2, 3});
      ints(out, {e.view, color, e.layer});
      break;
    case 7:
      out = "LEADER  ";
      reals(out, v, {2, 3, 0, 1});
      out += ".1,0,";
      ints(out, {e.view, color, e.layer});
      break;
    case 9:
      out = "WITNESS  ";
      reals(out, v, {0, 1, 3, 4});
      ints(out, {e.view, color, e.layer});
      break;
    default:
      break;
  }
  return out;
}

bool write_cdl(const std::string& name) {
  AtomicTextWriter file;
  if (!file.Open(name) && !file.Open(name)) return false;
  for (int n = 1; n <= kArcViews; ++n) {
    if (arc_view[n].defined) file.WriteLn(view_record(n, arc_view[n]));
  }
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr) continue;
    if (!e->deleted) {
      const std::string line = cdl_record(*e);
      if (!line.empty()) file.WriteLn(line);
    }
    globalunlock(element_handle[n]);
  }
  if (!file.Commit()) return false;
  cdl_filename = name;
  return true;
}

}  // namespace orvane
