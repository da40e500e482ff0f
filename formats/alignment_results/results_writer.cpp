#include "formats/alignment_results/results_writer.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vesmar {

namespace {

// A stretch of uncovered positions, written a block at a time.
const std::string& uncovered_block() {
  static const std::string block = [] {
    std::string text;
    for (int i = 0; i < 1024; ++i) text += "0\n0\n";
    return text;
  }();
  return block;
}

char* put_window_line(char* out, std::string_view window) {
  std::memcpy(out, window.data(), window.size());
  out[window.size()] = '\n';
  return out + window.size() + 1;
}

}  // namespace

void AlignmentResultsWriter::add_any(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
                                     std::string_view reference_window) {
  if (wt_reads > kLargestCount || mut_reads > kLargestCount) {
    ++summary_.capped_positions;
    wt_reads = std::min(wt_reads, kLargestCount);
    mut_reads = std::min(mut_reads, kLargestCount);
  }
  ++summary_.positions;
  summary_.lines += 2;
  if (wt_reads == 0 && mut_reads == 0) ++summary_.uncovered_positions;
  // The longest record: two count lines and the two windows, each with its
  // line feed.
  const std::size_t longest = 2 * (kLongestCountLine + 1) + read_window.size() + reference_window.size() + 2;
  file_.put_in_place(longest, [&](char* const begin) {
    char* out = put_count_line(begin, wt_reads);
    out = put_count_line(out, mut_reads);
    if (mut_reads != 0) {
      out = put_window_line(out, read_window);
      out = put_window_line(out, reference_window);
    }
    summary_.bytes += out - begin;
    return out;
  });
  if (mut_reads != 0) {
    ++summary_.records_with_windows;
    summary_.lines += 2;
  }
}

void AlignmentResultsWriter::add_uncovered(std::int64_t count) {
  const std::string& block = uncovered_block();
  const std::int64_t per_block = static_cast<std::int64_t>(block.size() / 4);
  summary_.positions += count;
  summary_.uncovered_positions += count;
  summary_.lines += 2 * count;
  summary_.bytes += 4 * count;
  for (; count >= per_block; count -= per_block) file_.write(block);
  file_.write(std::string_view(block).substr(0, static_cast<std::size_t>(count) * 4));
}

}  // namespace vesmar
