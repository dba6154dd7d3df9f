#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvane {

namespace {

constexpr std::size_t kReadBufferSize = std::size_t{1} << 18;
constexpr std::size_t kWriteBufferSize = std::size_t{1} << 20;
constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

std::string parent_folder(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return name.substr(0, slash);
}

bool is_folder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The classic code of a failed open: a missing file in an existing folder is "file not found",
// a missing or unusable folder "path not found".
int open_error_code(int err, const std::string& name) {
  switch (err) {
    case ENOENT:
      return is_folder(parent_folder(name)) ? kIoFileNotFound : kIoPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kIoPathNotFound;
    case EMFILE:
    case ENFILE:
      return kIoTooManyFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
      return kIoAccessDenied;
    default:
      return kIoReadError;
  }
}

// The file that writing to name replaces: the file a symbolic link names, not the link.
std::string write_target(const std::string& name) {
  struct stat st;
  if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
  char* resolved = ::realpath(name.c_str(), nullptr);
  if (resolved == nullptr) return name;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

TextFile::TextFile() = default;

TextFile::~TextFile() {
  Close();
}

int TextFile::Reset(const std::string& name) {
  Close();
  if (name.empty()) return kIoFileNotFound;
  // Non-blocking, so that opening a pipe without a writer does not wait; such files are then
  // refused below.
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return open_error_code(errno, name);
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return kIoAccessDenied;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!buffer_) buffer_ = std::make_unique<char[]>(kReadBufferSize);
  fd_ = fd;
  pos_ = end_ = 0;
  next_lf_ = next_cr_ = kUnknown;
  at_end_ = false;
  return 0;
}

void TextFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  pos_ = end_ = 0;
  at_end_ = true;
}

bool TextFile::Fill() {
  if (at_end_) return false;
  pos_ = end_ = 0;
  next_lf_ = next_cr_ = kUnknown;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.get(), kReadBufferSize);
    if (n > 0) {
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) {
      at_end_ = true;
      return false;
    }
    if (errno != EINTR) {
      throw TextFileError(kIoReadError, std::string("read error: ") + std::strerror(errno));
    }
  }
}

bool TextFile::Eof() {
  if (fd_ < 0) return true;
  return pos_ == end_ && !Fill();
}

std::size_t TextFile::Find(char c, std::size_t from, std::size_t& cache) {
  if (cache == kUnknown || cache < from) {
    const void* hit = std::memchr(buffer_.get() + from, c, end_ - from);
    cache = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.get()) : end_;
  }
  return cache;
}

// The end of the line that starts at pos_: the first CR or LF, or end_.
std::size_t TextFile::LineEnd() {
  // Short lines (most lines of drawing files) are scanned directly.
  const char* const b = buffer_.get();
  const std::size_t quick = end_ - pos_ > 16 ? pos_ + 16 : end_;
  std::size_t i = pos_;
  while (i < quick && b[i] != '\n' && b[i] != '\r')
    ++i;
  if (i < quick || i == end_) return i;
  // Longer ones by memchr; each end character's next position is remembered, so every byte
  // is searched once even when a file uses only one of the two.
  const std::size_t lf = Find('\n', i, next_lf_);
  const std::size_t cr = Find('\r', i, next_cr_);
  return lf < cr ? lf : cr;
}

void TextFile::ReadLn(std::string& line) {
  line.clear();
  if (fd_ < 0) throw TextFileError(kIoNotOpen, "file not open");
  for (;;) {
    if (pos_ == end_ && !Fill()) return;
    const std::size_t stop = LineEnd();
    line.append(buffer_.get() + pos_, stop - pos_);
    pos_ = stop;
    if (stop == end_) continue;  // the line goes on in the next block
    const char c = buffer_[pos_++];
    if (c == '\r' && (pos_ < end_ || Fill()) && buffer_[pos_] == '\n') ++pos_;
    return;
  }
}

std::string TextFile::ReadLn() {
  std::string line;
  ReadLn(line);
  return line;
}

AtomicTextWriter::~AtomicTextWriter() {
  if (fd_ >= 0) Discard();
}

bool AtomicTextWriter::Open(const std::string& name) {
  if (fd_ >= 0) return false;
  const std::string target = write_target(name);
  // A file that may not be written is refused, as opening it for writing would be.
  if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0 &&
      ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return false;
  }
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  if (base.empty()) return false;
  static unsigned counter = 0;
  // A hidden name beside the target, so that the final rename stays on one file system.
  const std::string stem = folder + "." + base.substr(0, 180) + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = stem + "-" + std::to_string(++counter);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) return false;
  // A replaced file keeps its permissions.
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd_, st.st_mode & 07777);
  target_ = target;
  failed_ = false;
  buffer_.clear();
  return true;
}

void AtomicTextWriter::Write(std::string_view text) {
  if (fd_ < 0 || failed_) return;
  buffer_.append(text);
  if (buffer_.size() >= kWriteBufferSize) Flush();
}

void AtomicTextWriter::WriteLn(std::string_view line) {
  if (fd_ < 0 || failed_) return;
  buffer_.append(line);
  buffer_.append("\r\n", 2);
  if (buffer_.size() >= kWriteBufferSize) Flush();
}

void AtomicTextWriter::Flush() {
  const char* p = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0 && !failed_) {
    const ssize_t n = ::write(fd_, p, left);
    if (n > 0) {
      p += n;
      left -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      failed_ = true;
    }
  }
  buffer_.clear();
}

bool AtomicTextWriter::Commit() {
  if (fd_ < 0) return false;
  if (!failed_) Flush();
  // The data must be on disk before the rename makes it the target.
  if (!failed_ && ::fdatasync(fd_) != 0) failed_ = true;
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  if (!failed_ && ::rename(temp_.c_str(), target_.c_str()) == 0) return true;
  ::unlink(temp_.c_str());
  return false;
}

void AtomicTextWriter::Discard() {
  ::close(fd_);
  fd_ = -1;
  ::unlink(temp_.c_str());
  buffer_.clear();
}

}  // namespace orvane
