// Image files of the widget's picture and the clipboard: BMP, GIF and JPEG contents, failures
// that keep an old file, and the SVG and bitmap clipboard pictures.
#include <gif_lib.h>
#include <gmock/gmock.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <memory>

#include "component/image_export.h"
#include "platform/qt/gif_writer.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

namespace {

struct GifClose {
  void operator()(GifFileType* f) const { DGifCloseFile(f, nullptr); }
};
using Gif = std::unique_ptr<GifFileType, GifClose>;

Gif read_gif(const std::string& name) {
  Gif gif(DGifOpenFileName(name.c_str(), nullptr));
  EXPECT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK) << name;
  return gif;
}

std::vector<int> rgb(const GifColorType& c) {
  return {c.Red, c.Green, c.Blue};
}

QByteArray contents(const std::string& name) {
  QFile f(QString::fromStdString(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int count(const QImage& image, const std::function<bool(QRgb)>& counted) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      n += counted(image.pixel(x, y));
  }
  return n;
}

// Pixels drawn over the background (black unless a test sets another).
int painted(const QImage& image, QRgb background = qRgb(0, 0, 0)) {
  return count(image, [background](QRgb c) {
    return qAlpha(c) != 0 && (c & 0xFFFFFF) != (background & 0xFFFFFF);
  });
}

// Pixels of rows y - 1..y + 1 that are clearly green (or red).
int in_rows(const QImage& image, int y, bool green) {
  return count(image.copy(0, y - 1, image.width(), 3), [green](QRgb c) {
    const int main = green ? qGreen(c) : qRed(c), other = green ? qRed(c) : qGreen(c);
    return qAlpha(c) > 100 && main > 100 && other < 60;
  });
}

class ImageExport : public OrvaneTest {
 protected:
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  // Fills the pixels x..x+size-1 x 0..size-1 of the widget's picture with rgb.
  void patch(int x, QRgb rgb, int size = 10) {
    const TColor bgr = qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
    widget->canvas().SetPenColor(bgr);
    widget->canvas().SetBrushColor(bgr);
    widget->canvas().Rectangle(x, 0, x + size, size);
  }
  // The SVG on the clipboard, checked to be the only format there, drawn 1:1 on a transparent
  // image of its view box.
  QImage clipboard_svg() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->formats(), QStringList{"image/svg+xml"});
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(data->data("image/svg+xml").contains("<title>Orvane</title>"));
    QImage image(svg.viewBox().size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
  }

  QTemporaryDir dir;
};

TEST_F(ImageExport, BmpHoldsTheWidgetsPixelsAtItsSize) {
  widget->resize(241, 169);
  widget->Redraw();
  widget->DrawLine(-10, -5, 0, 10, 5, 0);
  widget->SaveBMP(path("picture.bmp"));
  const QImage read(QString::fromStdString(path("picture.bmp")));
  ASSERT_EQ(read.size(), QSize(241, 169));
  EXPECT_GT(count(read, [](QRgb c) { return (c & 0xFFFFFF) == kLime; }), 20);
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), widget->backing_image());
}

TEST_F(ImageExport, GifPutsEachChannelOnItsLevelOfTheFixedPalette) {
  // Pure channels at level 5; greys on both sides of each level boundary, index 43 * level.
  std::vector<std::pair<QRgb, int>> cases = {
      {qRgb(255, 0, 0), 180}, {qRgb(0, 255, 0), 30}, {qRgb(0, 0, 255), 5}};
  const int greys[] = {47, 48, 98, 99, 149, 150, 200, 201, 251, 252};
  for (int i = 0; i < 10; ++i)
    cases.push_back({qRgb(greys[i], greys[i], greys[i]), 43 * ((i + 1) / 2)});
  for (size_t i = 0; i < cases.size(); ++i)
    patch(10 * static_cast<int>(i), cases[i].first);
  widget->SaveGIF(path("picture.gif"));

  const Gif gif = read_gif(path("picture.gif"));
  ASSERT_TRUE(gif);
  EXPECT_EQ(std::vector<int>({gif->ImageCount, gif->SWidth, gif->SHeight}),
            std::vector<int>({1, 200, 100}));
  ASSERT_EQ(gif->SavedImages[0].ImageDesc.Width, 200);
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(gif->SavedImages[0].RasterBits[5 * 200 + 10 * i + 5], cases[i].second) << i;
  }
  EXPECT_EQ(rgb(gif->SColorMap->Colors[180]), std::vector<int>({255, 0, 0}));
  EXPECT_EQ(rgb(gif->SColorMap->Colors[129]), std::vector<int>({153, 153, 153}));
}

