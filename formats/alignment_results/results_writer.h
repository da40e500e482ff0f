#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/output_file.h"
#include "formats/alignment_results/count_limits.h"

namespace vesmar {

// What an alignment results file holds, as it is written.
struct AlignmentResultsSummary {
  std::int64_t positions = 0;  // the last record's genome position
  std::int64_t lines = 0;
  std::int64_t bytes = 0;
  std::int64_t records_with_windows = 0;
  std::int64_t uncovered_positions = 0;  // the counts 0 and 0
  std::int64_t capped_positions = 0;     // a count above kLargestCount, written as that
};

// Writes the alignment results file's records, one per genome position from
// position 1 on, the padding included: the WT and mutant counts on lines of
// their own and, when the mutant count is not 0, the read's and the
// reference's window (alignment_windows.h).
class AlignmentResultsWriter {
 public:
  explicit AlignmentResultsWriter(OutputFile& file) : file_(file) {}

  // The record of the next position; the windows are written only when
  // mut_reads is not 0. In line: a genome has a hundred million positions.
  void add(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
           std::string_view reference_window) {
    if (wt_reads > kLargestCount || mut_reads > kLargestCount) [[unlikely]] {
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
  // `count` positions that no read covers (or padding): the counts 0 and 0.
  void add_uncovered(std::int64_t count);
  // Records up to genome position `position` that no read covers.
  void add_uncovered_until(std::int64_t position) {
    if (position > summary_.positions) add_uncovered(position - summary_.positions);
  }

  const AlignmentResultsSummary& summary() const { return summary_; }

 private:
  // Most counts have one or two digits.
  static char* put_count_line(char* out, std::int32_t count) {
    if (count < 10) {
      *out++ = static_cast<char>('0' + count);
    } else if (count < 100) {
      *out++ = static_cast<char>('0' + count / 10);
      *out++ = static_cast<char>('0' + count % 10);
    } else {
      out = std::to_chars(out, out + kLongestCountLine, count).ptr;
    }
    *out = '\n';
    return out + 1;
  }
  static char* put_window_line(char* out, std::string_view window) {
    std::memcpy(out, window.data(), window.size());
    out[window.size()] = '\n';
    return out + window.size() + 1;
  }

  OutputFile& file_;
  AlignmentResultsSummary summary_;
};

}  // namespace vesmar
