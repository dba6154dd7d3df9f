// Widgets with drawings of their own: each shows and edits only its own elements, views and
// options, the shared drawing is untouched by them and they by it, destroying one frees only its
// elements (also while another widget paints), and calls that nest through events and signals
// each see the drawing of the widget they are made on.
#include <QMetaProperty>
#include <QTemporaryDir>

#include "component/drawing_scope.h"
#include "core/spatial_index.h"
#include "fileio/curve_tessellation.h"
#include "fileio/load_report.h"
#include "platform/element_memory.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

class OwnDrawing : public OrvaneTest {
 protected:
  void TearDown() override {
    spatial_index::set_min_elements(4096);
    spatial_index::set_build_at_once(false);
    OrvaneTest::TearDown();
  }

  // As the fixture's widget, with a drawing of its own: model (x, y) of the top window lies at
  // pixel (100 + 5x, 50 - 5y).
  static std::unique_ptr<TOrvane> own_widget() {
    auto w = std::make_unique<TOrvane>();
    w->SetOwnDrawing(true);
    w->resize(200, 100);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QApplication::processEvents();
    w->SetViewSize(20);
    return w;
  }

  static QRgb at(TOrvane& w, int x, int y) { return w.backing_image().pixel(x, y) & 0xFFFFFF; }

  // A horizontal line through the centre row, and a vertical one through the centre column.
  static void across(TOrvane& w) { w.MakeLine(-10, 0, 0, 10, 0, 0); }
  static void upright(TOrvane& w) { w.MakeLine(0, -8, 0, 0, 8, 0); }
  // Which of the two lines the widget's picture shows.
  static void expect_shows(TOrvane& w, bool across_line, bool upright_line) {
    w.Repaint();
    EXPECT_EQ(at(w, 140, 50), across_line ? kLime : kBlack);
    EXPECT_EQ(at(w, 100, 20), upright_line ? kLime : kBlack);
  }
};

TEST_F(OwnDrawing, TwoWidgetsShowTwoDrawingsAndTheSharedOneStaysEmpty) {
  auto a = own_widget();
  auto b = own_widget();
  across(*a);
  upright(*b);
  EXPECT_EQ(b->MakePoint(30, 1, 0), 3);

  EXPECT_EQ(a->GetLastElement(), 2);
  EXPECT_EQ(b->GetLastElement(), 3);
  EXPECT_EQ(widget->GetLastElement(), 1);
  EXPECT_EQ(a->GetElement(2).values[0], -10);
  EXPECT_EQ(b->GetElement(2).values[1], -8);
  EXPECT_EQ(b->GetElement(3).element_type, kPoint);
  EXPECT_EQ(a->GetElement(3).element_type, 0);
  expect_shows(*a, true, false);
  expect_shows(*b, false, true);
  expect_shows(*widget, false, false);
  // Outside every call the core holds the shared drawing.
  EXPECT_EQ(last_element_number, 1);
  EXPECT_EQ(DrawingScope::current(), nullptr);
}

// With the index serving every repaint, one drawing's grid never answers for another.
TEST_F(OwnDrawing, IndexedRepaintsOfTwoDrawingsKeepApart) {
  spatial_index::set_min_elements(0);
  spatial_index::set_build_at_once(true);
  auto a = own_widget();
  auto b = own_widget();
  across(*a);
  upright(*b);
  across(*widget);
  upright(*widget);
  for (int round = 0; round < 2; ++round) {
    expect_shows(*a, true, false);
    expect_shows(*b, false, true);
    expect_shows(*widget, true, true);
  }
}

