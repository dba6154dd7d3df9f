#include "platform/element_memory.h"

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <vector>

namespace orvane {

namespace element_memory::detail {
constinit BlockTable blocks;
}

namespace {

using element_memory::kCommitStep;
using element_memory::detail::blocks;

// Handles are 32-bit; keep one value free so that index + 1 never wraps to 0.
constexpr std::size_t kMaxBlocks = 0xFFFFFFFEu;
constexpr std::size_t kPage = 4096;

std::size_t round_up(std::size_t n, std::size_t step) {
  return (n + step - 1) / step * step;
}

// An address range of at least bytes, aligned to kCommitStep, reserved without memory behind
// it (no access, not charged); nullptr when the system refuses it.
unsigned char* reserve(std::size_t bytes) {
  void* p = mmap(nullptr, bytes + kCommitStep, PROT_NONE,
                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  auto* start = static_cast<unsigned char*>(p);
  const std::size_t skip = round_up(reinterpret_cast<std::uintptr_t>(start), kCommitStep) -
                           reinterpret_cast<std::uintptr_t>(start);
  return start + skip;
}

// Makes [at, at + bytes) usable and fills its pages in one go rather than fault by fault.
bool commit(unsigned char* at, std::size_t bytes) {
  if (bytes == 0) return true;
  if (mprotect(at, bytes, PROT_READ | PROT_WRITE) != 0) return false;
#ifdef MADV_POPULATE_WRITE
  madvise(at, bytes, MADV_POPULATE_WRITE);  // kernels without it fault the pages in on use
#endif
  return true;
}

// Gives [at, at + bytes) back to the system; the range stays reserved and reads zero when
// committed again.
void decommit(unsigned char* at, std::size_t bytes) {
  if (bytes == 0) return;
  madvise(at, bytes, MADV_DONTNEED);
  mprotect(at, bytes, PROT_NONE);
}

// Blocks live in one reserved address range, so they never move; it is committed in steps of
// kCommitStep bytes, zero-filled by the system. Freed blocks are reused before the arena grows.
// When no block is in use the arena starts again from its first block and keeps its memory for
// the next drawing.
class Arena {
 public:
  ~Arena() { blocks = {}; }

  Handle alloc() {
    if (limit_ != 0 && live_ >= limit_) return 0;
    std::size_t index;
    if (!free_.empty()) {
      index = free_.back();
      free_.pop_back();
    } else {
      if (used_ >= kMaxBlocks || !grow_if_full()) return 0;
      index = used_++;
    }
    // Blocks past the high-water mark are still as the system gave them: zero.
    if (index < touched_) {
      std::memset(base_ + index * kElementBlockSize, 0, kElementBlockSize);
    } else {
      touched_ = index + 1;
    }
    live_bits_[index >> 6] |= uint64_t{1} << (index & 63);
    ++live_;
    publish();
    return static_cast<Handle>(index + 1);
  }

  void release(Handle h) {
    if (global_lock(h) == nullptr) return;
    const std::size_t index = std::size_t{h} - 1;
    live_bits_[index >> 6] &= ~(uint64_t{1} << (index & 63));
    --live_;
    if (live_ == 0) {
      used_ = 0;
      free_.clear();
    } else {
      free_.push_back(static_cast<uint32_t>(index));
    }
    publish();
  }

  std::size_t live() const { return live_; }
  std::size_t bytes() const {
    return committed_ + bits_committed_ + free_.capacity() * sizeof(uint32_t);
  }
  void set_limit(std::size_t limit) { limit_ = limit; }

  // With no block in use every committed page goes back to the system.
  void trim() {
    if (live_ != 0) return;
    decommit(base_, committed_);
    decommit(reinterpret_cast<unsigned char*>(live_bits_), bits_committed_);
    committed_ = bits_committed_ = 0;
    free_ = decltype(free_)();
    used_ = 0;
    touched_ = 0;
    publish();
  }

 private:
  bool reserve_once() {
    if (base_ != nullptr) return true;
    // As much address space as the handles can reach, or less if the system refuses it.
    for (std::size_t blocks_wanted = kMaxBlocks; blocks_wanted * kElementBlockSize >= kCommitStep;
         blocks_wanted /= 2) {
      unsigned char* arena = reserve(round_up(blocks_wanted * kElementBlockSize, kCommitStep));
      if (arena == nullptr) continue;
      unsigned char* bits = reserve(round_up((blocks_wanted + 63) / 64 * 8, kCommitStep));
      if (bits == nullptr) continue;  // address space only, no memory: left reserved
#ifdef MADV_HUGEPAGE
      madvise(arena, round_up(blocks_wanted * kElementBlockSize, kCommitStep), MADV_HUGEPAGE);
#endif
      base_ = arena;
      live_bits_ = reinterpret_cast<uint64_t*>(bits);
      capacity_blocks_ = blocks_wanted;
      return true;
    }
    return false;
  }

  bool grow_if_full() {
    if (used_ < committed_ / kElementBlockSize) return true;
    if (!reserve_once()) return false;
    const std::size_t committed =
        std::min(committed_ + kCommitStep, round_up(capacity_blocks_ * kElementBlockSize, kPage));
    if (committed <= committed_) return false;
    const std::size_t bits = round_up((committed / kElementBlockSize + 63) / 64 * 8, kPage);
    if (!commit(reinterpret_cast<unsigned char*>(live_bits_) + bits_committed_,
                bits - bits_committed_))
      return false;
    bits_committed_ = bits;
    if (!commit(base_ + committed_, committed - committed_)) return false;
    committed_ = committed;
    return used_ < committed_ / kElementBlockSize;
  }

  void publish() {
    blocks = {base_, live_bits_, used_};
  }

  unsigned char* base_ = nullptr;  // reserved, never released: blocks keep their addresses
  uint64_t* live_bits_ = nullptr;
  std::size_t capacity_blocks_ = 0;  // blocks the reserved range can hold
  std::size_t committed_ = 0;        // bytes of the arena usable so far
  std::size_t bits_committed_ = 0;   // bytes of the live bits usable so far
  std::vector<uint32_t> free_;
  std::size_t used_ = 0;     // blocks handed out, in order
  std::size_t touched_ = 0;  // blocks ever handed out: those below may hold old contents
  std::size_t live_ = 0;
  std::size_t limit_ = 0;
};

// Built on first use, so that code running during static start-up may allocate.
Arena& arena() {
  static Arena instance;
  return instance;
}

}  // namespace

Handle global_alloc() {
  try {
    return arena().alloc();
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

void global_free(Handle h) {
  try {
    arena().release(h);
  } catch (const std::bad_alloc&) {
    // The free list could not grow: the block stays unused rather than reused.
  }
}

namespace element_memory {

std::size_t live_blocks() {
  return arena().live();
}
std::size_t arena_bytes() {
  return arena().bytes();
}
void set_block_limit(std::size_t limit) {
  arena().set_limit(limit);
}
void trim() {
  arena().trim();
}

void* table_allocate(std::size_t bytes) {
  if (bytes < kCommitStep) return ::operator new(bytes, std::nothrow);
  const std::size_t length = round_up(bytes, kPage);
  if (length > static_cast<std::size_t>(-1) - kCommitStep) return nullptr;
  // Mapped with a step to spare, then cut to an aligned start.
  void* p = mmap(nullptr, length + kCommitStep, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                 -1, 0);
  if (p == MAP_FAILED) return nullptr;
  auto* start = static_cast<unsigned char*>(p);
  auto* aligned = reinterpret_cast<unsigned char*>(
      round_up(reinterpret_cast<std::uintptr_t>(start), kCommitStep));
  if (aligned > start) munmap(start, static_cast<std::size_t>(aligned - start));
  const std::size_t tail =
      static_cast<std::size_t>(start + length + kCommitStep - aligned) - length;
  if (tail > 0) munmap(aligned + length, tail);
#ifdef MADV_HUGEPAGE
  madvise(aligned, length, MADV_HUGEPAGE);
#endif
  return aligned;
}

void table_deallocate(void* at, std::size_t bytes) {
  if (at == nullptr) return;
  if (bytes < kCommitStep) {
    ::operator delete(at);
    return;
  }
  munmap(at, round_up(bytes, kPage));
}

void populate(void* at, std::size_t bytes) {
  const auto start = round_up(reinterpret_cast<std::uintptr_t>(at), kPage);
  const auto end = (reinterpret_cast<std::uintptr_t>(at) + bytes) / kPage * kPage;
  if (end <= start) return;
  void* first = reinterpret_cast<void*>(start);
#ifdef MADV_HUGEPAGE
  madvise(first, end - start, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  madvise(first, end - start, MADV_POPULATE_WRITE);
#endif
}

}  // namespace element_memory

}  // namespace orvane
