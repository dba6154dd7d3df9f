// OrvaneDemo: the main window on an optional drawing. With --screenshot it saves a picture of
// the window and exits, for runs without anybody watching.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "demo/demo_ui.h"
#include "demo/form1.h"
#include "demo/screenshot.h"

namespace {

void fail(const QString& message) {
  std::fprintf(stderr, "OrvaneDemo: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("OrvaneDemo");
  QCommandLineParser parser;
  parser.setApplicationDescription("Shows the Orvane drawing component and its calculator.");
  parser.addHelpOption();
  const QCommandLineOption screenshot("screenshot", "Save a PNG of the main window and exit.",
                                      "file");
  parser.addOption(screenshot);
  parser.addPositionalArgument("drawing", "A CDL, DXF or IGES drawing to load at start.");
  parser.process(app);
  const QStringList drawings = parser.positionalArguments();
  if (drawings.size() > 1) {
    fail("give at most one drawing");
    return 2;
  }

  orvane::demo::QtDemoUi ui;
  orvane::demo::TForm1 form(ui);
  if (!drawings.isEmpty()) {
    const QFileInfo drawing(drawings.front());
    if (!drawing.isFile() || !drawing.isReadable()) {
      fail(QStringLiteral("cannot open the drawing '%1'").arg(drawings.front()));
      return 2;
    }
    form.LoadCad(drawing.filePath());
  }
  form.show();
  if (parser.isSet(screenshot)) {
    QString error;
    if (!orvane::demo::save_screenshot(form, parser.value(screenshot), error)) {
      fail(error);
      return 1;
    }
    return 0;
  }
  return app.exec();
}
