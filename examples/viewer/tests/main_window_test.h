#pragma once

#include <QObject>
#include <QTemporaryDir>

#include "test_drawings.h"

namespace viewer::test {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void layerListNamesTheLayersOfTheFile();
  void layerListIsRefilledByTheNextLoad();
  void statusBarShowsTheLoadReport();
  void failedOpenKeepsTheDrawingAndSaysWhy();
  void mouseMoveShowsModelCoordinates();
  void droppedDrawingIsOpened();
  void openedFilesJoinTheRecentMenu();
  void exportWritesTheDrawingsPicture();
  void printWritesThePrintersFile();
  void shortcutsZoomAndFit();
  void shortcutsPanAndRotate();
  void zoomWindowZoomsToTheDraggedRectangle();

 private:
  QString settings_file() const { return dir_.filePath("settings.ini"); }
  QString two_layers() { return write_two_layer_dxf(dir_.filePath("walls.dxf")); }

  QTemporaryDir dir_;
};

}  // namespace viewer::test
