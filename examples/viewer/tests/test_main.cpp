// Runs every test class of the viewer in one program; the exit status counts the failed ones.
#include <QApplication>
#include <QTest>

#include "drawing_files_test.h"
#include "main_window_test.h"
#include "picture_test.h"
#include "recent_files_test.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  viewer::test::DrawingFilesTest files;
  viewer::test::RecentFilesTest recent;
  viewer::test::MainWindowTest window;
  viewer::test::PictureTest picture;
  int failed = 0;
  for (QObject* test : {static_cast<QObject*>(&files), static_cast<QObject*>(&recent),
                        static_cast<QObject*>(&window), static_cast<QObject*>(&picture)})
    failed += QTest::qExec(test, argc, argv) != 0;
  return failed;
}
