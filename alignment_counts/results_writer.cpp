#include "alignment_counts/results_writer.h"

#include <charconv>
#include <cstring>
#include <string>

namespace vesmar {

namespace {

// The longest record: two count lines of 6 digits and two windows, each
// with its line feed.
constexpr std::size_t kLongestRecord = 2 * 7 + 2 * (kWindowLength + 1);

char* put_count_line(char* out, std::int32_t count) {
  if (count < 10) {
    *out++ = static_cast<char>('0' + count);
  } else {
    out = std::to_chars(out, out + 6, count).ptr;
  }
  *out = '\n';
  return out + 1;
}

char* put_window_line(char* out, const std::array<char, kWindowLength>& window) {
  std::memcpy(out, window.data(), window.size());
  out[window.size()] = '\n';
  return out + window.size() + 1;
}

// A stretch of uncovered positions, written a block at a time.
const std::string& uncovered_block() {
  static const std::string block = [] {
    std::string text;
    for (int i = 0; i < 1024; ++i) text += "0\n0\n";
    return text;
  }();
  return block;
}

}  // namespace

void ResultsWriter::add(const PositionCounts& counts) {
  std::int32_t wt_reads = counts.wt_reads;
  std::int32_t mut_reads = counts.mut_reads;
  if (wt_reads > kLargestCount || mut_reads > kLargestCount) {
    ++capped_positions_;
    wt_reads = std::min(wt_reads, kLargestCount);
    mut_reads = std::min(mut_reads, kLargestCount);
  }
  ++positions_;
  file_.put_in_place(kLongestRecord, [&](char* out) {
    out = put_count_line(out, wt_reads);
    out = put_count_line(out, mut_reads);
    if (mut_reads != 0) {
      out = put_window_line(out, counts.windows->read);
      out = put_window_line(out, counts.windows->reference);
    }
    return out;
  });
  if (mut_reads != 0) ++positions_with_windows_;
}

void ResultsWriter::add_uncovered(std::int64_t count) {
  const std::string& block = uncovered_block();
  const std::int64_t per_block = static_cast<std::int64_t>(block.size() / 4);
  positions_ += count;
  for (; count >= per_block; count -= per_block) file_.write(block);
  file_.write(std::string_view(block).substr(0, static_cast<std::size_t>(count) * 4));
}

}  // namespace vesmar