TEST_F(ImageExport, GifOfAnIndexedImageKeepsItsPalette) {
  QImage indexed(3, 1, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90)});
  for (int x = 0; x < 3; ++x)
    indexed.setPixel(x, 0, (x + 2) % 3);
  write_gif(indexed, path("indexed.gif"));
  const Gif gif = read_gif(path("indexed.gif"));
  ASSERT_TRUE(gif);
  ASSERT_EQ(gif->SColorMap->ColorCount, 4);  // the next power of two
  EXPECT_EQ(rgb(gif->SColorMap->Colors[2]), std::vector<int>({70, 80, 90}));
  const GifByteType* bits = gif->SavedImages[0].RasterBits;
  EXPECT_EQ(std::vector<int>(bits, bits + 3), std::vector<int>({2, 0, 1}));
}

TEST_F(ImageExport, JpegIsBaselineQuality90ColourWhateverTheName) {
  patch(0, qRgb(255, 0, 0), 100);
  widget->SaveJPEG(path("picture.bmp"));
  const QByteArray bytes = contents(path("picture.bmp"));
  ASSERT_TRUE(bytes.startsWith("\xFF\xD8"));
  EXPECT_TRUE(bytes.contains("\xFF\xC0"));
  EXPECT_FALSE(bytes.contains("\xFF\xC2"));
  // Quality 90 scales the standard luminance table by 20 %: its first entry 16 becomes 3.
  const qsizetype dqt = bytes.indexOf("\xFF\xDB");
  ASSERT_GE(dqt, 0);
  EXPECT_EQ(static_cast<uint8_t>(bytes[dqt + 5]), 3);

  const QImage read = QImage::fromData(bytes, "JPEG");
  ASSERT_EQ(read.size(), QSize(200, 100));
  const QColor red = read.pixelColor(50, 50), black = read.pixelColor(150, 50);
  EXPECT_GT(red.red(), 245);
  EXPECT_LT(std::max({red.green(), red.blue(), black.red(), black.green(), black.blue()}), 10);
}

TEST_F(ImageExport, FailuresThrowNamingTheFileAndKeepTheOldOne) {
  const std::string missing = path("missing/picture");
  const auto names_it = ThrowsMessage<std::runtime_error>(HasSubstr(missing));
  EXPECT_THAT([&] { widget->SaveBMP(missing); }, names_it);
  EXPECT_THAT([&] { widget->SaveGIF(missing); }, names_it);
  EXPECT_THAT([&] { widget->SaveJPEG(missing); }, names_it);

  const std::string name = path("old.img");
  QFile old(QString::fromStdString(name));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
  old.close();
  Canvas& canvas = widget->canvas();
  for (int kind = 0; kind <= 2; ++kind) {
    EXPECT_THROW(Save_Bitmap(kind, name, canvas, 0, 10), std::runtime_error) << kind;
    EXPECT_THROW(Save_Bitmap(kind, name, canvas, 10, -1), std::runtime_error) << kind;
  }
  // Beyond what the formats can hold: 65535 pixels for GIF, 65500 for libjpeg.
  EXPECT_THROW(Save_Bitmap(1, name, canvas, 65536, 1), std::runtime_error);
  EXPECT_THAT([&] { Save_Bitmap(2, name, canvas, 65501, 1); },
              ThrowsMessage<std::runtime_error>(HasSubstr("65500")));
  EXPECT_EQ(contents(name), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.img"});
}

// An old picture.img in folder, for the saves below to replace.
void make_old_file(const std::string& folder) {
  QFile old(QString::fromStdString(folder + "/picture.img"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3 && old.flush());
}

// Saves each kind of picture over folder/picture.img where it cannot be written whole and checks
// that each fails naming the file and keeps the old file as it was.
void expect_full_saves_fail(TOrvane& widget, const std::string& folder) {
  const std::string name = folder + "/picture.img";
  ASSERT_EQ(contents(name), "old");
  const auto names_it = ThrowsMessage<std::runtime_error>(HasSubstr(name));
  EXPECT_THAT([&] { widget.SaveGIF(name); }, names_it);
  EXPECT_THAT([&] { widget.SaveJPEG(name); }, names_it);
  EXPECT_THAT([&] { widget.SaveBMP(name); }, names_it);
  EXPECT_EQ(contents(name), "old");
}

TEST_F(ImageExport, ASaveThatCannotWriteEveryByteFailsAndKeepsTheOldFile) {
  // A small picture (a few hundred bytes as GIF, a few KB as JPEG) under a file size limit that
  // makes writing fail the way a full disk does.
  widget->resize(60, 40);
  patch(5, qRgb(255, 0, 0));
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 64;
  make_old_file(dir.path().toStdString());
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  expect_full_saves_fail(*widget, dir.path().toStdString());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"picture.img"});
}

