// Loading, merging and saving the drawing through the file readers and writers.
#include "component/flag_scope.h"
#include "component/orvane.h"
#include "component/orvane_element_table.h"
#include "core/state.h"
#include "core/zoom.h"
#include "fileio/make_cad.h"
#include "fileio/save_cad.h"

namespace orvane {

// The readers' results are not looked at; an exception leaves the windows as they were.
void TOrvane::LoadFromFile(const std::string& file_name) {
  merge_cad = false;
  const int window = current_plot_window;
  ensure_element_table();
  make_cad(file_name);
  // The second pass measures the extents at the scale the first one chose.
  for (int w = kFirstView; w <= kLastView; ++w) {
    current_plot_window = w;
    set_scale(0, width(), height());
    set_scale(0, width(), height());
    fit_before_show(w);
  }
  current_plot_window = window;
}

void TOrvane::MergeFile(const std::string& file_name) {
  ensure_element_table();
  const FlagScope merging(merge_cad);
  make_cad(file_name);
}

void TOrvane::SaveToFile(const std::string& file_name) {
  ensure_element_table();
  save_cad(file_name);
}

}  // namespace orvane
