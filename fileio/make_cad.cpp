#include "fileio/make_cad.h"

#include "core/state.h"
#include "fileio/cdl_reader.h"
#include "fileio/dxf.h"
#include "fileio/iges.h"
#include "fileio/load_report.h"
#include "fileio/tvg_reader.h"

namespace orvane {

namespace {

// Every file starts from arc view 1 as the identity; other views count only once the file
// defines them.
void reset_arc_views() {
  for (int v = 1; v <= kArcViews; ++v)
    arc_view[v].defined = false;
  view_entry identity;
  identity.ax = identity.by = identity.cz = 1;
  identity.defined = true;
  arc_view[1] = identity;
}

std::size_t max_line_of(int type) {
  return type == 2 ? kDxfMaxLine : type == 3 ? kIgesMaxLine : type == 4 ? kTvgMaxLine : kCdlMaxLine;
}

// Puts the lines the readers passed over for their length into the load report, also when a
// read error ends the load.
class LongLineCount {
 public:
  LongLineCount() : before_(long_lines_skipped_total()) {}
  ~LongLineCount() {
    const int64_t n = long_lines_skipped_total() - before_;
    try {
      if (n > 0) load_report.leave_out(kLongLine, LeftOut::kDamaged, n);
    } catch (...) {  // no memory for the report: the load's own outcome stands
    }
  }

 private:
  int64_t before_;
};

}  // namespace

int make_cad(const std::string& name) {
  fast_load_flag = false;
  load_report.clear();
  reset_arc_views();
  if (name.empty()) return -1;
  abort2 = false;
  const LineCap cap(max_line_of(cad_type));
  const LongLineCount long_lines;
  switch (cad_type) {
    case 3:
      return read_iges(name) ? -1 : 0;
    case 2:
      return read_dxf2(name) ? -1 : 0;
    case 4:
      return read_tvg4(name) != 0 ? -1 : 0;
    default:
      cad_type = 1;
      return read_cdl(name);
  }
}

}  // namespace orvane
