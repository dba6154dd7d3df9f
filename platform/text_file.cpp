#include "platform/text_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <set>

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

// The file that writing to name replaces: the file a symbolic link names (followed through
// further links, whether the last one exists or not), not the link. False for a loop.
bool write_target(const std::string& name, std::string& target) {
  target = name;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::string text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
    const ssize_t n = ::readlink(target.c_str(), text.data(), text.size());
    if (n < 0 || static_cast<std::size_t>(n) >= text.size()) return true;
    text.resize(static_cast<std::size_t>(n));
    if (text.empty()) return true;
    const std::size_t slash = target.rfind('/');
    target =
        text[0] == '/' || slash == std::string::npos ? text : target.substr(0, slash + 1) + text;
  }
  return false;
}

// The start of the temporary names of a target: a hidden name beside it, so that the final
// rename stays on one file system. A long name is cut and marked by a hash of the whole name,
// so that the names of two targets never share a start.
std::string temp_prefix(const std::string& base) {
  constexpr std::size_t kKeep = 160;
  // Appended piece by piece: "." + base trips a false -Wrestrict of GCC 12 at -O3.
  std::string name(1, '.');
  if (base.size() <= kKeep + 20) return name.append(base).append(".tmp");
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const unsigned char c : base)
    hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return name.append(base, 0, kKeep).append("~").append(hex).append(".tmp");
}

// The temporary names this process has made and not yet renamed or removed. A name with this
// process's id that is not among them was left by an earlier process of the same id.
std::set<std::string>& live_temporaries() {
  static std::set<std::string> names;
  return names;
}

std::string next_temp_name(const std::string& stem) {
  static unsigned counter = 0;
  return stem + std::to_string(++counter);
}

// The writing process of a temporary name: prefix, a process id, "-", a counter; 0 when the
// name has another form.
long temp_owner(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
  name.remove_prefix(prefix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == name.size() || dash > 10) return 0;
  const auto digits = [](std::string_view d) {
    for (const char c : d)
      if (c < '0' || c > '9') return false;
    return true;
  };
  if (!digits(name.substr(0, dash)) || !digits(name.substr(dash + 1))) return 0;
  return std::strtol(std::string(name.substr(0, dash)).c_str(), nullptr, 10);
}

// Removes the temporary files of a target whose writing process has ended: saves that were
// killed before they could clean up. Files of running processes, and this one's own, stay.
void remove_stale_temporaries(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const long self = ::getpid();
  while (const dirent* entry = ::readdir(dir)) {
    const long owner = temp_owner(entry->d_name, prefix);
    if (owner <= 0 || owner > std::numeric_limits<pid_t>::max()) continue;
    const std::string path = folder + entry->d_name;
    if (owner == self) {
      if (live_temporaries().count(path) != 0) continue;
    } else if (::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) {
      continue;
    }
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
  }
  ::closedir(dir);
}

std::size_t default_max_line = TextFile::kDefaultMaxLine;
int64_t long_lines_total = 0;

}  // namespace

LineCap::LineCap(std::size_t bytes) : old_(default_max_line) {
  default_max_line = bytes > 0 ? bytes : 1;
}

LineCap::~LineCap() {
  default_max_line = old_;
}

int64_t long_lines_skipped_total() {
  return long_lines_total;
}

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
  long_lines_ = 0;
  max_line_ = own_max_line_ != 0 ? own_max_line_ : default_max_line;
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

bool TextFile::EofAtBlockEnd() {
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
  // Short lines (most lines of drawing files) are found among the next 16 bytes at once.
  const char* const b = buffer_.get();
  std::size_t i = pos_;
  if (end_ - pos_ >= text_file_detail::kLineBlock) {
    const unsigned ends = text_file_detail::line_end_mask(b + pos_);
    if (ends != 0) return pos_ + static_cast<std::size_t>(__builtin_ctz(ends));
    i += text_file_detail::kLineBlock;
  } else {
    while (i < end_ && b[i] != '\n' && b[i] != '\r')
      ++i;
    return i;
  }
  // Longer ones by memchr; each end character's next position is remembered, so every byte
  // is searched once even when a file uses only one of the two.
  const std::size_t lf = Find('\n', i, next_lf_);
  const std::size_t cr = Find('\r', i, next_cr_);
  return lf < cr ? lf : cr;
}

void TextFile::ReadLn(std::string& line) {
  line.clear();
  if (fd_ < 0) throw TextFileError(kIoNotOpen, "file not open");
  bool too_long = false;
  for (;;) {
    if (pos_ == end_ && !Fill()) break;
    const std::size_t stop = LineEnd();
    if (!too_long) {
      if (stop - pos_ > max_line_ - line.size()) {
        // Over the cap: the rest of the line is passed over, not held.
        too_long = true;
      } else {
        line.append(buffer_.get() + pos_, stop - pos_);
      }
    }
    pos_ = stop;
    if (stop == end_) continue;  // the line goes on in the next block
    const char c = buffer_[pos_++];
    if (c == '\r' && (pos_ < end_ || Fill()) && buffer_[pos_] == '\n') ++pos_;
    break;
  }
  if (too_long) {
    line.clear();
    ++long_lines_;
    ++long_lines_total;
  }
}

