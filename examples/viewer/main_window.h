// The viewer's main window: the drawing fills it, with the layer list docked beside it, the
// commands in menus and a toolbar, and the cursor's coordinates and the last load's report in
// the status bar.
#pragma once

#include <QMainWindow>
#include <QString>

#include <orvane/orvane.h>

#include "recent_files.h"

class QLabel;
class QMenu;
class QPrinter;
class QSettings;
class QToolBar;

namespace viewer {

class LayerPanel;
class ZoomWindowTool;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // settings keeps the recent files; it must outlive the window.
  explicit MainWindow(QSettings& settings, QWidget* parent = nullptr);

  // Loads a CDL, DXF, IGES or TVG drawing, told apart by the extension. On failure the drawing
  // on screen stays, the status bar and lastError() say why, and false is returned.
  bool openFile(const QString& file);
  // openFile, with a message box when it fails.
  void openFileInteractive(const QString& file);
  // The picture on the drawing as a BMP, GIF or JPEG file (by the extension); false with
  // lastError() set when it cannot be written.
  bool exportImage(const QString& file);
  // The drawing as vectors on a printer set up by the caller; false with lastError() set when
  // the print cannot be made.
  bool printTo(QPrinter& printer);

  QString lastError() const { return last_error_; }
  orvane::TOrvane& drawing() { return *drawing_; }
  LayerPanel& layerPanel() { return *layers_; }
  RecentFiles& recentFiles() { return recent_; }
  QMenu& recentMenu() { return *recent_menu_; }
  QString coordinateText() const;
  QString messageText() const;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // main_window_actions.cpp: the menus and the toolbar.
  void createActions();
  void createFileMenu(QToolBar& tools);
  void createViewMenu(QToolBar& tools);
  void createZoomActions(QMenu& menu, QToolBar& tools);
  void createPanRotateActions(QMenu& menu, QToolBar& tools);
  void createViewActions(QMenu& menu, QToolBar& tools);
  void refillRecentMenu();

  void openByDialog();
  void exportByDialog();
  void printByDialog();
  void panBy(double right, double up);  // in view sizes
  void rotateBy(double degrees_x, double degrees_z);
  void showCoordinates(int x, int y);
  void fail(const QString& message);

  orvane::TOrvane* drawing_;
  LayerPanel* layers_;
  ZoomWindowTool* zoom_window_;
  RecentFiles recent_;
  QMenu* recent_menu_ = nullptr;
  QLabel* coordinates_;
  QLabel* message_;
  QString last_error_;
};

}  // namespace viewer
