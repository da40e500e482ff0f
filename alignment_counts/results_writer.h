#pragma once

#include <cstdint>

#include "alignment_counts/position_pileup.h"
#include "engine/output_file.h"

namespace vesmar {

// Writes the alignment results file's records, one per genome position in
// order: the WT and mutant counts on lines of their own and, when the
// mutant count is not 0, the read's and the reference's window.
//
// The gap scanner tells count lines from window lines by their length alone:
// a count line has at most 6 characters. A larger count is written as
// kLargestCount, and counted in capped_positions().
class ResultsWriter {
 public:
  static constexpr std::int32_t kLargestCount = 999'999;

  explicit ResultsWriter(OutputFile& file) : file_(file) {}

  void add(const PositionCounts& counts);
  // `count` positions that no read covers (or padding): the counts 0 and 0.
  void add_uncovered(std::int64_t count);
  // Records up to genome position `position` that no read covers.
  void add_uncovered_until(std::int64_t position) {
    if (position > positions_) add_uncovered(position - positions_);
  }

  // The genome positions written so far (the last one's position).
  std::int64_t positions() const { return positions_; }
  std::int64_t positions_with_windows() const { return positions_with_windows_; }
  std::int64_t capped_positions() const { return capped_positions_; }

 private:
  OutputFile& file_;
  std::int64_t positions_ = 0;
  std::int64_t positions_with_windows_ = 0;
  std::int64_t capped_positions_ = 0;
};

}  // namespace vesmar