std::string_view TextFile::ReadLnViewAnyLength(std::string& spill) {
  if (fd_ < 0) throw TextFileError(kIoNotOpen, "file not open");
  if (pos_ == end_ && !Fill()) return {};
  const std::size_t stop = LineEnd();
  if (stop == end_ || stop - pos_ > max_line_) {  // runs past the buffer, or over the cap
    ReadLn(spill);
    return spill;
  }
  const std::string_view line(buffer_.get() + pos_, stop - pos_);
  pos_ = stop + 1;
  if (buffer_[stop] != '\r') return line;
  if (pos_ < end_) {
    if (buffer_[pos_] == '\n') ++pos_;
    return line;
  }
  // A CR that ends the buffer: the next block tells whether an LF follows it.
  spill.assign(line);
  if (Fill() && buffer_[pos_] == '\n') ++pos_;
  return spill;
}

std::string TextFile::ReadLn() {
  std::string line;
  ReadLn(line);
  return line;
}

AtomicTextWriter::~AtomicTextWriter() {
  if (fd_ >= 0) Discard();
}

void AtomicTextWriter::Fail(int err) {
  if (!failed_) errno_ = err;
  failed_ = true;
}

namespace {

std::string& last_writer_error() {
  static std::string error;
  return error;
}

}  // namespace

const std::string& AtomicTextWriter::LastError() {
  return last_writer_error();
}

bool AtomicTextWriter::Open(const std::string& target) {
  const bool ok = OpenTarget(target);
  last_writer_error() = error_;
  return ok;
}

bool AtomicTextWriter::Commit() {
  const bool ok = CommitFile();
  last_writer_error() = error_;
  return ok;
}

bool AtomicTextWriter::OpenTarget(const std::string& name) {
  if (fd_ >= 0) {
    error_ = "a file is already being written";
    return false;
  }
  error_.clear();
  std::string target;
  if (!write_target(name, target)) {
    error_ = std::strerror(ELOOP);
    return false;
  }
  // A file that may not be written is refused, as opening it for writing would be.
  if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0 &&
      ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    error_ = std::strerror(EACCES);
    return false;
  }
  const std::size_t slash = target.rfind('/');
  folder_ = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  if (base.empty()) {
    error_ = std::strerror(EISDIR);
    return false;
  }
  const std::string prefix = temp_prefix(base);
  remove_stale_temporaries(folder_, prefix);
  stem_ = folder_ + prefix + std::to_string(::getpid()) + "-";
  failed_ = false;
  errno_ = 0;
  unnamed_ = false;
  temp_.clear();
  // An unnamed file in the target's folder, given a name only once it is complete; /proc
  // gives the name to link it by.
  if (::access("/proc/self/fd", X_OK) == 0) {
    const std::string folder = folder_.empty() ? "." : folder_;
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    unnamed_ = fd_ >= 0;
  }
  if (fd_ < 0 && !OpenNamed()) {
    error_ = std::strerror(errno);
    return false;
  }
  // A replaced file keeps its permissions.
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd_, st.st_mode & 07777);
  target_ = target;
  buffer_.clear();
  return true;
}

// A new temporary file named stem_ + counter, on file systems without unnamed files.
bool AtomicTextWriter::OpenNamed() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_ = next_temp_name(stem_);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ >= 0) {
      live_temporaries().insert(temp_);
      return true;
    }
    if (errno != EEXIST) break;
  }
  temp_.clear();
  return false;
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
      Fail(n < 0 ? errno : ENOSPC);
    }
  }
  buffer_.clear();
}

bool AtomicTextWriter::CommitFile() {
  if (fd_ < 0) {
    error_ = "no file is being written";
    return false;
  }
  if (!failed_) Flush();
  // The data must be on disk before the rename makes it the target.
  if (!failed_ && ::fdatasync(fd_) != 0) Fail(errno);
  if (!failed_ && unnamed_) {
    // The complete file gets a name beside the target, and the rename below puts it in place.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
      temp_ = next_temp_name(stem_);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        live_temporaries().insert(temp_);
        break;
      }
      const int err = errno;
      temp_.clear();
      if (err != EEXIST) {
        Fail(err);
        break;
      }
    }
    if (!failed_ && temp_.empty()) Fail(EEXIST);
  }
  if (::close(fd_) != 0) Fail(errno);
  fd_ = -1;
  if (!failed_ && ::rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
  live_temporaries().erase(temp_);
  if (!failed_) {
    error_.clear();
    return true;
  }
  if (!temp_.empty()) ::unlink(temp_.c_str());
  error_ = std::strerror(errno_ != 0 ? errno_ : EIO);
  return false;
}

void AtomicTextWriter::Discard() {
  ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  live_temporaries().erase(temp_);
  buffer_.clear();
}

}  // namespace orvane