TEST_F(OwnDrawing, ViewsZoomAndOptionsAreTheWidgetsOwn) {
  chord_tolerance = kDefaultChordTolerance;
  auto a = own_widget();
  a->SetCurrentColor(clRed);
  a->SetCurrentLayer(5);
  a->SetUnits(uMM);
  a->SetVisibleLayer(9, false);
  a->SetChordTolerance(0.5);
  a->SetPickFilter(fArcs);
  across(*a);
  a->SetLineType(2);
  across(*widget);
  a->Repaint();
  EXPECT_EQ(at(*a, 140, 50), kRed);
  expect_shows(*widget, true, false);
  EXPECT_EQ(widget->GetCurrentColor(), 0x00FF00u);
  EXPECT_EQ(widget->GetLineType(), 0);
  EXPECT_EQ(a->GetLineType(), 2);
  EXPECT_EQ(widget->GetCurrentLayer(), 1);
  EXPECT_EQ(widget->GetUnits(), uINCH);
  EXPECT_TRUE(widget->GetVisibleLayer(9));
  EXPECT_EQ(widget->GetChordTolerance(), kDefaultChordTolerance);
  EXPECT_EQ(a->GetChordTolerance(), 0.5);
  EXPECT_EQ(widget->GetPickFilter(), fAll);
  EXPECT_EQ(a->GetElement(2).layer, 5);

  a->ZoomDouble();
  a->SetView(vFRONT);
  EXPECT_EQ(a->GetView(), vFRONT);
  EXPECT_EQ(widget->GetView(), vTOP);
  EXPECT_EQ(widget->GetViewSize(), 20);
  widget->ZoomHalf();
  EXPECT_EQ(widget->GetViewSize(), 40);
  a->SetView(vTOP);
  EXPECT_EQ(a->GetViewSize(), 10);

  // Keys and resizes reach the own drawing's view only.
  QTest::keyClick(a.get(), Qt::Key_Minus);
  QTest::keyClick(a.get(), Qt::Key_Right);
  EXPECT_EQ(a->GetViewSize(), 20);
  EXPECT_NE(a->GetCenterX(), 0);
  a->resize(400, 200);
  QApplication::processEvents();
  EXPECT_EQ(widget->GetCenterX(), 0);
  EXPECT_EQ(widget->GetViewSize(), 40);
  EXPECT_DOUBLE_EQ(xscale[1], 100.0 / 40);  // the shared top window: 100 pixels high
  EXPECT_EQ(current_plot_window, 1);
}

TEST_F(OwnDrawing, LoadsAndDeletesStayInTheirDrawing) {
  load_report.clear();
  QTemporaryDir dir;
  const std::string file = dir.filePath("two.cdl").toStdString();
  {
    auto writer = own_widget();
    across(*writer);
    upright(*writer);
    writer->SetCadType(1);
    ASSERT_TRUE(writer->SaveToFile(file));
    EXPECT_EQ(writer->FileName(), file);
  }
  widget->MakePoint(3, 4, 0);
  EXPECT_EQ(widget->FileName(), "");

  auto a = own_widget();
  a->SetCadType(1);
  ASSERT_TRUE(a->LoadFromFile(file));
  EXPECT_EQ(a->FileName(), file);
  EXPECT_EQ(a->GetLoadReport().lines, 2);
  EXPECT_EQ(widget->GetLoadReport().made(), 0);
  EXPECT_EQ(widget->FileName(), "");
  EXPECT_EQ(widget->GetLastElement(), 2);
  EXPECT_EQ(widget->GetElement(2).element_type, kPoint);

  a->AddToGroup(0);
  a->DeleteGroup();
  for (int n = 2; n <= a->GetLastElement(); ++n)
    EXPECT_TRUE(a->GetIsDeleted(n)) << n;
  EXPECT_FALSE(widget->GetIsDeleted(2));

  // The shared drawing loads and clears; the own one keeps its deleted lines and its fit.
  const double size = a->GetViewSize();
  widget->SetCadType(1);
  ASSERT_TRUE(widget->LoadFromFile(file));
  widget->Repaint();
  EXPECT_EQ(widget->GetLoadReport().lines, 2);
  widget->ClearElements();
  EXPECT_EQ(a->GetLastElement(), 3);
  EXPECT_TRUE(a->GetIsDeleted(3));
  EXPECT_EQ(a->GetViewSize(), size);
  EXPECT_EQ(a->GetLoadReport().lines, 2);
}

TEST_F(OwnDrawing, DestroyingOneFreesOnlyItsOwnElements) {
  across(*widget);
  auto a = own_widget();
  auto b = own_widget();
  across(*a);
  a->MakePoint(1, 1, 0);
  upright(*b);
  const std::size_t blocks = element_memory::live_blocks();

  a.reset();
  EXPECT_EQ(element_memory::live_blocks(), blocks - 4);  // its entries 0 and 1 and two elements
  EXPECT_EQ(widget->GetLastElement(), 2);
  EXPECT_EQ(widget->GetElement(2).values[0], -10);
  expect_shows(*widget, true, false);
  expect_shows(*b, false, true);

  // A shared widget's end still empties the shared drawing, and only that one.
  make_widget().reset();
  EXPECT_EQ(widget->GetLastElement(), 0);
  EXPECT_EQ(b->GetLastElement(), 2);
  expect_shows(*b, false, true);
  EXPECT_EQ(DrawingScope::current(), nullptr);
}

