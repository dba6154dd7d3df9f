#include "screenshot.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QSaveFile>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace viewer {

namespace {

constexpr int kExposeWaitMs = 5000;

void wait_until_exposed(QWidget& window) {
  const QDeadlineTimer deadline(kExposeWaitMs);
  while (!deadline.hasExpired() && !(window.windowHandle() && window.windowHandle()->isExposed())) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  QCoreApplication::processEvents();
}

}  // namespace

bool save_screenshot(QWidget& window, const QString& file, QString& error) {
  wait_until_exposed(window);
  const QPixmap picture = window.grab();
  QSaveFile out(file);
  if (picture.isNull() || !out.open(QIODevice::WriteOnly) || !picture.save(&out, "PNG") ||
      !out.commit()) {
    error = QStringLiteral("cannot write the screenshot '%1'").arg(file);
    return false;
  }
  return true;
}

}  // namespace viewer
