// A picture of a shown window as it is painted, for runs without anybody watching.
#pragma once

#include <QString>

class QWidget;

namespace viewer {

// Waits (at most a few seconds) until window is exposed and its pending events are handled, then
// saves its picture as a PNG. On failure error names the file.
bool save_screenshot(QWidget& window, const QString& file, QString& error);

}  // namespace viewer
