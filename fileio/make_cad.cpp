#include "fileio/make_cad.h"

#include <array>
#include <cstdint>

#include "core/state.h"
#include "core/store.h"
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

using TypeCounts = std::array<int64_t, kArc + 1>;

// Live points, lines and arcs of the store, by element type.
TypeCounts count_types() {
  TypeCounts counts{};
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e != nullptr && !e->deleted && e->element_type >= kPoint && e->element_type <= kArc) {
      ++counts[e->element_type];
    }
  }
  return counts;
}

int read_file_of_type(const std::string& name) {
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

}  // namespace

int make_cad(const std::string& name) {
  fast_load_flag = false;
  load_report.clear();
  reset_arc_views();
  if (name.empty()) return -1;
  abort2 = false;
  const LineCap cap(max_line_of(cad_type));
  const LongLineCount long_lines;
  // The DXF reader counts what its element sink makes; for the others the store is counted.
  const bool sink_counts = cad_type == 2;
  const TypeCounts before = merge_cad && !sink_counts ? count_types() : TypeCounts{};
  // A loaded drawing is in the units its file names, else in the default ones; a file that
  // cannot be read leaves them as they were.
  const bool units = metric_machine;
  if (!merge_cad) metric_machine = false;
  const int result = read_file_of_type(name);
  // DXF and IGES give -1 for a read file; CDL and TVG give 0.
  const bool read = cad_type == 2 || cad_type == 3 ? result == -1 : result == 0;
  if (!read) {
    metric_machine = units;
    return result;
  }
  // Only DXF files name their layers; a drawing read from another kind has no names.
  if (!merge_cad && cad_type != 2) layer_name.fill(std::string());
  // The report counts what the store gained, whichever reader made it.
  if (sink_counts) return result;
  const TypeCounts after = count_types();
  load_report.points = after[kPoint] - before[kPoint];
  load_report.lines = after[kLine] - before[kLine];
  load_report.arcs = after[kArc] - before[kArc];
  return result;
}

}  // namespace orvane
