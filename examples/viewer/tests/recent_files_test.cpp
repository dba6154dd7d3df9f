#include "recent_files_test.h"

#include <QFile>
#include <QSettings>
#include <QTest>

#include "recent_files.h"
#include "test_drawings.h"

namespace viewer::test {

void RecentFilesTest::init() {
  QFile::remove(settings_file());
}

QString RecentFilesTest::make_file(const QString& name) {
  const QString file = dir_.filePath(name);
  if (!write_text(file, "x")) qFatal("cannot write %s", qPrintable(file));
  return file;
}

QString RecentFilesTest::settings_file() const {
  return dir_.filePath("recent.ini");
}

void RecentFilesTest::keepsTheNewestEightNewestFirst() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  RecentFiles recent(settings);
  for (int n = 1; n <= 10; ++n)
    recent.add(make_file(QStringLiteral("d%1.dxf").arg(n)));
  const QStringList files = recent.files();
  QCOMPARE(files.size(), 8);
  QCOMPARE(files.front(), dir_.filePath("d10.dxf"));
  QCOMPARE(files.back(), dir_.filePath("d3.dxf"));
}

void RecentFilesTest::openingAgainMovesAFileToTheFront() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  RecentFiles recent(settings);
  const QString a = make_file("a.dxf"), b = make_file("b.dxf"), c = make_file("c.dxf");
  for (const QString& f : {a, b, c, a})
    recent.add(f);
  QCOMPARE(recent.files(), (QStringList{a, c, b}));
}

void RecentFilesTest::dropsFilesThatNoLongerExist() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  RecentFiles recent(settings);
  const QString a = make_file("a.dxf"), gone = make_file("gone.dxf");
  recent.add(a);
  recent.add(gone);
  QVERIFY(QFile::remove(gone));
  QCOMPARE(recent.files(), QStringList{a});
  QCOMPARE(settings.value("recentFiles").toStringList(), QStringList{a});
}

void RecentFilesTest::persistsAcrossSettingsObjects() {
  const QString a = make_file("a.igs"), b = make_file("b.cdl");
  {
    QSettings settings(settings_file(), QSettings::IniFormat);
    RecentFiles recent(settings);
    recent.add(a);
    recent.add(b);
  }
  QSettings settings(settings_file(), QSettings::IniFormat);
  RecentFiles recent(settings);
  QCOMPARE(recent.files(), (QStringList{b, a}));
  recent.clear();
  QSettings again(settings_file(), QSettings::IniFormat);
  QVERIFY(RecentFiles(again).files().isEmpty());
}

}  // namespace viewer::test
