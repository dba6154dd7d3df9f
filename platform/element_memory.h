// Element memory: zero-filled blocks of one element record, reached through handles.
//
// A handle is 1 + the index of a block in an arena whose blocks never move; 0 means no block.
// The arena is one reserved address range, committed (and its pages populated) in steps of
// kCommitStep bytes as it grows, so that a first fill takes no page fault per block.
// Locking a handle gives the block's address, or nullptr for 0, a freed or an unknown handle.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

using Handle = uint32_t;

// Size of one block: the element record is laid out to exactly this many bytes.
inline constexpr std::size_t kElementBlockSize = 80;

namespace element_memory {
// Bytes the arena commits at a time: one transparent huge page where the system has them.
inline constexpr std::size_t kCommitStep = std::size_t{2} << 20;
}  // namespace element_memory

namespace element_memory::detail {

// What locking needs to know of the arena, kept current by it; locking is inline because every
// drawing pass locks each element once.
struct BlockTable {
  unsigned char* base = nullptr;   // the first block; the others follow it contiguously
  const uint64_t* live = nullptr;  // one bit per block handed out: 1 while it is allocated
  std::size_t used = 0;            // blocks handed out so far
};
extern constinit BlockTable blocks;

}  // namespace element_memory::detail

// A new zero-filled block, or 0 when no memory can be had (or the block limit is reached).
Handle global_alloc();

inline void* global_lock(Handle h) {
  using namespace element_memory::detail;
  const std::size_t index = std::size_t{h} - 1;  // handle 0 wraps past every block
  if (index >= blocks.used || !((blocks.live[index >> 6] >> (index & 63)) & 1)) return nullptr;
  return blocks.base + index * kElementBlockSize;
}

inline void global_unlock(Handle) {}

// Returns the block to the arena; 0 and unknown handles are ignored.
void global_free(Handle h);

namespace element_memory {

// Blocks currently allocated.
std::size_t live_blocks();
// Bytes the arena holds from the system, bookkeeping included.
std::size_t arena_bytes();
// Caps the number of live blocks, so that allocation failure can be tested; 0 removes the cap.
void set_block_limit(std::size_t limit);
// Asks the system to back the whole pages of [at, at + bytes) now, in one go rather than fault
// by fault; their contents are kept. For large tables that are about to be filled.
void populate(void* at, std::size_t bytes);
// Gives the arena's memory back to the system when no block is in use. Freed memory is
// otherwise kept for the next drawing.
void trim();

}  // namespace element_memory

}  // namespace orvane
