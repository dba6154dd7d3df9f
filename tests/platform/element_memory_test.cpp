// No core is linked here: nothing allocates but these cases, and each frees what it allocates.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/element_memory.h"

using namespace orvane;

namespace {

bool all_zero(Handle h) {
  const auto* p = static_cast<const unsigned char*>(global_lock(h));
  if (p == nullptr) return false;
  for (std::size_t i = 0; i < kElementBlockSize; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

void free_all(std::vector<Handle>& handles) {
  for (Handle h : handles)
    global_free(h);
  handles.clear();
}

}  // namespace

TEST(ElementMemory, HandlesAreNonZeroAndBlocksComeZeroFilled) {
  const std::size_t live = element_memory::live_blocks();
  std::vector<Handle> handles;
  for (int i = 0; i < 8; ++i)
    handles.push_back(global_alloc());
  for (Handle h : handles) {
    ASSERT_NE(h, 0u);
    EXPECT_TRUE(all_zero(h)) << h;
    std::memset(global_lock(h), 0xA5, kElementBlockSize);
    global_unlock(h);
  }
  EXPECT_EQ(element_memory::live_blocks(), live + 8);
  EXPECT_GE(element_memory::arena_bytes(), 8 * kElementBlockSize);

  // Blocks freed while others stay live are handed out again, cleared.
  std::vector<Handle> freed(handles.begin() + 1, handles.end());
  handles.resize(1);
  free_all(freed);
  for (int i = 0; i < 7; ++i) {
    handles.push_back(global_alloc());
    ASSERT_NE(handles.back(), 0u);
    EXPECT_TRUE(all_zero(handles.back())) << handles.back();
  }
  free_all(handles);
  EXPECT_EQ(element_memory::live_blocks(), live);
}

TEST(ElementMemory, LockOfZeroFreedOrUnknownHandleGivesNull) {
  const Handle keep = global_alloc();
  const Handle h = global_alloc();
  ASSERT_NE(global_lock(h), nullptr);
  const std::size_t live = element_memory::live_blocks();
  global_free(h);
  EXPECT_EQ(global_lock(h), nullptr);
  EXPECT_EQ(global_lock(0), nullptr);
  EXPECT_EQ(global_lock(h + 100000), nullptr);
  EXPECT_EQ(global_lock(0xFFFFFFFFu), nullptr);
  // Freeing 0, an unknown or an already freed handle changes nothing.
  global_free(0);
  global_free(h + 100000);
  global_free(h);
  EXPECT_EQ(element_memory::live_blocks(), live - 1);
  EXPECT_NE(global_lock(keep), nullptr);
  global_free(keep);
}

TEST(ElementMemory, BlockLimitRefusesAllocationUntilRaisedOrFreed) {
  const std::size_t live = element_memory::live_blocks();
  element_memory::set_block_limit(live + 2);
  std::vector<Handle> handles = {global_alloc(), global_alloc()};
  EXPECT_NE(handles[0], 0u);
  EXPECT_NE(handles[1], 0u);
  EXPECT_EQ(global_alloc(), 0u);
  global_free(handles.back());
  handles.back() = global_alloc();
  EXPECT_NE(handles.back(), 0u);
  EXPECT_EQ(global_alloc(), 0u);
  element_memory::set_block_limit(0);
  handles.push_back(global_alloc());
  EXPECT_NE(handles.back(), 0u);
  free_all(handles);
}

TEST(ElementMemory, BlocksStayPutWhileTheArenaGrows) {
  std::vector<Handle> handles = {global_alloc()};
  auto* first = static_cast<unsigned char*>(global_lock(handles[0]));
  ASSERT_NE(first, nullptr);
  std::memset(first, 0x5A, kElementBlockSize);
  for (int i = 0; i < 100000; ++i) {
    handles.push_back(global_alloc());
    ASSERT_NE(handles.back(), 0u) << i;
    *static_cast<int*>(global_lock(handles.back())) = i;
  }
  EXPECT_EQ(global_lock(handles[0]), first);
  EXPECT_EQ(first[0], 0x5A);
  EXPECT_EQ(first[kElementBlockSize - 1], 0x5A);
  int wrong = 0;
  for (int i = 0; i < 100000; ++i) {
    if (*static_cast<int*>(global_lock(handles[i + 1])) != i) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GE(element_memory::arena_bytes(), handles.size() * kElementBlockSize);
  free_all(handles);
}

// The arena commits kCommitStep bytes at a time: every block keeps its address and contents
// across several steps, the memory held follows the steps, and a limit set in the middle of a
// step still refuses blocks.
TEST(ElementMemory, CommitStepsKeepBlocksAndHonourTheLimit) {
  const std::size_t per_step = element_memory::kCommitStep / kElementBlockSize;
  const std::size_t count = 3 * per_step + per_step / 2;
  std::vector<Handle> handles;
  std::vector<void*> addresses;
  for (std::size_t i = 0; i < count; ++i) {
    handles.push_back(global_alloc());
    ASSERT_NE(handles.back(), 0u) << i;
    void* p = global_lock(handles.back());
    addresses.push_back(p);
    std::memcpy(p, &i, sizeof i);
  }
  std::size_t moved = 0, changed = 0;
  for (std::size_t i = 0; i < count; ++i) {
    void* p = global_lock(handles[i]);
    if (p != addresses[i]) ++moved;
    std::size_t v = 0;
    std::memcpy(&v, p, sizeof v);
    if (v != i) ++changed;
  }
  EXPECT_EQ(moved, 0u);
  EXPECT_EQ(changed, 0u);
  // Held memory covers the blocks but not more than one step beyond them (plus the live bits).
  EXPECT_GE(element_memory::arena_bytes(), count * kElementBlockSize);
  EXPECT_LE(element_memory::arena_bytes(),
            count * kElementBlockSize + element_memory::kCommitStep + count / 8 + (1 << 20));

  element_memory::set_block_limit(element_memory::live_blocks() + 2);
  handles.push_back(global_alloc());
  handles.push_back(global_alloc());
  EXPECT_NE(handles[handles.size() - 1], 0u);
  EXPECT_EQ(global_alloc(), 0u);
  element_memory::set_block_limit(0);
  free_all(handles);

  // Given back and committed again, the blocks come zero-filled.
  element_memory::trim();
  EXPECT_EQ(element_memory::arena_bytes(), 0u);
  for (std::size_t i = 0; i < per_step + 1; ++i)
    handles.push_back(global_alloc());
  std::size_t dirty = 0;
  for (Handle h : handles)
    if (!all_zero(h)) ++dirty;
  EXPECT_EQ(dirty, 0u);
  free_all(handles);
}
