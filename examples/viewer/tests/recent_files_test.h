#pragma once

#include <QObject>
#include <QTemporaryDir>

namespace viewer::test {

class RecentFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void keepsTheNewestEightNewestFirst();
  void openingAgainMovesAFileToTheFront();
  void dropsFilesThatNoLongerExist();
  void persistsAcrossSettingsObjects();

 private:
  QString make_file(const QString& name);
  QString settings_file() const;

  QTemporaryDir dir_;
};

}  // namespace viewer::test
