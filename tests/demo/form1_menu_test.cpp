// The main window's menus: their captions, and the file, view and colour items driven as a user
// would, the dialogs answered by FakeUi.
#include <QFile>
#include <QImageReader>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "demo/file_filters.h"
#include "tests/demo/form1_fixture.h"

using namespace orvane;
using namespace orvane::demo;

namespace {

QStringList captions(const QList<QAction*>& actions) {
  QStringList result;
  for (const QAction* a : actions)
    result << a->text();
  return result;
}

QMenu* submenu(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions())
    if (a->text() == caption) return a->menu();
  return nullptr;
}

}  // namespace

TEST_F(Form1Test, MenusCarryTheirCaptionsInOrder) {
  const QList<QAction*> top = form->menuBar()->actions();
  ASSERT_EQ(captions(top), QStringList({"File", "View", "Draw"}));
  QMenu* file = top[0]->menu();
  EXPECT_EQ(captions(file->actions()),
            QStringList({"Load CAD", "Save CAD", "Save BMP", "Save GIF", "Save JPEG", "PrintCAD",
                         "PrintBitmap", "Send to Clipboard"}));
  ASSERT_NE(submenu(file, "Send to Clipboard"), nullptr);
  EXPECT_EQ(captions(submenu(file, "Send to Clipboard")->actions()),
            QStringList({"Metafile", "Bitmap"}));
  QMenu* view = top[1]->menu();
  EXPECT_EQ(captions(view->actions()),
            QStringList({"Top View", "Front View", "Side View", "ISO View", "Background Color...",
                         "Zoom", "Redraw", "Axis"}));
  ASSERT_NE(submenu(view, "Zoom"), nullptr);
  EXPECT_EQ(captions(submenu(view, "Zoom")->actions()),
            QStringList({"Zoom All", "Zoom Half", "Zoom Double", "Zoom Window"}));
  EXPECT_TRUE(form->Axis1->isCheckable());
  EXPECT_EQ(captions(top[2]->menu()->actions()),
            QStringList({"Point...", "Line...", "Arc...", "Current Color..."}));
  EXPECT_EQ(form->windowTitle(), "Orvane Demo");
  EXPECT_EQ(form->size(), QSize(682, 405));
}

TEST_F(Form1Test, LoadCadPicksTheTypeFromTheExtensionAndCountsAfterUpdate) {
  ui.files = {sample("bracket.dxf")};
  form->LoadCAD1->trigger();
  ASSERT_EQ(ui.requests.size(), 1u);
  EXPECT_EQ(ui.requests[0].title, "Open");
  EXPECT_EQ(ui.requests[0].filter, kCadFilter);
  EXPECT_EQ(ui.requests[0].filter_index, 1);
  EXPECT_EQ(ui.requests[0].default_ext, "cdl");
  EXPECT_EQ(orvane1->GetCadType(), 2);
  EXPECT_GT(orvane1->GetLastElement(), 10);
  EXPECT_EQ(form->Label20->text(), "0");  // counted only on "Update"
  click(form->Button6);
  EXPECT_EQ(form->Label20->text(), QString::number(orvane1->GetLastElement()));
  EXPECT_TRUE(ui.errors.empty());
  // The zoom to the drawing shows in the view fields.
  EXPECT_DOUBLE_EQ(form->Edit1->text().toDouble(),
                   QString::asprintf("%.3f", orvane1->GetViewSize()).toDouble());
}

TEST_F(Form1Test, CadTypeFollowsTheExtensionInAnyCase) {
  EXPECT_EQ(cad_type_for("x.dxf"), 2);
  EXPECT_EQ(cad_type_for("/a.b/X.IGS"), 3);
  EXPECT_EQ(cad_type_for("x.Cdl"), 1);
  EXPECT_EQ(cad_type_for("/a/bearing.iges"), 3);
  EXPECT_EQ(cad_type_for("HAMMER.IGES"), 3);
  EXPECT_EQ(cad_type_for("plate.TvG"), 4);
  for (const char* other : {"x.txt", "x", "dxf", "x.dxf.bak", "x.iges.bak", "iges"})
    EXPECT_EQ(cad_type_for(other), 1) << other;
  // No TVG writer: a drawing saved under a .tvg name is written as CDL, as before.
  EXPECT_EQ(cad_type_for_saving("x.tvg"), 1);
  EXPECT_EQ(cad_type_for_saving("x.Iges"), 3);
}

