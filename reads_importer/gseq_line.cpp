#include "reads_importer/gseq_line.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/line_scan.h"
#include "engine/number_reader.h"

namespace vesmar {

namespace {

constexpr unsigned kGseqFieldCount = 11;
constexpr unsigned kReadField = 9;
constexpr unsigned kFilterField = 11;
constexpr std::size_t kChunk = 64;

bool is_gseq_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The gseq white space among the 64 bytes at `chunk`, as bits.
std::uint64_t space_bits(const char* chunk) {
#if defined(__SSE2__)
  // Tab, line feed, form feed and carriage return lie in 9..13, as does the
  // vertical tab (11), which is no separator.
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i span = _mm_set1_epi8('\r' - '\t');
  const __m128i vertical_tab = _mm_set1_epi8('\v');
  const __m128i blank = _mm_set1_epi8(' ');
  std::uint64_t bits = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    const __m128i from_tab = _mm_sub_epi8(bytes, tab);
    const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(from_tab, span), from_tab);
    const __m128i space = _mm_or_si128(_mm_andnot_si128(_mm_cmpeq_epi8(bytes, vertical_tab), control),
                                       _mm_cmpeq_epi8(bytes, blank));
    bits |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(space))} << (16 * part);
  }
  return bits;
#else
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < kChunk; ++i) bits |= std::uint64_t{is_gseq_space(chunk[i])} << i;
  return bits;
#endif
}

// The position of the n-th (from 1) of the `count` set bits of `bits`,
// counted off from whichever end is nearer: in a gseq record the read field
// and the filter field usually begin and end among the last runs of their
// chunk.
unsigned nth_bit(std::uint64_t bits, unsigned n, unsigned count) {
  if (2 * n <= count + 1) {
    while (--n > 0) bits &= bits - 1;
    return static_cast<unsigned>(__builtin_ctzll(bits));
  }
  for (unsigned above = count - n; above > 0; --above) {
    bits ^= std::uint64_t{1} << (63 - __builtin_clzll(bits));
  }
  return static_cast<unsigned>(63 - __builtin_clzll(bits));
}

// Where a field lies in the line; `end` stays unset until its end is seen.
struct FieldPlace {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool begun = false;
  bool ended = false;
};

}  // namespace

// The fields are the runs of bytes other than white space, found 64 bytes at
// a time: a run begins at a byte that follows white space (or the start of
// the line) and ends at the white space after it. A line that begins with
// white space has an empty first field before its first run, so then field
// k is run k - 1. More runs than an 11-field record has end the scan early.
std::optional<std::string_view> gseq_read_in_block(std::string_view line) {
  const std::size_t size = line.size();
  if (size == 0) return std::nullopt;
  const unsigned shift = is_gseq_space(line[0]) ? 1 : 0;
  const unsigned read_run = kReadField - shift;
  const unsigned last_run = kFilterField - shift;
  static_assert(kFilterField == kGseqFieldCount, "the filter field is the last one");

  FieldPlace read;
  FieldPlace filter;
  unsigned runs_begun = 0;
  unsigned runs_ended = 0;
  std::uint64_t space_before = 1;  // bit 0: the byte before the chunk was white space
  std::uint64_t run_before = 0;    // bit 0: the byte before the chunk was in a run
  for (std::size_t offset = 0; offset < size; offset += kChunk) {
    const std::size_t left = size - offset;
    std::uint64_t space;
    if (left >= kChunk) {
      space = space_bits(line.data() + offset);
    } else {
      // The bytes past the end of the line count as white space, so that
      // the last run ends at the end of the line.
      space = space_bits(line.data() + offset) | (~std::uint64_t{0} << left);
    }
    const std::uint64_t in_run = ~space;
    const std::uint64_t begins = in_run & ((space << 1) | space_before);
    const std::uint64_t ends = space & ((in_run << 1) | run_before);
    space_before = space >> 63;
    run_before = in_run >> 63;

    const unsigned begun = runs_begun + count_bits(begins);
    // Every run begun has ended, but one that goes on into the next chunk.
    const unsigned ended = begun - static_cast<unsigned>(run_before);
    if (begun > last_run) return std::nullopt;
    const unsigned begins_here = begun - runs_begun;
    const unsigned ends_here = ended - runs_ended;
    if (!read.begun && begun >= read_run) {
      read.begin = offset + nth_bit(begins, read_run - runs_begun, begins_here);
      read.begun = true;
    }
    if (!read.ended && ended >= read_run) {
      read.end = offset + nth_bit(ends, read_run - runs_ended, ends_here);
      read.ended = true;
    }
    if (!filter.begun && begun >= last_run) {
      filter.begin = offset + nth_bit(begins, last_run - runs_begun, begins_here);
      filter.begun = true;
    }
    if (!filter.ended && ended >= last_run) {
      filter.end = offset + nth_bit(ends, last_run - runs_ended, ends_here);
      filter.ended = true;
    }
    runs_begun = begun;
    runs_ended = ended;
  }
  if (runs_begun != last_run) return std::nullopt;
  // A run that reaches the end of a line of whole chunks ends there.
  if (!filter.ended) filter.end = size;
  if (!read.ended) read.end = size;

  const std::string_view filter_text = line.substr(filter.begin, filter.end - filter.begin);
  // Most filter fields are one digit; only "1" of those reads as 1.
  const bool passed =
      filter_text.size() == 1 ? filter_text[0] == '1' : read_leading_decimal(filter_text) == 1.0;
  if (!passed) return std::nullopt;
  return line.substr(read.begin, read.end - read.begin);
}

}  // namespace vesmar
