#include <filesystem>
#include <string>
#include <system_error>

#include "core/state.h"
#include "core/store.h"
#include "fileio/element_sink.h"
#include "fileio/iges.h"
#include "fileio/iges_entities.h"
#include "fileio/iges_file.h"
#include "fileio/iges_paths.h"
#include "fileio/iges_records.h"
#include "fileio/load_report.h"
#include "fileio/read_loop.h"

namespace orvane {

namespace {

// Every record of the open cdlinfile into file.
void read_records(iges::IgesFile& file) {
  iges::FileBuilder builder(file);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(cdl_filename, error);
  if (!error) builder.reserve(size);
  std::string line;
  while (!mem_full && !cdlinfile.Eof()) {
    cdlinfile.ReadLn(line);
    builder.add(line);
  }
  builder.finish();
}

bool is_millimetre(const iges::IgesFile& file) {
  return file.units_flag == 2 || file.units_name == "MM" || file.units_name == "mm";
}

}  // namespace

bool iges_written_here() {
  iges::IgesFile file;
  iges::FileBuilder builder(file);
  std::string line;
  while (!cdlinfile.Eof()) {
    cdlinfile.ReadLn(line);
    const char section = iges::section_of(line);
    if (section == 'D' || section == 'P' || section == 'T') break;
    builder.add(line);
  }
  builder.finish();
  return !file.has_global || file.system_id == "TAVREN";
}

void read_foreign_iges() {
  iges::IgesFile file;
  run_read_loop(
      [&] {
        read_records(file);
        metric_machine = is_millimetre(file);
        ElementSink sink(load_report);
        iges::Drawer(file, sink).draw_all();
      },
      get_max_min);
}

bool read_iges(const std::string& file_name) {
  if (cdlinfile.Reset(file_name) != 0) return false;
  bool classic = true;
  run_read_loop([&] { classic = iges_written_here(); }, [] {});
  if (cdlinfile.Reset(file_name) != 0) return false;
  cdl_filename = file_name;
  if (!merge_cad) {
    destroy_all_elements();
    fast_load_flag = true;
  }
  metric_machine = false;
  load_report.clear();
  if (classic) {
    read_classic_iges(file_name);
  } else {
    read_foreign_iges();
  }
  cad_changed = false;
  return true;
}

}  // namespace orvane