// The bracket (121 elements once its tilted arcs are chords) and the plate (12) under names in
// capitals with the longer IGES extension.
TEST_F(Form1Test, LoadCadReadsIgesAndTvgNamesInAnyCase) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString iges = dir.filePath("BRACKET.IGES"), tvg = dir.filePath("Plate.TVG");
  ASSERT_TRUE(QFile::copy(sample("bracket.igs"), iges));
  ASSERT_TRUE(QFile::copy(sample("plate.tvg"), tvg));
  form->LoadCad(iges);
  EXPECT_EQ(orvane1->GetCadType(), 3);
  EXPECT_EQ(count(kPoint) + count(kLine) + count(kArc), 121);
  form->LoadCad(tvg);
  EXPECT_EQ(orvane1->GetCadType(), 4);
  EXPECT_EQ(count(kLine) + count(kArc), 12);
}

TEST_F(Form1Test, CancelledDialogsDoNothing) {
  orvane1->MakePoint(1, 2, 3);
  form->LoadCAD1->trigger();
  form->SaveCAD1->trigger();
  form->SaveBMP1->trigger();
  EXPECT_EQ(ui.requests.size(), 3u);
  EXPECT_EQ(count(kPoint), 1);
  ui.color = std::nullopt;
  const TColor before = orvane1->GetBackgroundColor();
  form->BackgroundColor1->trigger();
  EXPECT_EQ(orvane1->GetBackgroundColor(), before);
}

TEST_F(Form1Test, SaveCadWritesTheFormatOfTheExtensionAndReadsBack) {
  orvane1->MakeLine(0, 0, 0, 10, 5, 0);
  orvane1->MakeArc(1, 2, 2, 0, 3, 0, 90);
  QTemporaryDir dir;
  const QString name = dir.filePath("out.igs");
  ui.files = {name};
  form->SaveCAD1->trigger();
  EXPECT_EQ(ui.requests.back().title, "Save As");
  EXPECT_EQ(orvane1->GetCadType(), 3);
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readLine().trimmed().size(), 80);  // IGES: 80 columns
  ui.files = {name};
  form->LoadCAD1->trigger();
  EXPECT_EQ(count(kLine), 1);
  EXPECT_EQ(count(kArc), 1);
}

TEST_F(Form1Test, ImageItemsAskWithTheirFilterIndexAndWriteTheImage) {
  QTemporaryDir dir;
  ui.files = {dir.filePath("a.bmp"), dir.filePath("a.gif"), dir.filePath("a.jpg")};
  form->SaveBMP1->trigger();
  form->SaveGIF1->trigger();
  form->SaveJPEG1->trigger();
  ASSERT_EQ(ui.requests.size(), 3u);
  const std::pair<int, QString> expected[] = {{1, "bmp"}, {2, "gif"}, {3, "jpg"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ui.requests[i].filter, kImageFilter);
    EXPECT_EQ(ui.requests[i].filter_index, expected[i].first);
    EXPECT_EQ(ui.requests[i].default_ext, expected[i].second);
    QImageReader reader(dir.filePath("a." + expected[i].second));
    EXPECT_EQ(reader.format(), expected[i].second == "jpg" ? "jpeg" : expected[i].second);
    EXPECT_EQ(reader.size(), orvane1->size());
  }
}

TEST_F(Form1Test, AFailedSaveIsShownAndDoesNotEndTheProgram) {
  ui.files = {"/nonexistent-folder/a.bmp"};
  form->SaveBMP1->trigger();
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_TRUE(ui.errors[0].contains("/nonexistent-folder/a.bmp")) << ui.errors[0].toStdString();
}

TEST_F(Form1Test, FiltersKeepTheirTextsAndGiveQtTheirPatterns) {
  EXPECT_EQ(qt_name_filters(kCadFilter),
            QStringList({"CDL Files (*.cdl)", "DXF Files (*.dxf)", "IGES Files (*.igs)",
                         "IGES Files (*.iges)", "TVG Files (*.tvg)", "ALL Files (*.*)"}));
  EXPECT_EQ(qt_name_filters(kImageFilter),
            QStringList({"BMP Files (*.bmp)", "GIF Files (*.gif)", "JPEG Files {*.jpg) (*.jpg)",
                         "ALL Files (*.*)"}));
  EXPECT_EQ(qt_name_filters("Pictures|*.png;*.jpeg|Lonely"),
            QStringList({"Pictures (*.png *.jpeg)"}));
}

