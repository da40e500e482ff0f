#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/number_reader.h"

namespace vesmar {

// Byte-level helpers for the parsers that read files of hundreds of millions
// of short lines. They read whole 64-byte chunks and 8-byte words, so they
// may look at up to 64 bytes past the end of the text they are given; the
// LineReader's blocks keep that much readable room behind their end (bytes
// that are looked at there never change a result).
inline constexpr std::size_t kScanSlack = 64;

// The positions of the line feeds among the 64 bytes at `chunk`, as bits.
inline std::uint64_t line_feed_bits(const char* chunk) {
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  std::uint64_t bits = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    const auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed)));
    bits |= std::uint64_t{mask} << (16 * part);
  }
  return bits;
#else
  std::uint64_t bits = 0;
  for (int i = 0; i < 64; ++i) bits |= std::uint64_t{chunk[i] == '\n'} << i;
  return bits;
#endif
}

// The line feeds in [begin, end). Each byte of a 16-byte counter counts the
// line feeds in its lane for up to 255 rounds, then the lanes are added up,
// about one instruction per 5 bytes.
inline std::uint64_t count_line_feeds(const char* begin, const char* end) {
  std::uint64_t count = 0;
  const char* at = begin;
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  while (end - at >= 16) {
    const std::size_t rounds = std::min<std::size_t>(static_cast<std::size_t>(end - at) / 16, 255);
    __m128i lanes = zero;
    for (std::size_t round = 0; round < rounds; ++round, at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, feed));
    }
    const __m128i sums = _mm_sad_epu8(lanes, zero);
    count += static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums)) +
             static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
  }
#endif
  for (; at < end; ++at) count += *at == '\n' ? 1 : 0;
  return count;
}

// The number of set bits, without a library call (the baseline x86-64 that
// the suite is built for has no popcount instruction, and the call costs
// more than these few steps).
inline unsigned count_bits(std::uint64_t bits) {
  bits -= (bits >> 1) & 0x5555555555555555ULL;
  bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
  bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<unsigned>((bits * 0x0101010101010101ULL) >> 56);
}

// Calls use_line(line_begin, line_end) for every line in [begin, stop), in
// order, where the text ends with a line feed at stop - 1; line_end points at
// the line's line feed. The line feeds are found 64 bytes at a time, so the
// cost per line is a few instructions, not a call.
template <class UseLine>
inline void for_each_line(const char* begin, const char* stop, UseLine&& use_line);

// Walks the lines of [begin, stop), where the text ends with a line feed at
// stop - 1, finding the line feeds 64 bytes at a time (walk_records, in
// record_walk.h, passes over whole runs of records from it).
class LineCursor {
 public:
  LineCursor(const char* begin, const char* stop)
      : chunk_(begin), stop_(stop), line_begin_(begin), feeds_(feeds_at(begin)) {}

  // The next line, without its line feed; false when the text is done.
  bool next(const char*& line, std::size_t& length) {
    while (feeds_ == 0) {
      if (!next_chunk()) return false;
    }
    const char* end = chunk_ + __builtin_ctzll(feeds_);
    feeds_ &= feeds_ - 1;
    line = line_begin_;
    length = static_cast<std::size_t>(end - line_begin_);
    line_begin_ = end + 1;
    return true;
  }

  // The line feed that ends the line holding `from`, or nullptr when the
  // text ends first.
  const char* line_end(const char* from) const {
    for (const char* chunk = from; chunk < stop_; chunk += 64) {
      const std::uint64_t feeds = feeds_at(chunk);
      if (feeds != 0) return chunk + __builtin_ctzll(feeds);
    }
    return nullptr;
  }

  // Where the cursor stands: the start of the next line.
  const char* line_begin() const { return line_begin_; }
  // The end of the text (just past its last line feed).
  const char* stop() const { return stop_; }
  // Moves the cursor to `line_begin`, the start of a line at or after the
  // current one.
  void move_to(const char* line_begin) {
    line_begin_ = line_begin;
    chunk_ = line_begin;
    feeds_ = feeds_at(line_begin);
  }

 private:
  std::uint64_t feeds_at(const char* chunk) const {
    std::uint64_t feeds = line_feed_bits(chunk);
    const std::size_t left = static_cast<std::size_t>(stop_ - chunk);
    if (left < 64) feeds &= (std::uint64_t{1} << left) - 1;
    return feeds;
  }
  bool next_chunk() {
    if (stop_ - chunk_ <= 64) return false;
    chunk_ += 64;
    feeds_ = feeds_at(chunk_);
    return true;
  }

  const char* chunk_;
  const char* stop_;
  const char* line_begin_;
  std::uint64_t feeds_;
};

template <class UseLine>
inline void for_each_line(const char* begin, const char* stop, UseLine&& use_line) {
  LineCursor cursor(begin, stop);
  const char* line;
  std::size_t length;
  while (cursor.next(line, length)) use_line(line, line + length);
}

}  // namespace vesmar
