// File commands that fail: each says why, naming the file, and a failed load or merge leaves the
// drawing, every window and the file name as they were. The file name follows the drawing on
// screen whatever its format.
#include <QTemporaryDir>
#include <array>
#include <fstream>

#include "platform/element_memory.h"
#include "platform/printer.h"
#include "platform/recording_printer.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

// Everything a failed load must leave alone.
struct Snapshot {
  int last = 0;
  std::vector<std::array<double, 6>> values;
  std::array<double, 4> extents{};
  std::array<double, 20> views{};
  int window = 0;
  std::string name;
  int cad_type = 0;
  std::size_t blocks = 0;

  static Snapshot take(const TOrvane& w) {
    Snapshot s;
    s.last = w.GetLastElement();
    for (int n = 1; n <= s.last; ++n) {
      const TElement e = w.GetElement(n);
      s.values.push_back(
          {e.values[0], e.values[1], e.values[2], e.values[3], e.values[4], e.values[5]});
    }
    s.extents = {min_x, min_y, max_x, max_y};
    for (int v = 1; v <= 4; ++v) {
      s.views[5 * (v - 1)] = view_height[v];
      s.views[5 * (v - 1) + 1] = screen_center_x[v];
      s.views[5 * (v - 1) + 2] = screen_center_y[v];
      s.views[5 * (v - 1) + 3] = x_plot_origin[v];
      s.views[5 * (v - 1) + 4] = y_plot_origin[v];
    }
    s.window = current_plot_window;
    s.name = w.FileName();
    s.cad_type = w.GetCadType();
    s.blocks = element_memory::live_blocks();
    return s;
  }
  bool operator==(const Snapshot&) const = default;
};

class OrvaneFileFailures : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    widget->MakeLine(-10, -5, 0, 10, 5, 7);
    widget->MakeArc(1, 2, 3, 0, 4, 0, 90);
    widget->MakePoint(1, 1, 1);
    widget->SetCadType(1);
    ASSERT_TRUE(widget->SaveToFile(path("drawing.cdl")));
    widget->SetView(vFRONT);
    widget->ZoomAll();
  }
  void TearDown() override {
    element_memory::set_block_limit(0);
    OrvaneTest::TearDown();
  }
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  std::string write(const char* name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  // A file of every byte value, as an image or a program would hold.
  static std::string binary() {
    std::string b;
    for (int round = 0; round < 40; ++round)
      for (int c = 0; c < 256; ++c)
        b += static_cast<char>(c == 10 || c == 13 ? 0 : c);
    return b;
  }
  QTemporaryDir dir;
};

TEST_F(OrvaneFileFailures, LoadOfAMissingFileSaysSoAndChangesNothing) {
  const Snapshot before = Snapshot::take(*widget);
  const std::string name = path("missing.cdl");
  EXPECT_FALSE(widget->LoadFromFile(name));
  EXPECT_EQ(widget->LastFileError(),
            "Cannot open \"" + name + "\": the file does not exist. The drawing was not changed.");
  EXPECT_EQ(widget->LastFileResult().failure, FileFailure::kCannotOpen);
  EXPECT_EQ(widget->LastFileResult().io_code, kIoFileNotFound);
  EXPECT_TRUE(Snapshot::take(*widget) == before);
  EXPECT_EQ(widget->FileName(), path("drawing.cdl"));
}

TEST_F(OrvaneFileFailures, EveryFormatReportsAMissingFolderAndADirectory) {
  const Snapshot before = Snapshot::take(*widget);
  for (int type = 1; type <= 4; ++type) {
    SCOPED_TRACE(type);
    widget->SetCadType(type);
    const Snapshot typed = Snapshot::take(*widget);
    const std::string missing = path("no-such-folder/a.x");
    EXPECT_FALSE(widget->LoadFromFile(missing));
    EXPECT_EQ(widget->LastFileError(), "Cannot open \"" + missing +
                                           "\": the folder does not exist. The drawing was not "
                                           "changed.");
    const std::string folder = dir.path().toStdString();
    EXPECT_FALSE(widget->MergeFile(folder));
    EXPECT_EQ(widget->LastFileError(), "Cannot open \"" + folder +
                                           "\": access is denied, or it is not a file. The "
                                           "drawing was not changed.");
    EXPECT_TRUE(Snapshot::take(*widget) == typed);
  }
  widget->SetCadType(1);
  EXPECT_TRUE(Snapshot::take(*widget) == before);
}

