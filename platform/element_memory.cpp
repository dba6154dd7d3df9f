#include "platform/element_memory.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace orvane {

namespace {

constexpr std::size_t kChunkShift = 14;
constexpr std::size_t kChunkBlocks = std::size_t{1} << kChunkShift;
constexpr std::size_t kChunkBytes = kChunkBlocks * kElementBlockSize;
// Handles are 32-bit; keep one value free so that index + 1 never wraps to 0.
constexpr std::size_t kMaxBlocks = 0xFFFFFFFEu;

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

// Blocks live in fixed chunks obtained zero-filled from calloc, so they never move and untouched
// pages cost nothing; freed blocks are reused before the arena grows.
class Arena {
 public:
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
    return static_cast<Handle>(index + 1);
  }

  void* lock(Handle h) {
    const std::size_t index = std::size_t{h} - 1;
    if (h == 0 || index >= used_ || !live_flag_[index]) return nullptr;
    return address(index);
  }

  void release(Handle h) {
    if (lock(h) == nullptr) return;
    const std::size_t index = std::size_t{h} - 1;
    live_flag_[index] = 0;
    --live_;
    if (live_ == 0) {
      // Start again from the first block: the memory stays for the next drawing.
      used_ = 0;
      free_.clear();
    } else {
      free_.push_back(static_cast<uint32_t>(index));
    }
  }

  std::size_t live() const { return live_; }
  std::size_t bytes() const {
    return chunks_.size() * kChunkBytes + chunks_.capacity() * sizeof(void*) +
           live_flag_.capacity() + free_.capacity() * sizeof(uint32_t);
  }
  void set_limit(std::size_t limit) { limit_ = limit; }

  // With no block in use every chunk goes back to the system.
  void trim() {
    if (live_ != 0) return;
    chunks_.clear();
    chunks_.shrink_to_fit();
    live_flag_.clear();
    live_flag_.shrink_to_fit();
    free_.clear();
    free_.shrink_to_fit();
    used_ = 0;
    touched_ = 0;
  }

 private:
  unsigned char* address(std::size_t index) {
    return static_cast<unsigned char*>(chunks_[index >> kChunkShift].get()) +
           (index & (kChunkBlocks - 1)) * kElementBlockSize;
  }

  bool grow_if_full() {
    if (used_ < chunks_.size() * kChunkBlocks) return true;
    try {
      void* chunk = std::calloc(kChunkBlocks, kElementBlockSize);
      if (chunk == nullptr) return false;
      chunks_.emplace_back(chunk);
      live_flag_.resize(chunks_.size() * kChunkBlocks, 0);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }

  std::vector<std::unique_ptr<void, FreeDeleter>> chunks_;
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

void* global_lock(Handle h) {
  return arena().lock(h);
}
void global_unlock(Handle) {}
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
