// The main menu: files, views and zoom, drawing.
#include <QMenuBar>

#include "demo/demo_ui.h"
#include "demo/entry_dialogs.h"
#include "demo/file_filters.h"
#include "demo/form1.h"
#include "platform/qt/qt_printer.h"

namespace orvane::demo {

namespace {

const QString kCadExt = QStringLiteral("cdl");

}  // namespace

void TForm1::build_menus() {
  build_file_menu();
  build_view_menu();
  build_draw_menu();
}

void TForm1::build_file_menu() {
  QMenu* file = menuBar()->addMenu("File");
  LoadCAD1 = file->addAction("Load CAD");
  SaveCAD1 = file->addAction("Save CAD");
  SaveBMP1 = file->addAction("Save BMP");
  SaveGIF1 = file->addAction("Save GIF");
  SaveJPEG1 = file->addAction("Save JPEG");
  PrintCAD1 = file->addAction("PrintCAD");
  PrintBitmap1 = file->addAction("PrintBitmap");
  QMenu* clipboard = file->addMenu("Send to Clipboard");
  Metafile1 = clipboard->addAction("Metafile");
  Bitmap1 = clipboard->addAction("Bitmap");

  on(LoadCAD1, [this] {
    const QString name = ui_.open_file(this, {"Open", kCadFilter, 1, kCadExt});
    if (!name.isEmpty()) LoadCad(name);
  });
  on(SaveCAD1, [this] { save_cad(); });
  on(SaveBMP1, [this] { save_image(1, "bmp", &TOrvane::SaveBMP); });
  on(SaveGIF1, [this] { save_image(2, "gif", &TOrvane::SaveGIF); });
  on(SaveJPEG1, [this] { save_image(3, "jpg", &TOrvane::SaveJPEG); });
  on(PrintCAD1, [this] { print(&TOrvane::PrintCad); });
  on(PrintBitmap1, [this] { print(&TOrvane::PrintBMP); });
  on(Metafile1, [this] { Orvane1->WmfToClipboard(); });
  on(Bitmap1, [this] { Orvane1->BmpToClipboard(); });
}

void TForm1::build_view_menu() {
  QMenu* view = menuBar()->addMenu("View");
  TopView1 = view->addAction("Top View");
  FrontView1 = view->addAction("Front View");
  SideView1 = view->addAction("Side View");
  ISOView1 = view->addAction("ISO View");
  BackgroundColor1 = view->addAction("Background Color...");
  QMenu* zoom = view->addMenu("Zoom");
  ZoomAll1 = zoom->addAction("Zoom All");
  ZoomHalf1 = zoom->addAction("Zoom Half");
  ZoomDouble1 = zoom->addAction("Zoom Double");
  ZoomWindow1 = zoom->addAction("Zoom Window");
  Redraw1 = view->addAction("Redraw");
  Axis1 = view->addAction("Axis");
  Axis1->setCheckable(true);

  on(TopView1, [this] { Orvane1->SetView(vTOP); });
  on(FrontView1, [this] { Orvane1->SetView(vFRONT); });
  on(SideView1, [this] { Orvane1->SetView(vSIDE); });
  on(ISOView1, [this] { Orvane1->SetView(vISO); });
  on(BackgroundColor1,
     [this] { choose_color(&TOrvane::GetBackgroundColor, &TOrvane::SetBackgroundColor); });
  on(ZoomAll1, [this] { Orvane1->ZoomAll(); });
  on(ZoomHalf1, [this] { Orvane1->ZoomHalf(); });
  on(ZoomDouble1, [this] { Orvane1->ZoomDouble(); });
  on(ZoomWindow1, [this] {
    setCursor(Qt::PointingHandCursor);
    zoom_armed_ = true;
  });
  on(Redraw1, [this] { Orvane1->Redraw(); });
  on(Axis1, [this] { toggle_axis(); });
}

void TForm1::build_draw_menu() {
  QMenu* draw = menuBar()->addMenu("Draw");
  Point1 = draw->addAction("Point...");
  Line1 = draw->addAction("Line...");
  Arc1 = draw->addAction("Arc...");
  CurrentColor1 = draw->addAction("Current Color...");

  on(Point1, [this] { ui_.run_modal(*Form2); });
  on(Line1, [this] { ui_.run_modal(*Form3); });
  on(Arc1, [this] { ui_.run_modal(*Form4); });
  on(CurrentColor1, [this] { choose_color(&TOrvane::GetCurrentColor, &TOrvane::SetCurrentColor); });
}

void TForm1::LoadCad(const QString& file_name) {
  Orvane1->SetCadType(cad_type_for(file_name));
  // A load that fails keeps the drawing on screen; the user is told why.
  if (!Orvane1->LoadFromFile(file_name.toStdString())) {
    ui_.show_error(this, QString::fromStdString(Orvane1->LastFileError()));
    return;
  }
  Orvane1->ZoomAll();
  show_load_report();
}

// What the load made and left out, in the label under the drawing (until the mouse moves over
// it); the whole text as the label's tool tip.
void TForm1::show_load_report() {
  const QString report = QString::fromStdString(Orvane1->LoadReportText());
  Label1->setToolTip(report);
  Label1->setText(Label1->fontMetrics().elidedText(report, Qt::ElideRight, Label1->width()));
}

void TForm1::save_cad() {
  const QString name = ui_.save_file(this, {"Save As", kCadFilter, 1, kCadExt});
  if (name.isEmpty()) return;
  Orvane1->SetCadType(cad_type_for_saving(name));
  if (!Orvane1->SaveToFile(name.toStdString()))
    ui_.show_error(this, QString::fromStdString(Orvane1->LastFileError()));
}

void TForm1::save_image(int filter_index, const QString& default_ext,
                        void (TOrvane::*save)(const std::string&)) {
  const QString name = ui_.save_file(this, {"Save As", kImageFilter, filter_index, default_ext});
  if (!name.isEmpty()) (Orvane1->*save)(name.toStdString());
}

// Without a printer the print becomes a PDF file; the user is told which.
void TForm1::print(void (TOrvane::*print)()) {
  const std::string before = last_pdf_print_file();
  (Orvane1->*print)();
  const std::string after = last_pdf_print_file();
  if (after != before)
    ui_.show_message(this, QStringLiteral("There is no printer: the print is in %1")
                               .arg(QString::fromStdString(after)));
}

void TForm1::choose_color(TColor (TOrvane::*get)() const, void (TOrvane::*set)(TColor)) {
  if (const auto chosen = ui_.choose_color(this, (Orvane1->*get)())) (Orvane1->*set)(*chosen);
}

// The item's check mark has already changed when the handler runs.
void TForm1::toggle_axis() {
  const bool shown = Axis1->isChecked();
  Orvane1->SetShowAxis(shown);
  if (shown) {
    Orvane1->DrawAxis();
  } else {
    Orvane1->Redraw();
  }
}

}  // namespace orvane::demo
