#include "reads_importer/read_file_conversion.h"

#include <cstring>
#include <span>

#include "engine/line_scan.h"
#include "reads_importer/gseq_line.h"
#include "reads_importer/read_normalisation.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vesmar {

namespace {

// The reads files of a run hold hundreds of millions of lines, so the input
// is taken a block at a time: the line feeds are found 64 bytes at a time
// (LineCursor), and each read is normalised 16 bytes at a time straight into
// the reads file's buffer. Every line inside a block, the last piece of the
// file included, is followed by at least 64 readable bytes (line_scan.h), so
// the 32 bytes of a read and a line's 64-byte pieces can be loaded whole.

// Appends the read at `read` (with readable room behind it, as in a block),
// normalised and cut, and its line feed. The room is asked for the exact
// size of the line, so the buffer is flushed where write() would flush it.
// Inlined into each format's loop, where it runs once per read.
[[gnu::always_inline]] inline void append_read(OutputFile& output, const char* read, std::size_t length) {
  const std::size_t kept = length < kReadLength ? length : kReadLength;
  const std::span<char> room = output.room(kept + 1);
  if (room.size() >= kReadLength) {
    normalise_read_bytes(read, room.data());
  } else {
    char bytes[kReadLength];
    normalise_read_bytes(read, bytes);
    std::memcpy(room.data(), bytes, kept);
  }
  room[kept] = '\n';
  output.appended(kept + 1);
}

// Whether the line at `line` (with readable room behind it) holds a ">".
bool holds_angle_bracket(const char* line, std::size_t length) {
  if (length == 0) return false;
  if (line[0] == '>') return true;
  if (length > 64) return std::memchr(line, '>', length) != nullptr;
#if defined(__SSE2__)
  const __m128i bracket = _mm_set1_epi8('>');
  std::uint64_t bits = 0;
  for (std::size_t part = 0; part * 16 < length; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + 16 * part));
    bits |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, bracket)))}
            << (16 * part);
  }
  if (length < 64) bits &= (std::uint64_t{1} << length) - 1;
  return bits != 0;
#else
  return std::memchr(line, '>', length) != nullptr;
#endif
}

// Notes what the file's first three lines look like.
void note_start(FileConversion& result, std::uint64_t index, const char* line, std::size_t length) {
  const char first = length > 0 ? line[0] : '\0';
  if (index == 0) {
    result.looks_like_fasta = first == '>';
    result.looks_like_fastq = first == '@';
  } else if (index == 2) {
    result.looks_like_fastq = result.looks_like_fastq && first == '+';
  }
}

// Converts the lines of one file: take(line, length) appends the line's read,
// if it has one, and tells whether it did. With `line_ends_take_returns`, a
// carriage return before a line feed is left out of the line (FASTQ and
// FASTA files with Windows line ends). Counts the lines and the reads; stops
// as soon as a write has failed.
template <class Take>
FileConversion convert_lines(LineReader& input, OutputFile& output, bool line_ends_take_returns, Take&& take) {
  FileConversion result;
  const auto take_line = [&](const char* line, std::size_t length) {
    if (result.lines < 3) note_start(result, result.lines, line, length);
    ++result.lines;
    if (!take(line, length)) return true;
    ++result.reads;
    return !output.failed();
  };
  const auto whole_lines = [&](const char* begin, const char* stop) {
    LineCursor cursor(begin, stop);
    const char* line;
    std::size_t length;
    while (cursor.next(line, length)) {
      if (line_ends_take_returns && length > 0 && line[length - 1] == '\r') --length;
      if (!take_line(line, length)) return false;
    }
    return true;
  };
  // The piece after the last line feed is a line only when it holds a byte.
  const auto last_line = [&](std::string_view line) {
    if (!line.empty()) take_line(line.data(), line.size());
  };
  if (Status read = read_in_blocks(input, whole_lines, last_line); !read.ok()) result.read_failure = read.failure();
  return result;
}

}  // namespace

FileConversion convert_file(LineReader& input, ConversionState& state, OutputFile& output) {
  switch (state.format) {
    case ReadFormat::gseq:
      return convert_lines(input, output, false, [&](const char* line, std::size_t length) {
        const std::optional<std::string_view> read = gseq_read_in_block(std::string_view(line, length));
        if (!read) return false;
        append_read(output, read->data(), read->size());
        return true;
      });
    case ReadFormat::fastq: {
      int fastq_line = state.fastq_line;
      FileConversion result = convert_lines(input, output, true, [&](const char* line, std::size_t length) {
        if (!fastq_line_is_read(fastq_line)) return false;
        append_read(output, line, length);
        return true;
      });
      state.fastq_line = fastq_line;
      return result;
    }
    case ReadFormat::fasta:
      return convert_lines(input, output, true, [&](const char* line, std::size_t length) {
        if (holds_angle_bracket(line, length)) return false;
        append_read(output, line, length);
        return true;
      });
  }
  return FileConversion{};
}

}  // namespace vesmar
