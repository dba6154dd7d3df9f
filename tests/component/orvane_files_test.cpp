// Loading, merging and saving through the widget: the drawing round-trips, loading fits every
// window and keeps the current one, merging leaves the zoom alone.
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

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
