// orvane_viewer [--screenshot <file.png>] [drawing]: shows a CDL, DXF, IGES or TVG drawing.
// With --screenshot it saves a picture of the window once shown and exits; a drawing that cannot
// be opened then ends it with a message and exit status 2.
#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>
#include <cstdio>

#include "main_window.h"
#include "screenshot.h"

namespace {

void fail(const QString& message) {
  std::fprintf(stderr, "orvane_viewer: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Orvane");
  QApplication::setApplicationName("Orvane Viewer");
  QCommandLineParser parser;
  parser.setApplicationDescription("Shows a CDL, DXF, IGES or TVG drawing.");
  parser.addHelpOption();
  const QCommandLineOption screenshot("screenshot", "Save a PNG of the window and exit.", "file");
  parser.addOption(screenshot);
  parser.addPositionalArgument("drawing", "The drawing to open.");
  parser.process(app);
  const QStringList drawings = parser.positionalArguments();
  if (drawings.size() > 1) {
    fail("give at most one drawing");
    return 2;
  }

  QSettings settings;
  viewer::MainWindow window(settings);
  if (parser.isSet(screenshot)) {
    if (!drawings.isEmpty() && !window.openFile(drawings.front())) {
      fail(window.lastError());
      return 2;
    }
    window.show();
    QString error;
    if (!viewer::save_screenshot(window, parser.value(screenshot), error)) {
      fail(error);
      return 1;
    }
    return 0;
  }
  window.show();
  if (!drawings.isEmpty())
    QTimer::singleShot(0, &window,
                       [&window, &drawings] { window.openFileInteractive(drawings.front()); });
  return app.exec();
}
