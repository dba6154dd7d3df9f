#include "fileio/save_cad.h"

#include "core/state.h"
#include "fileio/cdl_writer.h"

// TEMPORARY until the DXF and IGES writers land.
#if __has_include("fileio/dxf.h")
#include "fileio/dxf.h"
#define ORVANE_HAVE_DXF 1
#endif
#if __has_include("fileio/iges.h")
#include "fileio/iges.h"
#define ORVANE_HAVE_IGES 1
#endif

namespace orvane {

bool save_cad(const std::string& name) {
  switch (cad_type) {
#ifdef ORVANE_HAVE_DXF
    case 2:
      return write_dxf(name);
#endif
#ifdef ORVANE_HAVE_IGES
    case 3:
      return write_iges(name);
#endif
    default:
      return write_cdl(name);
  }
}

}  // namespace orvane
