// The report of the file readers: each load or merge fills the one drawing-wide LoadReport.
#pragma once

#include "orvane/load_report.h"

namespace orvane {

// The report of the last make_cad call.
extern LoadReport load_report;

}  // namespace orvane
