// What the application can learn of the drawing's file: the last load's report, the names of
// the file's layers, and the chord tolerance of curves drawn as lines.
#include <cmath>

#include "core/state.h"
#include "fileio/curve_tessellation.h"
#include "fileio/load_report.h"
#include "orvane/orvane.h"

namespace orvane {

const LoadReport& TOrvane::GetLoadReport() const {
  return load_report;
}

std::string TOrvane::LoadReportText() const {
  return load_report.summary();
}

std::string TOrvane::LayerName(int layer) const {
  return layer >= 0 && layer < kLayers ? layer_name[layer] : std::string();
}

int TOrvane::LayerNumber(const std::string& name) const {
  if (name.empty()) return -1;
  for (int n = 0; n < kLayers; ++n)
    if (layer_name[n] == name) return n;
  return -1;
}

double TOrvane::GetChordTolerance() const {
  return effective_chord_tolerance();
}

void TOrvane::SetChordTolerance(double value) {
  if (std::isfinite(value) && value > 0) chord_tolerance = value;
}

}  // namespace orvane
