// Loading, merging and saving the drawing through the file readers and writers.
#include "component/drawing_scope.h"
#include "component/orvane_element_table.h"
#include "core/state.h"
#include "core/view_fit.h"
#include "fileio/file_result.h"
#include "orvane/orvane.h"

namespace orvane {

// A failed load leaves the drawing as it was, so the windows are refitted only after a success.
bool TOrvane::LoadFromFile(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  merge_cad = false;
  ensure_element_table();
  file_result_ = load_drawing(file_name);
  if (!file_result_.ok()) return false;
  fit_all_windows(width(), height());
  for (int w = kFirstView; w <= kLastView; ++w)
    fit_before_show(w);
  return true;
}

bool TOrvane::MergeFile(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  merge_cad = true;
  file_result_ = load_drawing(file_name);  // clears merge_cad
  return file_result_.ok();
}

bool TOrvane::SaveToFile(const std::string& file_name) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  file_result_ = save_drawing(file_name);
  return file_result_.ok();
}

std::string TOrvane::LastFileError() const {
  const DrawingScope scope(own_.get());
  return file_result_.message;
}

std::string TOrvane::FileName() const {
  const DrawingScope scope(own_.get());
  return cdl_filename;
}

}  // namespace orvane
