#include "fileio/byte_blocks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvane {

ByteBlocks::~ByteBlocks() {
  if (fd_ >= 0) ::close(fd_);
}

bool ByteBlocks::open(const std::string& name) {
  if (fd_ >= 0) ::close(fd_);
  // Non-blocking, so that a pipe without a writer does not wait; such files are refused below.
  fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return false;
  struct stat st;
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  if (!buffer_) buffer_ = std::make_unique<char[]>(kCapacity);
  pos_ = end_ = 0;
  failed_ = false;
  return true;
}

bool ByteBlocks::ensure(std::size_t n) {
  if (n > kCapacity) return false;
  while (size() < n) {
    if (!fill()) return false;
  }
  return true;
}

bool ByteBlocks::fill() {
  if (fd_ < 0 || failed_) return false;
  if (pos_ > 0) {
    std::memmove(buffer_.get(), data(), size());
    end_ -= pos_;
    pos_ = 0;
  }
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.get() + end_, kCapacity - end_);
    if (n > 0) {
      end_ += static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) return false;
    if (errno != EINTR) {
      failed_ = true;
      return false;
    }
  }
}

}  // namespace orvane
