#include "platform/qt/gif_writer.h"

#include <gif_lib.h>

#include <QByteArray>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/qt/image_file.h"

namespace orvane {

namespace {

constexpr int kMaxSide = 65535;  // a GIF stores its sides in 16 bits
constexpr int kWebColors = 216;
constexpr int kWebMapSize = 256;  // giflib wants a power of two

struct MapFree {
  void operator()(ColorMapObject* m) const { GifFreeMapObject(m); }
};
struct GifClose {
  void operator()(GifFileType* f) const { EGifCloseFile(f, nullptr); }
};
using ColorMap = std::unique_ptr<ColorMapObject, MapFree>;
using GifFile = std::unique_ptr<GifFileType, GifClose>;

[[noreturn]] void fail(const std::string& file_name, const std::string& why) {
  image_file_error("GIF", file_name, why);
}

[[noreturn]] void fail_gif(const std::string& file_name, int error) {
  const char* text = GifErrorString(error);
  fail(file_name, text != nullptr ? text : "giflib error " + std::to_string(error));
}

ColorMap make_map(int size, const std::string& file_name) {
  ColorMap map(GifMakeMapObject(size, nullptr));
  if (!map) fail(file_name, "out of memory");
  return map;  // giflib zero-fills the entries
}

ColorMap web_palette(const std::string& file_name) {
  ColorMap map = make_map(kWebMapSize, file_name);
  for (int i = 0; i < kWebColors; ++i) {
    const auto level = [](int l) { return static_cast<GifByteType>(51 * l); };
    map->Colors[i] = GifColorType{level(i / 36), level(i / 6 % 6), level(i % 6)};
  }
  return map;
}

ColorMap own_palette(const QImage& image, const std::string& file_name) {
  const QList<QRgb> table = image.colorTable();
  ColorMap map = make_map(1 << GifBitSize(static_cast<int>(table.size())), file_name);
  for (int i = 0; i < table.size(); ++i) {
    const QRgb c = table[i];
    map->Colors[i] =
        GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                     static_cast<GifByteType>(qBlue(c))};
  }
  return map;
}

bool has_palette(const QImage& image) {
  const QImage::Format f = image.format();
  const bool indexed =
      f == QImage::Format_Mono || f == QImage::Format_MonoLSB || f == QImage::Format_Indexed8;
  return indexed && image.colorCount() > 0 && image.colorCount() <= 256;
}

int web_palette_index(QRgb color) {
  const auto level = [](int v) { return (v + 3) / 51; };
  return 36 * level(qRed(color)) + 6 * level(qGreen(color)) + level(qBlue(color));
}

// One row of palette indices; source is Format_Indexed8 (colors entries) or Format_RGB32.
void fill_row(const QImage& source, int y, int colors, std::vector<GifPixelType>& row) {
  const int w = source.width();
  if (source.format() == QImage::Format_Indexed8) {
    const uchar* in = source.constScanLine(y);
    // An index beyond the colour table has no colour: it becomes entry 0.
    for (int x = 0; x < w; ++x)
      row[x] = in[x] < colors ? in[x] : 0;
    return;
  }
  const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
  for (int x = 0; x < w; ++x)
    row[x] = static_cast<GifPixelType>(web_palette_index(in[x]));
}

int append_bytes(GifFileType* gif, const GifByteType* data, int size) {
  try {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size);
  } catch (const std::bad_alloc&) {
    return 0;  // giflib reports a failed write
  }
  return size;
}

QByteArray encode(const QImage& source, const ColorMapObject& map, const std::string& file_name) {
  QByteArray bytes;
  int error = 0;
  GifFile gif(EGifOpen(&bytes, append_bytes, &error));
  if (!gif) fail_gif(file_name, error);
  const int w = source.width(), h = source.height();
  if (EGifPutScreenDesc(gif.get(), w, h, 8, 0, &map) == GIF_ERROR ||
      EGifPutImageDesc(gif.get(), 0, 0, w, h, false, nullptr) == GIF_ERROR) {
    fail_gif(file_name, gif->Error);
  }
  // giflib masks the pixels of the line it is given, so each row is a copy.
  std::vector<GifPixelType> row(w);
  for (int y = 0; y < h; ++y) {
    fill_row(source, y, map.ColorCount, row);
    if (EGifPutLine(gif.get(), row.data(), w) == GIF_ERROR) fail_gif(file_name, gif->Error);
  }
  if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) fail_gif(file_name, error);
  return bytes;
}

}  // namespace

void write_gif(const QImage& image, const std::string& file_name) {
  if (image.isNull()) fail(file_name, "the picture is empty");
  if (image.width() > kMaxSide || image.height() > kMaxSide) {
    fail(file_name, "the picture is over 65535 pixels a side");
  }
  const bool indexed = has_palette(image);
  const QImage source =
      image.convertToFormat(indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
  const ColorMap map = indexed ? own_palette(source, file_name) : web_palette(file_name);
  save_image_file(encode(source, *map, file_name), "GIF", file_name);
}

}  // namespace orvane
