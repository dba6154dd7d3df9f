// Loading, merging and saving through the widget: the drawing round-trips, loading fits every
// window and keeps the current one, merging leaves the zoom alone.
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "fileio/curve_tessellation.h"
#include "fileio/load_report.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

class OrvaneFiles : public OrvaneTest {
 protected:
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
};

std::string text_of(const std::string& file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A line from (-10, -5, 0) to (10, 5, 0) in a 200 x 100 widget: each window fits its larger
// span to 90 pixels, a height of span * 50 / 90. The top window spans 20 (x), the front 20 (x),
// the side 10 (y); the isometric one spans 2 * (10 * 0.939693 + 5 * 0.342020) across.
TEST_F(OrvaneFiles, LoadFitsEveryWindowToTheDrawingAndKeepsTheCurrentOne) {
  widget->MakeLine(-10, -5, 0, 10, 5, 0);
  widget->SetCadType(1);
  widget->SaveToFile(path("a.cdl"));
  widget->ClearElements();
  widget->SetView(vFRONT);
  int zooms = 0;
  widget->OnZoom = [&](TOrvane*, double, double, double) { ++zooms; };

  widget->LoadFromFile(path("a.cdl"));
  EXPECT_EQ(current_plot_window, 2);
  const double spans[] = {20, 20, 10, 2 * (10 * 0.9396926 + 5 * 0.3420201)};
  for (int w = 1; w <= 4; ++w)
    EXPECT_NEAR(view_height[w], spans[w - 1] * 50 / 90, 1e-6) << "window " << w;
  EXPECT_EQ(zooms, 0);
  int lines = 0;
  for (int n = 1; n <= widget->GetLastElement(); ++n) {
    const TElement e = widget->GetElement(n);
    if (e.element_type != kLine) continue;
    ++lines;
    EXPECT_EQ(e.values[3], 10);
  }
  EXPECT_EQ(lines, 1);
}

TEST_F(OrvaneFiles, MergeAddsTheFileAndLeavesTheZoom) {
  widget->MakePoint(1, 2, 0);
  widget->SaveToFile(path("p.cdl"));
  widget->SetViewSize(30);
  const int before = widget->GetLastElement();
  widget->MergeFile(path("p.cdl"));
  EXPECT_GT(widget->GetLastElement(), before);
  EXPECT_EQ(widget->GetViewSize(), 30);
  EXPECT_FALSE(merge_cad);
}

TEST_F(OrvaneFiles, SaveWritesTheFormatCadTypeNames) {
  widget->MakeLine(0, 0, 0, 1, 1, 0);
  widget->SetCadType(2);
  widget->SaveToFile(path("d.cdl"));  // the name's extension plays no part
  EXPECT_NE(text_of(path("d.cdl")).find("ENTITIES"), std::string::npos);
  widget->SetCadType(4);  // no TVG writer: CDL
  widget->SaveToFile(path("t.tvg"));
  EXPECT_EQ(text_of(path("t.tvg")).find("ENTITIES"), std::string::npos);
  EXPECT_FALSE(text_of(path("t.tvg")).empty());
}

}  // namespace

namespace {

void write_text(const std::string& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// A DXF file with the layers "0" and "Walls" and, on Walls, an ellipse of half axes 4 and 2.
const char* const kNamedLayers =
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n0\n62\n7\n0\nLAYER\n2\nWalls\n62\n1\n"
    "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nELLIPSE\n8\nWalls\n10\n0\n20\n0\n11\n4\n"
    "21\n0\n40\n0.5\n0\nTEXT\n1\nnote\n0\nENDSEC\n0\nEOF\n";

}  // namespace

TEST_F(OrvaneFiles, LayerNamesReportAndChordToleranceOfAForeignDrawing) {
  write_text(path("named.dxf"), kNamedLayers);
  widget->SetCadType(2);
  widget->SetChordTolerance(0.5);
  widget->LoadFromFile(path("named.dxf"));
  EXPECT_EQ(widget->LayerName(2), "Walls");
  EXPECT_EQ(widget->LayerName(1), "0");
  EXPECT_EQ(widget->LayerNumber("Walls"), 2);
  EXPECT_EQ(widget->LayerNumber("Roof"), -1);
  EXPECT_EQ(widget->LayerName(300), "");
  const int64_t coarse = widget->GetLoadReport().lines;
  // A sagitta of at most 0.5 on a circle-like curve of radius 4 needs at least 2*pi/1.45 steps.
  EXPECT_GE(coarse, 5);
  EXPECT_EQ(widget->LoadReportText(),
            std::to_string(coarse) + " lines; left out: 1 TEXT (unsupported)");

  widget->SetChordTolerance(-1);  // ignored
  EXPECT_DOUBLE_EQ(widget->GetChordTolerance(), 0.5);
  widget->SetChordTolerance(0.001);
  widget->LoadFromFile(path("named.dxf"));
  EXPECT_GT(widget->GetLoadReport().lines, 5 * coarse);

  // A CDL drawing has no layer names.
  widget->SetCadType(1);
  widget->SaveToFile(path("plain.cdl"));
  widget->LoadFromFile(path("plain.cdl"));
  EXPECT_EQ(widget->LayerName(2), "");
  widget->SetChordTolerance(kDefaultChordTolerance);
}
