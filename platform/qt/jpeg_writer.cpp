#include "platform/qt/jpeg_writer.h"

// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <QByteArray>
#include <csetjmp>
#include <new>
#include <stdexcept>

#include "platform/qt/image_file.h"

namespace orvane {

namespace {

constexpr int kQuality = 90;
constexpr size_t kChunk = 16384;

[[noreturn]] void fail(const std::string& file_name, const std::string& why) {
  image_file_error("JPEG", file_name, why);
}

// libjpeg's default error handler ends the process; this one jumps back to the compression
// with libjpeg's message kept.
struct ErrorTrap {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void on_error(j_common_ptr cinfo) {
  auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, trap->message);
  std::longjmp(trap->jump, 1);
}

void on_message(j_common_ptr) {}  // warnings are not printed

// Collects the compressed bytes in memory, chunk by chunk.
struct MemoryDestination {
  jpeg_destination_mgr pub;
  QByteArray* out;
  JOCTET chunk[kChunk];
};

bool append(MemoryDestination& d, size_t size) noexcept {
  try {
    d.out->append(reinterpret_cast<const char*>(d.chunk), static_cast<qsizetype>(size));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void init_destination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
  d->pub.next_output_byte = d->chunk;
  d->pub.free_in_buffer = kChunk;
}

boolean empty_output_buffer(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
  if (!append(*d, kChunk)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  init_destination(cinfo);
  return TRUE;
}

void term_destination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
  if (!append(*d, kChunk - d->pub.free_in_buffer)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
}

// Compresses the RGB888 image; false with trap.message set when libjpeg fails. An error jumps
// back into this frame, so it holds nothing that needs destroying.
bool compress(const QImage& rgb, jpeg_compress_struct& cinfo, ErrorTrap& trap,
              MemoryDestination& dest) {
  if (setjmp(trap.jump) != 0) return false;
  jpeg_create_compress(&cinfo);
  cinfo.dest = &dest.pub;
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, kQuality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    // libjpeg only reads the row; its interface is not const.
    JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

QByteArray encode(const QImage& image, const std::string& file_name) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  jpeg_compress_struct cinfo{};
  ErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.pub);
  trap.pub.error_exit = on_error;
  trap.pub.output_message = on_message;
  MemoryDestination dest{};
  dest.pub.init_destination = init_destination;
  dest.pub.empty_output_buffer = empty_output_buffer;
  dest.pub.term_destination = term_destination;
  dest.out = &bytes;
  const bool done = compress(rgb, cinfo, trap, dest);
  jpeg_destroy_compress(&cinfo);
  if (!done) fail(file_name, trap.message);
  return bytes;
}

}  // namespace

void write_jpeg(const QImage& image, const std::string& file_name) {
  if (image.isNull()) fail(file_name, "the picture is empty");
  save_image_file(encode(image, file_name), "JPEG", file_name);
}

}  // namespace orvane
