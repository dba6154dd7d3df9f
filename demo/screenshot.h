// A picture of a window as it is painted, for the demo's run without a display.
#pragma once

#include <QString>

class QWidget;

namespace orvane::demo {

// Waits (at most a few seconds) until the shown window is exposed and its events are handled,
// then saves its picture, menus and frame-less client included, as a PNG. The error names the
// file when it cannot be written.
bool save_screenshot(QWidget& window, const QString& file, QString& error);

}  // namespace orvane::demo
