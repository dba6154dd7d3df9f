// The viewer's menus and toolbar and the commands that open a dialog first.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

#include "drawing_files.h"
#include "layer_panel.h"
#include "main_window.h"
#include "zoom_window_tool.h"

namespace viewer {

namespace {

constexpr double kPanStep = 0.25;     // of the view's size
constexpr double kRotateStep = 15.0;  // degrees

QAction* add_action(QMenu& menu, const QString& text, const QList<QKeySequence>& keys) {
  QAction* action = menu.addAction(text);
  action->setShortcuts(keys);
  return action;
}

// A toolbar button that opens menu at once.
void add_menu_button(QToolBar& tools, QMenu& menu) {
  tools.addAction(menu.menuAction());
  auto* button = qobject_cast<QToolButton*>(tools.widgetForAction(menu.menuAction()));
  if (button != nullptr) button->setPopupMode(QToolButton::InstantPopup);
}

// The extension the export dialog's chosen filter stands for, "" when it stands for none.
QString suffix_of_filter(const QString& filter) {
  if (filter.startsWith("GIF")) return QStringLiteral("gif");
  if (filter.startsWith("JPEG")) return QStringLiteral("jpg");
  if (filter.startsWith("BMP")) return QStringLiteral("bmp");
  return {};
}

}  // namespace

void MainWindow::createActions() {
  QToolBar* tools = addToolBar(tr("Tools"));
  tools->setObjectName("tools");
  createFileMenu(*tools);
  createViewMenu(*tools);
  QMenu* windows = menuBar()->addMenu(tr("&Window"));
  windows->addAction(layers_->toggleViewAction());
  windows->addAction(tools->toggleViewAction());
}

void MainWindow::createFileMenu(QToolBar& tools) {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* open = add_action(*file, tr("&Open..."), {QKeySequence::Open});
  connect(open, &QAction::triggered, this, &MainWindow::openByDialog);
  recent_menu_ = file->addMenu(tr("Recent &Files"));
  connect(recent_menu_, &QMenu::aboutToShow, this, &MainWindow::refillRecentMenu);
  refillRecentMenu();
  file->addSeparator();
  QAction* save_image = add_action(*file, tr("&Export Image..."), {QKeySequence(tr("Ctrl+E"))});
  connect(save_image, &QAction::triggered, this, &MainWindow::exportByDialog);
  QAction* print = add_action(*file, tr("&Print..."), {QKeySequence::Print});
  connect(print, &QAction::triggered, this, &MainWindow::printByDialog);
  file->addSeparator();
  QAction* quit = add_action(*file, tr("&Quit"), {QKeySequence(tr("Ctrl+Q"))});
  connect(quit, &QAction::triggered, this, &QWidget::close);
  tools.addAction(open);
  tools.addAction(save_image);
  tools.addAction(print);
  tools.addSeparator();
}

void MainWindow::createViewMenu(QToolBar& tools) {
  QMenu* view = menuBar()->addMenu(tr("&View"));
  createZoomActions(*view, tools);
  view->addSeparator();
  createPanRotateActions(*view, tools);
  view->addSeparator();
  createViewActions(*view, tools);
}

void MainWindow::createZoomActions(QMenu& menu, QToolBar& tools) {
  QAction* in =
      add_action(menu, tr("Zoom &In"), {QKeySequence::ZoomIn, QKeySequence(tr("Ctrl+="))});
  connect(in, &QAction::triggered, drawing_, &orvane::TOrvane::ZoomDouble);
  QAction* out = add_action(menu, tr("Zoom &Out"), {QKeySequence::ZoomOut});
  connect(out, &QAction::triggered, drawing_, &orvane::TOrvane::ZoomHalf);
  QAction* all =
      add_action(menu, tr("Zoom &All"), {QKeySequence(tr("Ctrl+0")), QKeySequence(Qt::Key_Home)});
  connect(all, &QAction::triggered, drawing_, &orvane::TOrvane::ZoomAll);
  QAction* window = add_action(menu, tr("Zoom &Window"), {QKeySequence(tr("Ctrl+Shift+W"))});
  connect(window, &QAction::triggered, zoom_window_, &ZoomWindowTool::arm);
  QAction* last = add_action(menu, tr("Zoom &Previous"), {QKeySequence(tr("Ctrl+Backspace"))});
  connect(last, &QAction::triggered, drawing_, &orvane::TOrvane::ZoomLast);
  for (QAction* action : {in, out, all, window})
    tools.addAction(action);
  tools.addSeparator();
}

void MainWindow::createPanRotateActions(QMenu& menu, QToolBar& tools) {
  QMenu* pan = menu.addMenu(tr("&Pan"));
  const struct {
    QString text;
    Qt::Key key;
    double right, up;
  } pans[] = {{tr("&Left"), Qt::Key_Left, -kPanStep, 0},
              {tr("&Right"), Qt::Key_Right, kPanStep, 0},
              {tr("&Up"), Qt::Key_Up, 0, kPanStep},
              {tr("&Down"), Qt::Key_Down, 0, -kPanStep}};
  for (const auto& p : pans) {
    QAction* action = add_action(*pan, p.text, {QKeySequence(Qt::CTRL | p.key)});
    connect(action, &QAction::triggered, this, [this, p] { panBy(p.right, p.up); });
  }
  QMenu* rotate = menu.addMenu(tr("&Rotate"));
  const struct {
    QString text;
    Qt::Key key;
    double about_x, about_z;
  } turns[] = {{tr("&Left"), Qt::Key_Left, 0, -kRotateStep},
               {tr("&Right"), Qt::Key_Right, 0, kRotateStep},
               {tr("&Up"), Qt::Key_Up, -kRotateStep, 0},
               {tr("&Down"), Qt::Key_Down, kRotateStep, 0}};
  for (const auto& t : turns) {
    QAction* action = add_action(*rotate, t.text, {QKeySequence(Qt::CTRL | Qt::SHIFT | t.key)});
    connect(action, &QAction::triggered, this, [this, t] { rotateBy(t.about_x, t.about_z); });
  }
  add_menu_button(tools, *pan);
  add_menu_button(tools, *rotate);
  tools.addSeparator();
}

void MainWindow::createViewActions(QMenu& menu, QToolBar& tools) {
  const struct {
    QString text;
    orvane::TDView view;
  } views[] = {{tr("&Top"), orvane::vTOP},
               {tr("&Front"), orvane::vFRONT},
               {tr("&Side"), orvane::vSIDE},
               {tr("&Isometric"), orvane::vISO}};
  int number = 1;
  for (const auto& v : views) {
    QAction* action = add_action(menu, v.text, {QKeySequence(tr("Ctrl+%1").arg(number++))});
    const orvane::TDView view = v.view;
    connect(action, &QAction::triggered, this, [this, view] { drawing_->SetView(view); });
    tools.addAction(action);
  }
}

void MainWindow::refillRecentMenu() {
  recent_menu_->clear();
  const QStringList files = recent_.files();
  for (const QString& file : files) {
    QAction* action = recent_menu_->addAction(QFileInfo(file).fileName());
    action->setToolTip(file);
    action->setData(file);
    connect(action, &QAction::triggered, this, [this, file] { openFileInteractive(file); });
  }
  if (!files.isEmpty()) recent_menu_->addSeparator();
  QAction* clear = recent_menu_->addAction(tr("&Clear List"));
  clear->setEnabled(!files.isEmpty());
  connect(clear, &QAction::triggered, this, [this] { recent_.clear(); });
}

void MainWindow::openByDialog() {
  const QString file =
      QFileDialog::getOpenFileName(this, tr("Open Drawing"), QString(), open_dialog_filter());
  if (!file.isEmpty()) openFileInteractive(file);
}

void MainWindow::exportByDialog() {
  QString filter;
  QString file = QFileDialog::getSaveFileName(this, tr("Export Image"), QString(),
                                              export_dialog_filter(), &filter);
  if (file.isEmpty()) return;
  if (image_kind_for(file) == ImageKind::kNone) file += "." + suffix_of_filter(filter);
  if (!exportImage(file)) QMessageBox::warning(this, tr("Export Image"), last_error_);
}

void MainWindow::printByDialog() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print Drawing"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printTo(printer)) QMessageBox::warning(this, tr("Print"), last_error_);
}

void MainWindow::panBy(double right, double up) {
  const double size = drawing_->GetViewSize();
  drawing_->Pan(right * size, up * size);
}

void MainWindow::rotateBy(double degrees_x, double degrees_z) {
  drawing_->RotateView(drawing_->GetXRotation() + degrees_x, drawing_->GetYRotation(),
                       drawing_->GetZRotation() + degrees_z);
}

}  // namespace viewer
