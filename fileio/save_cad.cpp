#include "fileio/save_cad.h"

#include "core/state.h"
#include "fileio/cdl_writer.h"
#include "fileio/dxf.h"
#include "fileio/iges.h"

namespace orvane {

bool save_cad(const std::string& name) {
  switch (cad_type) {
    case 2:
      return write_dxf(name);
    case 3:
      return write_iges(name);
    default:
      return write_cdl(name);
  }
}

}  // namespace orvane
