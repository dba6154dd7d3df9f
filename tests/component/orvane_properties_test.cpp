// The published settings, layers, arc views and pixel conversions of the widget.
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

using OrvaneProperties = OrvaneTest;

TEST_F(OrvaneProperties, SettingsReadBackAsTheirDrawingWideValues) {
  EXPECT_EQ(widget->GetCurrentColor(), 0x00FF00u);
  widget->SetCurrentColor(0x123456);
  EXPECT_EQ(current_color, 0x123456u);
  widget->SetLineType(3);
  EXPECT_EQ(current_line_type, 3);
  widget->SetCurrentLayer(300);  // not range-checked here; new elements clamp it
  EXPECT_EQ(widget->GetCurrentLayer(), 300);
  widget->SetUnits(uMM);
  EXPECT_TRUE(metric_machine);
  EXPECT_EQ(widget->GetUnits(), uMM);
  widget->SetMousePan(false);
  EXPECT_FALSE(mouse_pan);
  widget->SetShowAxis(true);
  EXPECT_TRUE(draw_axis_flag);
}

TEST_F(OrvaneProperties, CadTypeOutsideOneToFourReadsAsOne) {
  widget->SetCadType(3);
  EXPECT_EQ(widget->GetCadType(), 3);
  widget->SetCadType(0);
  EXPECT_EQ(widget->GetCadType(), 1);
  widget->SetCadType(5);
  EXPECT_EQ(widget->GetCadType(), 1);
}

TEST_F(OrvaneProperties, VersionStaysOnePointOneWhateverIsWritten) {
  widget->SetVersion("9.9");
  EXPECT_EQ(widget->GetVersion(), "1.1");
  widget->setProperty("Version", QStringLiteral("2.0"));
  EXPECT_EQ(widget->property("Version").toString(), QStringLiteral("1.1"));
}

TEST_F(OrvaneProperties, PickFilterMapsToItsCodesAndUnknownCodesReadAsAll) {
  widget->SetPickFilter(fLineArc);
  EXPECT_EQ(pick_filter, 8);
  widget->SetPickFilter(fPointLine);
  EXPECT_EQ(pick_filter, 10);
  EXPECT_EQ(widget->GetPickFilter(), fPointLine);
  pick_filter = 5;
  EXPECT_EQ(widget->GetPickFilter(), fAll);
}

TEST_F(OrvaneProperties, QtPropertiesReachTheSameValues) {
  EXPECT_TRUE(widget->setProperty("CadType", 2));
  EXPECT_EQ(cad_type, 2);
  EXPECT_TRUE(widget->setProperty("View", QVariant::fromValue(vSIDE)));
  EXPECT_EQ(current_plot_window, 3);
  EXPECT_EQ(widget->property("View").value<TDView>(), vSIDE);
  EXPECT_TRUE(widget->setProperty("DrawColor", QColor(0, 0, 255)));
  EXPECT_EQ(current_color, 0xFF0000u);
}

TEST_F(OrvaneProperties, BackgroundColourRepaintsTheWidget) {
  widget->SetBackgroundColor(0xFF0000);  // blue in 0x00BBGGRR
  EXPECT_EQ(plot_background, 0xFF0000u);
  EXPECT_EQ(pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(pixel(199, 99), 0x0000FFu);
}

TEST_F(OrvaneProperties, DrawModeLastsUntilTheNextRedraw) {
  widget->SetDrawMode(pmXor);
  EXPECT_EQ(widget->GetDrawMode(), pmXor);
  widget->SetDrawMode(static_cast<TPenMode>(16));  // no such mode: ignored
  EXPECT_EQ(widget->GetDrawMode(), pmXor);
  widget->Redraw();
  EXPECT_EQ(widget->GetDrawMode(), pmCopy);
}

TEST_F(OrvaneProperties, LayerVisibilityOutsideZeroTo254IsIgnored) {
  widget->SetVisibleLayer(7, false);
  EXPECT_FALSE(visible_layer[7]);
  EXPECT_FALSE(widget->GetVisibleLayer(7));
  EXPECT_TRUE(widget->GetVisibleLayer(254));
  EXPECT_FALSE(widget->GetVisibleLayer(255));
  EXPECT_FALSE(widget->GetVisibleLayer(-1));
  widget->SetVisibleLayer(255, false);  // must not write past the table
  widget->SetVisibleLayer(-1, false);
}

TEST_F(OrvaneProperties, ArcViewsStoreRowByRowAndReadBackTheRecord) {
  TDView3D v;
  v.reserved[0] = 77;  // not read
  v.ax = 1, v.ay = 2, v.az = 3, v.bx = 4, v.by = 5, v.bz = 6, v.cx = 7, v.cy = 8, v.cz = 9;
  widget->SetArcView(5, v);
  // Entry positions 1..9 are ax, bx, cx, ay, by, cy, az, bz, cz.
  EXPECT_EQ(arc_view[5].bx, 4);
  EXPECT_EQ(arc_view[5].cx, 7);
  EXPECT_EQ(arc_view[5].ay, 2);
  EXPECT_TRUE(arc_view[5].defined);
  const TDView3D back = widget->GetArcView(5);
  EXPECT_EQ(back.reserved[0], 5);
  EXPECT_EQ(back.ay, 2);
  EXPECT_EQ(back.bz, 6);
  EXPECT_EQ(back.cz, 9);

  TDView3D untouched;
  untouched.ax = 42;
  widget->GetArcView(91, untouched);
  widget->GetArcView(0, untouched);
  EXPECT_EQ(untouched.ax, 42);
  EXPECT_EQ(untouched.reserved[0], 0);
  widget->SetArcView(91, v);  // ignored, no write past the table
}

TEST_F(OrvaneProperties, PixelConversionsUseTheCurrentWindow) {
  EXPECT_EQ(widget->CoordToPixel(10, 4, 0).x, 150);
  EXPECT_EQ(widget->CoordToPixel(10, 4, 0).y, 30);
  EXPECT_EQ(widget->CoordToPixel(10, 4, -500).x, 150);
  EXPECT_EQ(widget->CoordToPixel(10, 4, 1e6).y, 30);
  const TDPoint p = widget->PixelToCoord(150, 30);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 4);
  EXPECT_DOUBLE_EQ(p.z, 0);
}

}  // namespace
