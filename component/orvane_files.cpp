// Loading, merging and saving the drawing through the file readers and writers.
#include "component/orvane.h"
#include "component/orvane_element_table.h"
#include "core/state.h"
#include "core/zoom.h"
#include "fileio/make_cad.h"
#include "fileio/save_cad.h"

namespace orvane {

namespace {

// Clears merge_cad again however reading ends.
class MergeScope {
 public:
  MergeScope() { merge_cad = true; }
  ~MergeScope() { merge_cad = false; }
  MergeScope(const MergeScope&) = delete;
  MergeScope& operator=(const MergeScope&) = delete;
};

}  // namespace

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
  }
  current_plot_window = window;
}

void TOrvane::MergeFile(const std::string& file_name) {
  ensure_element_table();
  const MergeScope merging;
  make_cad(file_name);
}

void TOrvane::SaveToFile(const std::string& file_name) {
  ensure_element_table();
  save_cad(file_name);
}

}  // namespace orvane