TEST_F(OrvaneFileFailures, ABinaryFileIsNoDrawingOfAnyFormat) {
  const std::string junk = write("junk.bin", binary());
  const char* formats[] = {"a CDL", "a DXF", "an IGES", "a TVG"};
  for (int type = 1; type <= 4; ++type) {
    SCOPED_TRACE(type);
    widget->SetCadType(type);
    const Snapshot before = Snapshot::take(*widget);
    EXPECT_FALSE(widget->LoadFromFile(junk));
    EXPECT_EQ(widget->LastFileError(), "\"" + junk + "\" is not " + formats[type - 1] +
                                           " drawing file. The drawing was not changed.");
    EXPECT_EQ(widget->LastFileResult().failure, FileFailure::kNotADrawing);
    EXPECT_TRUE(Snapshot::take(*widget) == before);
    EXPECT_FALSE(widget->MergeFile(junk));
    EXPECT_TRUE(Snapshot::take(*widget) == before);
  }
}

TEST_F(OrvaneFileFailures, AnEmptyFileLoadsAnEmptyDrawing) {
  for (const char* text : {"", "\r\n  \n"}) {
    const std::string empty = write("empty.cdl", text);
    widget->SetCadType(1);
    EXPECT_TRUE(widget->LoadFromFile(empty)) << widget->LastFileError();
    EXPECT_EQ(widget->LastFileError(), "");
    int live = 0;
    for (int n = 1; n <= widget->GetLastElement(); ++n)
      live += widget->GetElement(n).element_type != 0;
    EXPECT_EQ(live, 0);
    EXPECT_EQ(widget->FileName(), empty);
  }
}

TEST_F(OrvaneFileFailures, ALoadThatRunsOutOfMemoryKeepsTheOldDrawing) {
  std::string many;
  for (int i = 0; i < 50; ++i)
    many += "LINE   0,0,0," + std::to_string(i + 1) + ",1,0,10,1,1,1\r\n";
  const std::string big = write("big.cdl", many);
  const Snapshot before = Snapshot::take(*widget);
  element_memory::set_block_limit(element_memory::live_blocks() + 20);
  EXPECT_FALSE(widget->LoadFromFile(big));
  EXPECT_EQ(widget->LastFileError(),
            "Not enough memory to load \"" + big + "\". The drawing was not changed.");
  EXPECT_TRUE(Snapshot::take(*widget) == before);
  EXPECT_FALSE(widget->MergeFile(big));
  EXPECT_EQ(widget->LastFileResult().failure, FileFailure::kNoMemory);
  EXPECT_TRUE(Snapshot::take(*widget) == before);
  // With room for both drawings the load succeeds and the old drawing's blocks are freed.
  element_memory::set_block_limit(0);
  EXPECT_TRUE(widget->LoadFromFile(big));
  // Entry 0 keeps a block, and each line has one.
  EXPECT_EQ(element_memory::live_blocks(), 1u + 50);
}

TEST_F(OrvaneFileFailures, SavingWhereNoFileCanBeMadeSaysWhy) {
  const Snapshot before = Snapshot::take(*widget);
  for (int type = 1; type <= 3; ++type) {
    SCOPED_TRACE(type);
    widget->SetCadType(type);
    const std::string missing = path("no-such-folder/out.cdl");
    EXPECT_FALSE(widget->SaveToFile(missing));
    EXPECT_EQ(widget->LastFileError(),
              "Cannot save the drawing to \"" + missing + "\": No such file or directory.");
    const std::string folder = dir.path().toStdString();
    EXPECT_FALSE(widget->SaveToFile(folder));
    EXPECT_EQ(widget->LastFileError(),
              "Cannot save the drawing to \"" + folder + "\": Is a directory.");
    EXPECT_EQ(widget->LastFileResult().failure, FileFailure::kCannotWrite);
    EXPECT_EQ(widget->FileName(), path("drawing.cdl"));
  }
  widget->SetCadType(1);
  EXPECT_TRUE(Snapshot::take(*widget) == before);
  EXPECT_TRUE(widget->SaveToFile(path("again.cdl")));
  EXPECT_EQ(widget->LastFileError(), "");
}

TEST_F(OrvaneFileFailures, TheFileNameIsThatOfTheDrawingOnScreen) {
  widget->SetCadType(2);
  ASSERT_TRUE(widget->SaveToFile(path("d.dxf")));
  widget->SetCadType(1);
  ASSERT_TRUE(widget->LoadFromFile(path("drawing.cdl")));
  EXPECT_EQ(widget->FileName(), path("drawing.cdl"));
  // A merged file adds to the drawing on screen, which keeps its name.
  widget->SetCadType(2);
  ASSERT_TRUE(widget->MergeFile(path("d.dxf")));
  EXPECT_EQ(widget->FileName(), path("drawing.cdl"));
  // The print job is titled with it.
  RecordingPrinter printer(4800, 6600, 203);
  set_current_printer(&printer);
  widget->PrintCad();
  set_current_printer(nullptr);
  EXPECT_EQ(printer.Title(), path("drawing.cdl"));
}

}  // namespace