TEST_F(OwnDrawing, DestroyedWhileAnotherPaints) {
  across(*widget);
  auto a = own_widget();
  auto b = own_widget();
  auto c = own_widget();
  a->MakePoint(1, 1, 0);
  upright(*b);
  c->MakePoint(2, 2, 0);

  // From the paint handler of another own drawing.
  b->OnPaint = [&](TOrvane*) { a.reset(); };
  b->Repaint();
  EXPECT_EQ(a, nullptr);
  b->OnPaint = nullptr;
  expect_shows(*b, false, true);
  EXPECT_EQ(b->GetLastElement(), 2);

  // From the painted signal of the shared widget, itself painted from b's paint handler.
  QObject::connect(widget.get(), &TOrvane::painted, b.get(), [&] { c.reset(); });
  b->OnPaint = [&](TOrvane*) { widget->Repaint(); };
  b->Repaint();
  EXPECT_EQ(c, nullptr);
  EXPECT_EQ(at(*b, 100, 20), kLime);
  EXPECT_EQ(b->GetElement(2).values[1], -8);
  EXPECT_EQ(widget->GetLastElement(), 2);
  EXPECT_EQ(widget->GetElement(2).values[0], -10);
  EXPECT_EQ(at(*widget, 140, 50), kLime);
  EXPECT_EQ(DrawingScope::current(), nullptr);
  EXPECT_EQ(last_element_number, 2);
}

TEST_F(OwnDrawing, NestedCallsSeeTheDrawingOfTheirWidget) {
  across(*widget);
  upright(*widget);
  auto a = own_widget();
  auto b = own_widget();
  a->MakePoint(1, 1, 0);
  for (int i = 0; i < 4; ++i)
    b->MakePoint(i, 0, 0);

  int shared_last = -1, made = -1, a_last = -1, core_last_in_a = -1;
  double shared_size = -1;
  int b_last = -1, core_last_in_shared = -1;
  // A zoom of the shared widget, called from a's signal, calls b from the shared one's.
  QObject::connect(widget.get(), &TOrvane::zoomed, b.get(), [&] {
    b_last = b->GetLastElement();
    core_last_in_shared = last_element_number;
  });
  QObject::connect(a.get(), &TOrvane::zoomed, [&] {
    shared_last = widget->GetLastElement();
    shared_size = widget->GetViewSize();
    made = widget->MakePoint(5, 5, 0);
    widget->ZoomHalf();
    a_last = a->GetLastElement();
    core_last_in_a = last_element_number;
  });
  a->ZoomDouble();

  EXPECT_EQ(shared_last, 3);
  EXPECT_EQ(shared_size, 20);
  EXPECT_EQ(made, 4);
  EXPECT_EQ(b_last, 5);
  EXPECT_EQ(core_last_in_shared, 4);
  EXPECT_EQ(a_last, 2);
  EXPECT_EQ(core_last_in_a, 2);  // back in a's drawing after the nested calls
  EXPECT_EQ(a->GetViewSize(), 10);
  EXPECT_EQ(widget->GetViewSize(), 40);
  EXPECT_EQ(widget->GetLastElement(), 4);
  EXPECT_EQ(a->GetLastElement(), 2);
  EXPECT_EQ(DrawingScope::current(), nullptr);
}

TEST_F(OwnDrawing, SwitchedOnAndOffAsAProperty) {
  const QMetaProperty p =
      widget->metaObject()->property(widget->metaObject()->indexOfProperty("OwnDrawing"));
  ASSERT_TRUE(p.isValid());
  EXPECT_TRUE(p.isDesignable());
  EXPECT_FALSE(widget->property("OwnDrawing").toBool());

  across(*widget);
  const std::size_t blocks = element_memory::live_blocks();
  ASSERT_TRUE(widget->setProperty("OwnDrawing", true));
  EXPECT_TRUE(widget->OwnDrawing());
  EXPECT_EQ(widget->GetLastElement(), 1);  // a new empty drawing
  upright(*widget);
  EXPECT_EQ(last_element_number, 2);  // the shared drawing, outside the call
  EXPECT_EQ(element_memory::live_blocks(), blocks + 3);

  widget->setProperty("OwnDrawing", false);
  EXPECT_FALSE(widget->OwnDrawing());
  EXPECT_EQ(element_memory::live_blocks(), blocks);
  EXPECT_EQ(widget->GetLastElement(), 2);
  EXPECT_EQ(widget->GetElement(2).values[0], -10);
  expect_shows(*widget, true, false);
}

}  // namespace
