#include "component/image_export.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QSvgGenerator>
#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/rendering.h"
#include "core/state.h"
#include "platform/qt/gif_writer.h"
#include "platform/qt/image_file.h"
#include "platform/qt/jpeg_writer.h"
#include "platform/qt/qt_canvas.h"

namespace orvane {

namespace {

// Points the core's drawing at the metafile canvas for as long as it lives.
class MetafileScope {
 public:
  explicit MetafileScope(Canvas& target) : old_canvas_(metafilecanvas), old_on_(clipboard_on) {
    metafilecanvas = &target;
    clipboard_on = true;
  }
  ~MetafileScope() {
    clipboard_on = old_on_;
    metafilecanvas = old_canvas_;
  }
  MetafileScope(const MetafileScope&) = delete;
  MetafileScope& operator=(const MetafileScope&) = delete;

 private:
  Canvas* old_canvas_;
  bool old_on_;
};

// A copy of the width x height picture at the top left of canvas, black where it has none.
QImage picture_of(Canvas& canvas, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  QImage bitmap(width, height, QImage::Format_RGB32);
  bitmap.fill(Qt::black);
  {
    QtCanvas copy(&bitmap);
    copy.CopyRect({0, 0, width, height}, canvas, {0, 0, width, height}, cmSrcCopy);
  }
  return bitmap;
}

void write_bmp(const QImage& image, const std::string& file_name) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) {
    image_file_error("BMP", file_name, "the picture cannot be encoded");
  }
  save_image_file(bytes, "BMP", file_name);
}

QClipboard& the_clipboard() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    throw std::runtime_error("There is no clipboard without a Qt application");
  }
  return *QGuiApplication::clipboard();
}

// The screen's resolution gives the picture's size in millimetres, as it shows on the screen.
int screen_dpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? qRound(screen->logicalDotsPerInch()) : 96;
}

QByteArray metafile(Canvas& canvas, int kind, int width, int height) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize({width, height});
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(screen_dpi());
  // The generator writes both texts without escaping them.
  svg.setTitle(QStringLiteral("Orvane").toHtmlEscaped());
  svg.setDescription(QString());
  {
    QtCanvas target(&svg);
    // The background first, so that marks drawn in the background's opposite stay visible
    // wherever the picture is pasted. One pixel more each way, as the rectangle leaves out its
    // right and bottom edges.
    clear_screen(target, width + 1, height + 1);
    const MetafileScope routing(target);
    if (kind == 0 || kind == 1) plot_elements(canvas, current_plot_window, kind + 1);
  }  // ending the painting completes the document
  return buffer.data();
}

}  // namespace

void Save_Bitmap(int kind, const std::string& file_name, Canvas& canvas, int width, int height) {
  if (width <= 0 || height <= 0) {
    throw std::runtime_error("Cannot write the image file \"" + file_name +
                             "\": the picture has no pixels");
  }
  const QImage bitmap = picture_of(canvas, width, height);
  switch (kind) {
    case 1:
      write_gif(bitmap, file_name);
      break;
    case 2:
      write_jpeg(bitmap, file_name);
      break;
    default:
      write_bmp(bitmap, file_name);
      break;
  }
}

void clipboard_proc(Canvas& canvas, int kind, int width, int height) {
  if (kind == 2) {
    clipboard_bmp(canvas, width, height);
    return;
  }
  QClipboard& clipboard = the_clipboard();
  auto data = std::make_unique<QMimeData>();
  data->setData(QStringLiteral("image/svg+xml"),
                metafile(canvas, kind, std::max(width, 0), std::max(height, 0)));
  clipboard.setMimeData(data.release());
}

void clipboard_bmp(Canvas& canvas, int width, int height) {
  the_clipboard().setImage(picture_of(canvas, width, height));
}

}  // namespace orvane
