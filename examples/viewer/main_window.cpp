#include "main_window.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <stdexcept>
#include <vector>

#include "drawing_files.h"
#include "layer_panel.h"
#include "zoom_window_tool.h"

namespace viewer {

namespace {

constexpr int kStartWidth = 900;
constexpr int kStartHeight = 640;
constexpr int kLayerListWidth = 160;

// The first local file of a drag or drop whose extension names a drawing, or "".
QString dropped_drawing(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && cad_type_for(url.toLocalFile()) != 0) return url.toLocalFile();
  return {};
}

// Every layer's visibility, to show every layer of the next drawing and to put them back when
// its load fails.
std::vector<bool> layer_visibility(const orvane::TOrvane& drawing) {
  std::vector<bool> visible(kLayerCount);
  for (int layer = 0; layer < kLayerCount; ++layer)
    visible[layer] = drawing.GetVisibleLayer(layer);
  return visible;
}

void set_layer_visibility(orvane::TOrvane& drawing, const std::vector<bool>& visible) {
  for (int layer = 0; layer < kLayerCount; ++layer)
    drawing.SetVisibleLayer(layer, visible[layer]);
}

std::string file_system_name(const QString& file) {
  return QFile::encodeName(file).toStdString();
}

}  // namespace

MainWindow::MainWindow(QSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      drawing_(new orvane::TOrvane(this)),
      layers_(new LayerPanel(*drawing_, this)),
      zoom_window_(new ZoomWindowTool(*drawing_)),
      recent_(settings),
      coordinates_(new QLabel(this)),
      message_(new QLabel(this)) {
  setWindowTitle(tr("Orvane Viewer"));
  setCentralWidget(drawing_);
  addDockWidget(Qt::LeftDockWidgetArea, layers_);
  resizeDocks({layers_}, {kLayerListWidth}, Qt::Horizontal);
  setAcceptDrops(true);
  drawing_->SetMousePan(true);
  drawing_->setFocusPolicy(Qt::StrongFocus);
  statusBar()->addWidget(message_, 1);
  statusBar()->addPermanentWidget(coordinates_);
  connect(drawing_, &orvane::TOrvane::mouseMove, this,
          [this](orvane::TShiftState, int x, int y) { showCoordinates(x, y); });
  createActions();
  layers_->refill();
  resize(kStartWidth, kStartHeight);
}

bool MainWindow::openFile(const QString& file) {
  const int type = cad_type_for(file);
  if (type == 0) {
    fail(tr("\"%1\" is not a CDL, DXF, IGES or TVG drawing.").arg(file));
    return false;
  }
  drawing_->SetCadType(type);
  // A new drawing starts with every layer shown, except those its file hides.
  const std::vector<bool> visible = layer_visibility(*drawing_);
  set_layer_visibility(*drawing_, std::vector<bool>(kLayerCount, true));
  if (!drawing_->LoadFromFile(file_system_name(file))) {
    set_layer_visibility(*drawing_, visible);
    fail(QString::fromStdString(drawing_->LastFileError()));
    return false;
  }
  last_error_.clear();
  drawing_->Redraw();  // the load fits the views without drawing
  layers_->refill();
  message_->setText(QString::fromStdString(drawing_->LoadReportText()));
  recent_.add(file);
  refillRecentMenu();
  setWindowTitle(tr("%1 - Orvane Viewer").arg(QFileInfo(file).fileName()));
  return true;
}

void MainWindow::openFileInteractive(const QString& file) {
  if (!openFile(file)) QMessageBox::warning(this, tr("Open Drawing"), last_error_);
}

bool MainWindow::exportImage(const QString& file) {
  const std::string name = file_system_name(file);
  try {
    switch (image_kind_for(file)) {
      case ImageKind::kBmp:
        drawing_->SaveBMP(name);
        break;
      case ImageKind::kGif:
        drawing_->SaveGIF(name);
        break;
      case ImageKind::kJpeg:
        drawing_->SaveJPEG(name);
        break;
      case ImageKind::kNone:
        fail(tr("\"%1\" is not a BMP, GIF or JPEG file name.").arg(file));
        return false;
    }
  } catch (const std::runtime_error& e) {
    fail(QString::fromStdString(e.what()));
    return false;
  }
  last_error_.clear();
  message_->setText(tr("Saved %1").arg(QDir::toNativeSeparators(file)));
  return true;
}

bool MainWindow::printTo(QPrinter& printer) {
  try {
    drawing_->PrintCad(printer);
  } catch (const std::runtime_error& e) {
    fail(QString::fromStdString(e.what()));
    return false;
  }
  last_error_.clear();
  message_->setText(tr("Printed"));
  return true;
}

QString MainWindow::coordinateText() const {
  return coordinates_->text();
}

QString MainWindow::messageText() const {
  return message_->text();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!dropped_drawing(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = dropped_drawing(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  openFileInteractive(file);
}

void MainWindow::showCoordinates(int x, int y) {
  const orvane::TDPoint p = drawing_->PixelToCoord(x, y);
  coordinates_->setText(QStringLiteral("X %1  Y %2  Z %3")
                            .arg(p.x, 0, 'f', 3)
                            .arg(p.y, 0, 'f', 3)
                            .arg(p.z, 0, 'f', 3));
}

void MainWindow::fail(const QString& message) {
  last_error_ = message;
  message_->setText(message);
}

}  // namespace viewer
