#include <string>

#include "core/state.h"
#include "core/store.h"
#include "fileio/dxf.h"
#include "fileio/dxf_arc_plane.h"
#include "fileio/numbers.h"

namespace orvane {

namespace {

// The text of one entity, built in a buffer that is reused from entity to entity.
class EntityText {
 public:
  explicit EntityText(std::string& out) : out_(out) { out_.clear(); }
  EntityText& line(std::string_view text) {
    out_.append(text);
    out_.append("\r\n");
    return *this;
  }
  EntityText& real(std::string_view code, double value) {
    line(code);
    append_real(out_, value);
    out_.append("\r\n");
    return *this;
  }
  EntityText& whole(std::string_view code, int value) {
    line(code);
    append_int(out_, value);
    out_.append("\r\n");
    return *this;
  }

 private:
  std::string& out_;
};

// An arc of another plane than the world XY one carries its extrusion direction, with centre
// and angles in that direction's object coordinates, so that it reads back in its plane.
void append_arc(EntityText& t, const TElement& e) {
  const double* g = e.values;
  DxfArcPlane p;
  if (!dxf_arc_plane(e, p)) {
    t.line("ARC").whole("8", e.layer).real("10", g[0]).real("20", g[1]).real("30", g[2]);
    t.real("40", g[3]).real("50", g[4]).real("51", g[5]);
    return;
  }
  t.line("ARC").whole("8", e.layer).real("10", p.centre.x).real("20", p.centre.y);
  t.real("30", p.centre.z).real("40", g[3]).real("50", p.start).real("51", p.end);
  t.real("210", p.normal.x).real("220", p.normal.y).real("230", p.normal.z);
}

void append_entity(std::string& out, const TElement& e) {
  const double* g = e.values;
  EntityText t(out);
  switch (e.element_type) {
    case kPoint:
      t.line("POINT").whole("8", e.layer).real("10", g[0]).real("20", g[1]).real("30", g[2]);
      break;
    case kLine:
      t.line("LINE").whole("8", e.layer).real("10", g[0]).real("20", g[1]).real("30", g[2]);
      t.real("11", g[3]).real("21", g[4]).real("31", g[5]);
      break;
    case kArc:
      append_arc(t, e);
      break;
    case kCircle:
      t.line("CIRCLE").whole("8", e.layer).real("10", g[0]).real("20", g[1]).real("30", g[2]);
      t.real("40", g[3]);
      break;
    default:
      return;
  }
  t.whole("62", get_dxf_color(e.color)).line("0");
}

}  // namespace

void fwriteln(AtomicTextWriter& file, std::string_view text) {
  file.WriteLn(text);
}

void write_dxf_entity(AtomicTextWriter& file, const TElement& element) {
  std::string text;
  append_entity(text, element);
  file.Write(text);
}

bool write_dxf(const std::string& file_name) {
  AtomicTextWriter file;
  if (!file.Open(file_name)) return false;
  for (const char* line : {"  0", "SECTION", "  2", "ENTITIES", "  0"})
    fwriteln(file, line);
  std::string text;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr) continue;
    if (!e->deleted) {
      append_entity(text, *e);
      file.Write(text);
    }
    globalunlock(element_handle[n]);
  }
  for (const char* line : {"ENDSEC", "0", "EOF"})
    fwriteln(file, line);
  // The drawing takes the file's name only once the file holds it.
  if (!file.Commit()) return false;
  cdl_filename = file_name;
  return true;
}

}  // namespace orvane
