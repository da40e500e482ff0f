#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "engine/line_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vesmar {

// Which of the 64 bytes at `chunk` are line feeds, "0" digits and the digits
// "1" to "9", as bits.
struct ChunkClasses {
  std::uint64_t feeds = 0;
  std::uint64_t zeros = 0;
  std::uint64_t nonzero_digits = 0;
};

inline ChunkClasses classify_chunk(const char* chunk) {
  ChunkClasses classes;
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  const __m128i zero = _mm_set1_epi8('0');
  const __m128i one = _mm_set1_epi8('1');
  const __m128i eight = _mm_set1_epi8(8);
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    const auto bits = [](__m128i mask) {
      return std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(mask))};
    };
    // A byte b is "1" to "9" when b - '1', unsigned, is at most 8.
    const __m128i from_one = _mm_sub_epi8(bytes, one);
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(from_one, eight), from_one);
    classes.feeds |= bits(_mm_cmpeq_epi8(bytes, feed)) << (16 * part);
    classes.zeros |= bits(_mm_cmpeq_epi8(bytes, zero)) << (16 * part);
    classes.nonzero_digits |= bits(digit) << (16 * part);
  }
#else
  for (int i = 0; i < 64; ++i) {
    const unsigned char byte = static_cast<unsigned char>(chunk[i]);
    classes.feeds |= std::uint64_t{byte == '\n'} << i;
    classes.zeros |= std::uint64_t{byte == '0'} << i;
    classes.nonzero_digits |= std::uint64_t{byte >= '1' && byte <= '9'} << i;
  }
#endif
  return classes;
}

// Bit i of the result is the parity of bits 0 to i of x.
inline std::uint64_t prefix_parity(std::uint64_t x) {
  x ^= x << 1;
  x ^= x << 2;
  x ^= x << 4;
  x ^= x << 8;
  x ^= x << 16;
  x ^= x << 32;
  return x;
}

// The two-line records that make up nine tenths of an alignment results
// file, which the scanners pass over in bulk: a first line of any kind and
// "0" (no mutant read); or, where only count lines (lines of at most six
// characters) make up the records and longer lines are passed over, a count
// line that begins with "1" to "9" (at least one WT read) and "0".
enum class QuickRecord { NoMutantReads, WildTypeOnly };
inline constexpr std::size_t kLongestCountLine = 6;

// Finds the ends of lines near a walk's current chunk from the line feeds
// it has already found there, and from the text beyond them.
class LineEnds {
 public:
  LineEnds(const LineCursor& cursor, const char* chunk, std::uint64_t feeds,
           std::uint64_t next_feeds)
      : cursor_(cursor), chunk_(chunk), feeds_(feeds), next_feeds_(next_feeds) {}

  // The line feed that ends the line holding `from`, or nullptr when the
  // text ends first.
  const char* line_end(const char* from) const {
    if (from >= chunk_) {
      const auto offset = static_cast<std::size_t>(from - chunk_);
      if (offset < 64) {
        if (const std::uint64_t here = feeds_ >> offset; here != 0) return from + __builtin_ctzll(here);
        if (next_feeds_ != 0) return chunk_ + 64 + __builtin_ctzll(next_feeds_);
      } else if (offset < 128) {
        if (const std::uint64_t here = next_feeds_ >> (offset - 64); here != 0) {
          return from + __builtin_ctzll(here);
        }
      }
    }
    return cursor_.line_end(from);
  }

 private:
  const LineCursor& cursor_;
  const char* chunk_;
  std::uint64_t feeds_;
  std::uint64_t next_feeds_;
};

// Whether walks use the AVX2 build of their loop: true where the processor
// has AVX2, BMI1/2, POPCNT and PCLMULQDQ. Tests switch it to cover both.
bool wide_walks();
void set_wide_walks(bool wide);

// The walk's loop is built twice from one text: for the baseline x86-64
// instruction set, and for processors with AVX2 (classifying 32 bytes at an
// instruction, the parity of line starts by carry-less multiplication,
// counting bits with POPCNT), chosen when the program starts.
namespace plain_walk {
#include "formats/alignment_results/record_walk_body.h"
}  // namespace plain_walk

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VESMAR_WIDE_WALKS 1
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,bmi,bmi2,popcnt,pclmul"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,popcnt,pclmul")
#endif
namespace wide_walk {

inline ChunkClasses classify_chunk(const char* chunk) {
  const __m256i feed = _mm256_set1_epi8('\n');
  const __m256i zero = _mm256_set1_epi8('0');
  const __m256i one = _mm256_set1_epi8('1');
  const __m256i eight = _mm256_set1_epi8(8);
  ChunkClasses classes;
  for (int part = 0; part < 2; ++part) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(chunk + 32 * part));
    const auto bits = [](__m256i mask) {
      return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(mask))};
    };
    // A byte b is "1" to "9" when b - '1', unsigned, is at most 8.
    const __m256i from_one = _mm256_sub_epi8(bytes, one);
    const __m256i digit = _mm256_cmpeq_epi8(_mm256_min_epu8(from_one, eight), from_one);
    classes.feeds |= bits(_mm256_cmpeq_epi8(bytes, feed)) << (32 * part);
    classes.zeros |= bits(_mm256_cmpeq_epi8(bytes, zero)) << (32 * part);
    classes.nonzero_digits |= bits(digit) << (32 * part);
  }
  return classes;
}

// Multiplying by all ones without carries gives the running parity.
inline std::uint64_t prefix_parity(std::uint64_t x) {
  const __m128i product = _mm_clmulepi64_si128(_mm_set_epi64x(0, static_cast<long long>(x)),
                                                _mm_set1_epi8(static_cast<char>(0xFF)), 0);
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(product));
}

inline unsigned count_bits(std::uint64_t bits) {
  return static_cast<unsigned>(__builtin_popcountll(bits));
}

#include "formats/alignment_results/record_walk_body.h"
}  // namespace wide_walk
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

// Walks the two-line records (pairs of lines, or of count lines) that follow
// the cursor, which must stand at the start of a record, passing over the
// quick ones (see QuickRecord) in bulk. Runs of quick records go to
// quick_run(count). Every other record goes to other_pair(first_line,
// line_ends), which finds the ends of its lines with line_ends.line_end()
// and returns where the records after it begin, having taken an even number
// of the lines that make up records (the record and, say, two window lines
// after it), or nullptr to leave the record to the cursor's next(); the walk
// then ends with the cursor at that record. quick_run is called before each
// other_pair and at the end, so the calls come in file order. The walk also
// ends a few records before the end of the text, leaving them to next().
template <QuickRecord kind, class QuickRun, class OtherPair>
void walk_records(LineCursor& cursor, QuickRun&& quick_run, OtherPair&& other_pair) {
#if defined(VESMAR_WIDE_WALKS)
  if (wide_walks()) {
    wide_walk::walk_records<kind>(cursor, quick_run, other_pair);
    return;
  }
#endif
  plain_walk::walk_records<kind>(cursor, quick_run, other_pair);
}

}  // namespace vesmar
