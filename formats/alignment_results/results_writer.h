#pragma once

#include <charconv>
#include <cstdint>
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
  // mut_reads is not 0.
  void add(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
           std::string_view reference_window) {
    if (mut_reads == 0 && wt_reads <= kLargestCount) [[likely]] {
      add_without_mutant_reads(wt_reads);
    } else {
      add_any(wt_reads, mut_reads, read_window, reference_window);
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
  // Nearly every position of a genome has no mutant read: its record is
  // written here, in line, since a genome has a hundred million of them.
  void add_without_mutant_reads(std::int32_t wt_reads) {
    ++summary_.positions;
    summary_.lines += 2;
    if (wt_reads == 0) ++summary_.uncovered_positions;
    file_.put_in_place(kLongestCountLine + 3, [&](char* const begin) {
      char* out = put_count_line(begin, wt_reads);
      out[0] = '0';
      out[1] = '\n';
      summary_.bytes += out + 2 - begin;
      return out + 2;
    });
  }
  void add_any(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
               std::string_view reference_window);

  OutputFile& file_;
  AlignmentResultsSummary summary_;
};

}  // namespace vesmar
