// A file read in blocks for the binary readers: a window on the file's bytes that moves on, so
// that memory stays bounded however large the file is.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace orvane {

class ByteBlocks {
 public:
  static constexpr std::size_t kCapacity = std::size_t{1} << 18;

  ByteBlocks() = default;
  ~ByteBlocks();
  ByteBlocks(const ByteBlocks&) = delete;
  ByteBlocks& operator=(const ByteBlocks&) = delete;

  // Opens name for reading; only regular files open, so reading can neither fail nor wait forever.
  bool open(const std::string& name);
  // At least n bytes (n <= kCapacity) from the current position in the window; false when the
  // file ends sooner or cannot be read (failed() then tells). Moves the window, so views of
  // earlier bytes end here.
  bool ensure(std::size_t n);
  const char* data() const { return buffer_.get() + pos_; }
  std::size_t size() const { return end_ - pos_; }
  void skip(std::size_t n) { pos_ += n; }
  bool failed() const { return failed_; }

 private:
  bool fill();  // the rest to the front and one more read after it; false when none came

  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

}  // namespace orvane
