#include "platform/element_memory.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace orvane {

namespace element_memory::detail {
constinit BlockTable blocks;
}

namespace {

using element_memory::detail::blocks;
using element_memory::detail::kChunkBlocks;
using element_memory::detail::kChunkShift;

constexpr std::size_t kChunkBytes = kChunkBlocks * kElementBlockSize;
// Handles are 32-bit; keep one value free so that index + 1 never wraps to 0.
constexpr std::size_t kMaxBlocks = 0xFFFFFFFEu;

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

// Blocks live in fixed chunks obtained zero-filled from calloc, so they never move and untouched
// pages cost nothing; freed blocks are reused before the arena grows. When no block is in use
// the arena starts again from its first block and keeps its memory for the next drawing.
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
    // Blocks past the high-water mark are still as calloc gave them: zero.
    if (index < touched_) {
      std::memset(address(index), 0, kElementBlockSize);
    } else {
      touched_ = index + 1;
    }
    live_flag_[index] = 1;
    ++live_;
    publish();
    return static_cast<Handle>(index + 1);
  }

  void release(Handle h) {
    if (global_lock(h) == nullptr) return;
    const std::size_t index = std::size_t{h} - 1;
    live_flag_[index] = 0;
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
    return chunks_.size() * kChunkBytes +
           chunks_.capacity() * (sizeof(chunks_[0]) + sizeof(chunk_addresses_[0])) +
           live_flag_.capacity() + free_.capacity() * sizeof(uint32_t);
  }
  void set_limit(std::size_t limit) { limit_ = limit; }

  // With no block in use every chunk goes back to the system.
  void trim() {
    if (live_ != 0) return;
    chunks_ = decltype(chunks_)();
    chunk_addresses_ = decltype(chunk_addresses_)();
    live_flag_ = decltype(live_flag_)();
    free_ = decltype(free_)();
    used_ = 0;
    touched_ = 0;
    publish();
  }

 private:
  unsigned char* address(std::size_t index) {
    return chunk_addresses_[index >> kChunkShift] +
           (index & (kChunkBlocks - 1)) * kElementBlockSize;
  }

  bool grow_if_full() {
    if (used_ < chunks_.size() * kChunkBlocks) return true;
    try {
      chunks_.reserve(chunks_.size() + 1);
      chunk_addresses_.reserve(chunks_.size() + 1);
      live_flag_.reserve((chunks_.size() + 1) * kChunkBlocks);
      void* chunk = std::calloc(kChunkBlocks, kElementBlockSize);
      if (chunk == nullptr) return false;
      chunks_.emplace_back(static_cast<unsigned char*>(chunk));
      chunk_addresses_.push_back(static_cast<unsigned char*>(chunk));
      live_flag_.resize(chunks_.size() * kChunkBlocks, 0);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }

  void publish() { blocks = {chunk_addresses_.data(), live_flag_.data(), used_}; }

  std::vector<std::unique_ptr<unsigned char, FreeDeleter>> chunks_;
  std::vector<unsigned char*> chunk_addresses_;
  std::vector<uint8_t> live_flag_;
  std::vector<uint32_t> free_;
  std::size_t used_ = 0;     // blocks handed out from the chunks, in order
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

}  // namespace element_memory

}  // namespace orvane
