#pragma once

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vesmar {

// The aligner takes reads of at most 32 bases.
inline constexpr std::size_t kReadLength = 32;

// Normalises the kReadLength bytes at `read` into `out`: "A"-"Z" lowered and
// "." (an uncalled base) turned into "n"; every other byte, a carriage return
// included, passes unchanged. Both need kReadLength bytes of room; bytes past
// the end of a shorter read are normalised too, and the caller leaves them out.
inline void normalise_read_bytes(const char* read, char* out) {
#if defined(__SSE2__)
  const __m128i letter_a = _mm_set1_epi8('A');
  const __m128i letters = _mm_set1_epi8('Z' - 'A');
  const __m128i dot = _mm_set1_epi8('.');
  const __m128i lower_bit = _mm_set1_epi8('a' - 'A');
  const __m128i dot_to_n = _mm_set1_epi8('.' ^ 'n');
  for (std::size_t half = 0; half < kReadLength; half += 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(read + half));
    // A byte b is a capital when b - 'A', unsigned, is at most 25.
    const __m128i from_a = _mm_sub_epi8(bytes, letter_a);
    const __m128i capital = _mm_cmpeq_epi8(_mm_min_epu8(from_a, letters), from_a);
    const __m128i is_dot = _mm_cmpeq_epi8(bytes, dot);
    bytes = _mm_or_si128(bytes, _mm_and_si128(capital, lower_bit));
    bytes = _mm_xor_si128(bytes, _mm_and_si128(is_dot, dot_to_n));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + half), bytes);
  }
#else
  for (std::size_t i = 0; i < kReadLength; ++i) {
    const char c = read[i];
    out[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c == '.' ? 'n' : c;
  }
#endif
}

}  // namespace vesmar