TEST_F(ImageExport, ASaveOntoAFullFileSystemFailsAndKeepsTheOldFile) {
  // A tiny file system filled up, where the machine lets this test mount one.
  const std::string mount_point = dir.filePath("small").toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("small"));
  if (mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  const std::unique_ptr<const char, int (*)(const char*)> unmount(mount_point.c_str(), umount);
  make_old_file(mount_point);
  {
    QFile filler(QString::fromStdString(mount_point + "/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
  }
  widget->resize(60, 40);
  patch(5, qRgb(255, 0, 0));
  expect_full_saves_fail(*widget, mount_point);
  EXPECT_EQ(QDir(QString::fromStdString(mount_point)).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"filler", "picture.img"}));
}

TEST_F(ImageExport, SavingThroughALinkWritesTheLinkedFileAndKeepsTheLink) {
  const QString target = QString::fromStdString(path("target.bmp"));
  {
    QFile made(target);
    ASSERT_TRUE(made.open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QFile::link(target, QString::fromStdString(path("link.bmp"))));
  widget->SaveBMP(path("link.bmp"));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(path("link.bmp"))).isSymLink());
  EXPECT_EQ(QImage(target).size(), widget->size());
}

TEST_F(ImageExport, SvgShowsTheVisibleDrawingAloneAtTheWidgetsSize) {
  widget->MakeLine(-10, 0, 0, 10, 0, 0);  // pixels (50, 50) to (150, 50)
  widget->WmfToClipboard();
  EXPECT_FALSE(clipboard_on);
  EXPECT_EQ(metafilecanvas, nullptr);
  const QImage picture = clipboard_svg();
  ASSERT_EQ(picture.size(), QSize(200, 100));
  EXPECT_GT(in_rows(picture, 50, true), 90);
  EXPECT_EQ(painted(picture), painted(picture.copy(0, 49, 200, 3)));  // nothing else drawn
}

TEST_F(ImageExport, SvgCarriesTheBackgroundColour) {
  widget->SetBackgroundColor(0xFFFFFF);
  widget->MakeLine(-10, 0, 0, 10, 0, 0);  // row 50
  widget->WmfToClipboard();
  const QImage picture = clipboard_svg();
  // The line, green over white, along rows 49 and 50.
  EXPECT_GT(count(picture.copy(0, 49, 200, 2),
                  [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 160 && qBlue(c) < 160; }),
            90);
  // Away from the line every pixel is opaque white, to the last row and column.
  const auto white = [](QRgb c) { return qAlpha(c) == 255 && (c & 0xFFFFFF) == 0xFFFFFF; };
  EXPECT_EQ(count(picture.copy(0, 0, 200, 45), white), 200 * 45);
  EXPECT_EQ(count(picture.copy(0, 55, 200, 45), white), 200 * 45);
}

