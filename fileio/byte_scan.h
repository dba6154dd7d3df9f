// Finding bytes of a text sixteen at a time: the record scans of the readers run on every byte
// of a file.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::byte_scan {

inline constexpr std::size_t kBlock = 16;

#if defined(__SSE2__)
// Bit j is set when byte j of the block at p equals c.
inline unsigned equal_mask(const char* p, char c) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}
// Bit j is set when byte j is an ASCII letter or another character from 'A' on.
inline unsigned from_a_mask(const char* p) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpgt_epi8(block, _mm_set1_epi8('@'))));
}
#else
inline unsigned equal_mask(const char* p, char c) {
  unsigned m = 0;
  for (std::size_t j = 0; j < kBlock; ++j)
    m |= static_cast<unsigned>(p[j] == c) << j;
  return m;
}
inline unsigned from_a_mask(const char* p) {
  unsigned m = 0;
  for (std::size_t j = 0; j < kBlock; ++j) {
    const auto c = static_cast<signed char>(p[j]);
    m |= static_cast<unsigned>(c >= 'A') << j;
  }
  return m;
}
#endif

// Calls f(i) for every set bit i of mask, lowest first, offset by base.
template <class F>
inline void each_bit(unsigned mask, std::size_t base, F&& f) {
  while (mask != 0) {
    f(base + static_cast<std::size_t>(__builtin_ctz(mask)));
    mask &= mask - 1;
  }
}

}  // namespace orvane::byte_scan