TEST_F(Form1Test, ViewItemsSwitchTheViewAndZoom) {
  form->FrontView1->trigger();
  EXPECT_EQ(orvane1->GetView(), vFRONT);
  form->ISOView1->trigger();
  EXPECT_EQ(orvane1->GetView(), vISO);
  form->TopView1->trigger();
  EXPECT_EQ(orvane1->GetView(), vTOP);
  orvane1->SetViewSize(20);
  form->ZoomHalf1->trigger();
  EXPECT_DOUBLE_EQ(orvane1->GetViewSize(), 40);
  EXPECT_EQ(form->Edit1->text(), "  40.000");
  form->ZoomDouble1->trigger();
  EXPECT_DOUBLE_EQ(orvane1->GetViewSize(), 20);
  EXPECT_EQ(form->Edit1->text(), "  20.000");
}

TEST_F(Form1Test, ColourItemsSetTheColourChosen) {
  ui.color = 0x123456;
  form->BackgroundColor1->trigger();
  EXPECT_EQ(orvane1->GetBackgroundColor(), 0x123456u);
  ui.color = 0x0000FF;
  form->CurrentColor1->trigger();
  EXPECT_EQ(ui.color_asked_with, 0x00FF00u);  // lime, the demo's start colour
  EXPECT_EQ(orvane1->GetCurrentColor(), 0x0000FFu);
}

TEST_F(Form1Test, AxisItemShowsAndHidesTheAxis) {
  form->Axis1->trigger();
  EXPECT_TRUE(form->Axis1->isChecked());
  EXPECT_TRUE(orvane1->GetShowAxis());
  form->Axis1->trigger();
  EXPECT_FALSE(form->Axis1->isChecked());
  EXPECT_FALSE(orvane1->GetShowAxis());
}

// Without a printer (as on the test machines) the print goes to the PDF file the environment
// names, and the user is told where it went.
TEST_F(Form1Test, PrintWithoutAPrinterSaysWhereThePdfWent) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  QTemporaryDir dir;
  const QString pdf = dir.filePath("print.pdf");
  qputenv("ORVANE_PRINT_PDF", pdf.toUtf8());
  orvane1->MakeLine(0, 0, 0, 10, 10, 0);
  form->PrintCAD1->trigger();
  qunsetenv("ORVANE_PRINT_PDF");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].contains(pdf)) << ui.messages[0].toStdString();
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5) == "%PDF-");
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Form1Test, LoadCadShowsWhatTheLoadMadeUnderTheDrawing) {
  ui.files = {sample("bracket.dxf")};
  form->LoadCAD1->trigger();
  int counts[4] = {0, 0, 0, 0};
  for (int n = 1; n <= orvane1->GetLastElement(); ++n) {
    const TElement e = orvane1->GetElement(n);
    if (!e.deleted && e.element_type >= kPoint && e.element_type <= kArc) ++counts[e.element_type];
  }
  QStringList parts;
  if (counts[kLine] > 0) parts << QString("%1 lines").arg(counts[kLine]);
  if (counts[kArc] > 0) parts << QString("%1 arcs").arg(counts[kArc]);
  if (counts[kPoint] > 0) parts << QString("%1 points").arg(counts[kPoint]);
  ASSERT_GE(parts.size(), 2);
  EXPECT_EQ(form->Label1->toolTip(), parts.join(", "));
  EXPECT_TRUE(form->Label1->text().startsWith(parts[0])) << form->Label1->text().toStdString();
}

// File commands that fail are shown in a message box naming the file, and a failed load keeps
// the drawing on screen.
TEST_F(Form1Test, EveryFailedFileCommandIsShownAndALoadKeepsTheDrawing) {
  orvane1->MakeLine(0, 0, 0, 10, 5, 0);
  QTemporaryDir dir;
  const QString missing_folder = dir.filePath("no-such-folder/out.cdl");
  ui.files = {missing_folder};
  form->SaveCAD1->trigger();
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0],
            "Cannot save the drawing to \"" + missing_folder + "\": No such file or directory.");

  const QString missing = dir.filePath("missing.dxf");
  const QString junk = dir.filePath("junk.igs");
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, '\x01'));
  }
  const int last = orvane1->GetLastElement();
  ui.files = {missing, junk, dir.path()};
  form->LoadCAD1->trigger();
  form->LoadCAD1->trigger();
  form->LoadCAD1->trigger();
  ASSERT_EQ(ui.errors.size(), 4u);
  EXPECT_EQ(ui.errors[1], "Cannot open \"" + missing +
                              "\": the file does not exist. The drawing was not changed.");
  EXPECT_EQ(ui.errors[2],
            "\"" + junk + "\" is not an IGES drawing file. The drawing was not changed.");
  EXPECT_TRUE(ui.errors[3].startsWith("Cannot open \"" + dir.path() + "\""))
      << ui.errors[3].toStdString();
  EXPECT_EQ(orvane1->GetLastElement(), last);
  EXPECT_EQ(count(kLine), 1);
}