TEST_F(ImageExport, SvgHoldsOnlyTheAxesWhenEveryLayerIsHiddenAndNothingWithoutThem) {
  widget->MakeLine(-10, 5, 0, 10, 5, 0);
  for (int layer = 0; layer < 255; ++layer)
    widget->SetVisibleLayer(layer, false);
  widget->SetShowAxis(true);
  widget->WmfToClipboard();
  const QImage axes = clipboard_svg();
  EXPECT_GT(in_rows(axes, 50, false), 190);
  EXPECT_EQ(painted(axes.copy(0, 20, 90, 10)), 0);  // left of the Y axis

  widget->SetShowAxis(false);
  widget->WmfToClipboard();
  const QImage empty = clipboard_svg();
  EXPECT_EQ(empty.size(), QSize(200, 100));
  EXPECT_EQ(painted(empty), 0);
}

TEST_F(ImageExport, GroupSvgHoldsOnlyTheGroupMembersInTheirOwnColours) {
  const int member = widget->MakeLine(-10, 5, 0, 10, 5, 0);  // row 25
  widget->MakeLine(-10, -5, 0, 10, -5, 0);                   // row 75
  widget->AddToGroup(member);
  clipboard_proc(widget->canvas(), 1, 200, 100);
  const QImage picture = clipboard_svg();
  EXPECT_GT(in_rows(picture, 25, true), 90);  // not in the group's red
  EXPECT_EQ(painted(picture.copy(0, 60, 200, 40)), 0);
}

TEST_F(ImageExport, SvgDrawsArcsAsCurvesOverTheWidgetsChains) {
  // A half circle of radius 8 about (0, 0) (pixel (100, 50), radius 40) above the x axis, and a
  // quarter of radius 4.
  widget->MakeArc(-1, 0, 0, 0, 8, 0, 180);
  widget->MakeArc(-1, 0, 0, 0, 4, 270, 0);
  widget->Redraw();
  widget->WmfToClipboard();
  const QByteArray text = QGuiApplication::clipboard()->mimeData()->data("image/svg+xml");
  EXPECT_FALSE(text.contains("<polyline")) << text.toStdString();
  EXPECT_EQ(text.count("<path"), 2) << text.toStdString();
  const QImage picture = clipboard_svg();
  const QImage screen = widget->backing_image();
  // The curve passes within a pixel of the screen's chain, and the chain within a pixel of it.
  const auto near_ink = [](const QImage& image, int x, int y, auto inked) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (image.rect().contains(x + dx, y + dy) && inked(image.pixel(x + dx, y + dy)))
          return true;
    return false;
  };
  const auto svg_ink = [](QRgb c) { return qAlpha(c) > 100 && qGreen(c) > 100; };
  const auto screen_ink = [](QRgb c) { return (c & 0xFFFFFF) == kLime; };
  int svg_pixels = 0, screen_pixels = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (svg_ink(picture.pixel(x, y))) {
        ++svg_pixels;
        EXPECT_TRUE(near_ink(screen, x, y, screen_ink)) << x << " " << y;
      }
      if (screen_ink(screen.pixel(x, y))) {
        ++screen_pixels;
        EXPECT_TRUE(near_ink(picture, x, y, svg_ink)) << x << " " << y;
      }
    }
  }
  // A half circle 126 pixels long and a quarter 31 long take a pixel per step along their
  // steeper axis: some 140 pixels.
  EXPECT_GT(svg_pixels, 120);
  EXPECT_GT(screen_pixels, 120);
}

TEST_F(ImageExport, BmpOnTheClipboardIsWhatTheWidgetShows) {
  widget->MakeLine(-10, -5, 0, 10, -5, 0);
  widget->Redraw();
  widget->DrawLine(-10, 5, 0, 10, 5, 0);  // drawn only on the picture
  widget->BmpToClipboard();
  const QImage copy = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copy, widget->backing_image());
  EXPECT_EQ(copy.pixel(100, 25) & 0xFFFFFF, kLime);
  EXPECT_EQ(copy.pixel(100, 75) & 0xFFFFFF, kLime);
}

}  // namespace
