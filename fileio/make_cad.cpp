#include "fileio/make_cad.h"

#include "core/state.h"
#include "fileio/cdl_reader.h"
#include "fileio/dxf.h"
#include "fileio/iges.h"
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

}  // namespace

int make_cad(const std::string& name) {
  fast_load_flag = false;
  reset_arc_views();
  if (name.empty()) return -1;
  abort2 = false;
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
