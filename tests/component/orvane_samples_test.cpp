// Every bundled sample loads through the widget in its own format and shows on the picture in
// every view.
#include <string>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

struct Sample {
  const char* file;
  int cad_type;
};

class OrvaneSamples : public OrvaneTest, public ::testing::WithParamInterface<Sample> {
 protected:
  int lit_pixels() {
    const QImage& image = widget->backing_image();
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        lit += pixel(x, y) != kBlack;
    return lit;
  }
};

TEST_P(OrvaneSamples, LoadsAndShowsInEveryView) {
  widget->SetCadType(GetParam().cad_type);
  widget->LoadFromFile(std::string(ORVANE_SAMPLES_DIR "/") + GetParam().file);
  int live = 0;
  for (int n = 1; n <= widget->GetLastElement(); ++n)
    live += widget->GetElement(n).element_type != 0 && !widget->GetIsDeleted(n);
  EXPECT_GE(live, 10);
  // A view that missed the drawing would be all background. A fitted one draws a span of some
  // tens of pixels even where a flat drawing is seen edge-on (the plate's 60 of 100 units).
  for (TDView v : {vTOP, vFRONT, vSIDE, vISO}) {
    widget->SetView(v);
    widget->ZoomAll();
    EXPECT_GE(lit_pixels(), 40) << "view " << static_cast<int>(v);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, OrvaneSamples,
                         ::testing::Values(Sample{"bracket.cdl", 1}, Sample{"bracket.dxf", 2},
                                           Sample{"bracket.igs", 3}, Sample{"plate.tvg", 4}),
                         [](const auto& info) { return std::to_string(info.param.cad_type); });

}  // namespace
