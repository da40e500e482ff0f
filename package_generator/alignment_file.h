#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "formats/alignment_results/alignment_windows.h"
#include "engine/failure.h"
#include "engine/output_file.h"

namespace vesmar::generator {

// The aligner's results file: one record per genome position, from position
// 1 on, the padding included. A record is the count of reads that show the
// reference base (wt_reads) and of those that show another (mut_reads) on
// lines of their own and, when mut_reads is not 0, two windows of 25 genome
// bases: the read's and the reference's. The changed base stands in column
// 12 of the windows, or in column 0 when the windows start at it.

struct AlignmentFileSummary {
  std::int64_t positions = 0;
  std::int64_t lines = 0;
  std::int64_t bytes = 0;
  std::int64_t records_with_windows = 0;
  std::int64_t uncovered_positions = 0;  // no read at all
};

// An alignment results file being written, a position at a time.
class AlignmentFile {
 public:
  static Result<AlignmentFile> create(const std::string& path);

  // The record of the next position; the windows are written only when
  // mut_reads is not 0.
  void add(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
           std::string_view reference_window);
  // What was added so far.
  const AlignmentFileSummary& summary() const { return summary_; }
  Status commit() { return file_->commit(); }

 private:
  explicit AlignmentFile(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}
  void write_line(std::string_view text);

  std::unique_ptr<OutputFile> file_;
  AlignmentFileSummary summary_;
};

}  // namespace vesmar::generator
