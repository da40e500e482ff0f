#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/number_reader.h"

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

// Calls use_line(line_begin, line_end) for every line in [begin, stop), in
// order, where the text ends with a line feed at stop - 1; line_end points at
// the line's line feed. The line feeds are found 64 bytes at a time, so the
// cost per line is a few instructions, not a call.
template <class UseLine>
inline void for_each_line(const char* begin, const char* stop, UseLine&& use_line);

// Walks the lines of [begin, stop), where the text ends with a line feed at
// stop - 1, finding the line feeds 64 bytes at a time. Besides taking lines
// one by one, it can pass over a run of two-line records that a test
// recognises from their line feeds alone, a few instructions a record.
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

  // Passes over the two-line records at the cursor for which
  // record(first_line, first_end, second_end) holds (the ends point at the
  // line feeds) and returns how many. It may stop early, before a record
  // whose two line feeds are more than a chunk apart.
  template <class Record>
  std::int64_t skip_records(Record&& record) {
    std::int64_t count = 0;
    for (;;) {
      if (feeds_ == 0 && !next_chunk()) break;
      if (feeds_ == 0) continue;
      const char* first_end = chunk_ + __builtin_ctzll(feeds_);
      const std::uint64_t rest = feeds_ & (feeds_ - 1);
      if (rest != 0) {
        const char* second_end = chunk_ + __builtin_ctzll(rest);
        if (!record(line_begin_, first_end, second_end)) break;
        feeds_ = rest & (rest - 1);
        line_begin_ = second_end + 1;
      } else {
        // The record's second line feed lies in the next chunk.
        if (stop_ - chunk_ <= 64) break;
        const std::uint64_t next_feeds = feeds_at(chunk_ + 64);
        if (next_feeds == 0) break;
        const char* second_end = chunk_ + 64 + __builtin_ctzll(next_feeds);
        if (!record(line_begin_, first_end, second_end)) break;
        chunk_ += 64;
        feeds_ = next_feeds & (next_feeds - 1);
        line_begin_ = second_end + 1;
      }
      ++count;
    }
    return count;
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

// Reads a line of 1 to 8 plain decimal digits from the 8 bytes at `text`
// (only the first `length` count). False when the line is empty, longer than
// 8 characters, or holds anything but digits; the caller then reads it with
// read_atoi.
inline bool read_plain_digits(const char* text, std::size_t length, std::uint32_t& value) {
  if (length == 0 || length > 8) return false;
  std::uint64_t word;
  std::memcpy(&word, text, sizeof word);
  const unsigned unused_bits = static_cast<unsigned>(64 - 8 * length);
  // Keep the line's bytes only, moved to the top (the first digit highest).
  const std::uint64_t line = word << unused_bits;
  const std::uint64_t kept = ~std::uint64_t{0} << unused_bits;
  constexpr std::uint64_t kZeros = 0x3030303030303030ULL;
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
  constexpr std::uint64_t kSixes = 0x0606060606060606ULL;
  // A digit byte is 0x30 to 0x39: its high nibble is 3, and stays 3 after
  // adding 6.
  if (((line & kHighNibbles) ^ (kZeros & kept)) != 0) return false;
  if ((((line + (kSixes & kept)) & kHighNibbles) ^ (kZeros & kept)) != 0) return false;
  std::uint64_t digits = line & 0x0F0F0F0F0F0F0F0FULL;
  digits = (digits * 2561) >> 8;
  digits = ((digits & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
  value = static_cast<std::uint32_t>(((digits & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32);
  return true;
}

// A count line read as atoi reads it, plain digits the fast way. `line`
// needs 8 readable bytes at its start.
inline std::int32_t read_count(const char* line, std::size_t length) {
  std::uint32_t value;
  if (read_plain_digits(line, length, value) && value <= 0x7FFFFFFF) {
    return static_cast<std::int32_t>(value);
  }
  return read_atoi(std::string_view(line, length));
}

}  // namespace vesmar
