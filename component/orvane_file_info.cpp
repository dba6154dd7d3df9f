// What the application can learn of the drawing's file: the last load's report, the names of
// the file's layers, and the chord tolerance of curves drawn as lines.
#include <cmath>

#include "component/drawing_scope.h"
#include "core/state.h"
#include "fileio/curve_tessellation.h"
#include "fileio/load_report.h"
#include "orvane/orvane.h"

namespace orvane {

// The report where the widget's drawing keeps it now: a reference to the globals would show
// another drawing's report as soon as another drawing is current.
const LoadReport& TOrvane::GetLoadReport() const {
  return DrawingScope::load_report_of(own_.get());
}

std::string TOrvane::LoadReportText() const {
  const DrawingScope scope(own_.get());
  return load_report.summary();
}

std::string TOrvane::LayerName(int layer) const {
  const DrawingScope scope(own_.get());
  return layer >= 0 && layer < kLayers ? layer_name[layer] : std::string();
}

int TOrvane::LayerNumber(const std::string& name) const {
  const DrawingScope scope(own_.get());
  if (name.empty()) return -1;
  for (int n = 0; n < kLayers; ++n)
    if (layer_name[n] == name) return n;
  return -1;
}

double TOrvane::GetChordTolerance() const {
  const DrawingScope scope(own_.get());
  return effective_chord_tolerance();
}

void TOrvane::SetChordTolerance(double value) {
  const DrawingScope scope(own_.get());
  if (std::isfinite(value) && value > 0) chord_tolerance = value;
}

}  // namespace orvane
