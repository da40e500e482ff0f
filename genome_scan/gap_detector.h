#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "genome_scan/gap_table.h"

namespace vesmar {

// Turns the read counts of the genome positions, given in genome order, into
// gap entries: runs of uncovered positions (wt_reads 0 and mut_reads 0), each
// commented by whether mutant positions (mut_reads >= 1) stand next to it, and
// insertion entries for two adjacent mutant positions.
//
// The counts arrive one at a time, as the alignment results file streams:
// first_count(wt_reads), then second_count(mut_reads) for each position. Any
// position that is neither uncovered nor mutant counts as WT-only (negative
// counts included, which the aligner never writes). finish() at the end of the
// file records a gap that the end of the genome leaves open.
//
// The counters stop at the largest 32-bit value instead of overflowing; only a
// file of more than two thousand million positions, far beyond any genome,
// reaches it.
class GapDetector {
 public:
  explicit GapDetector(GapTable& table) : table_(table) {}

  void first_count(std::int32_t wt_reads) {
    wt_reads_ = wt_reads;
    // WT reads after the mutant, with no gap between: the mutant no longer
    // flanks anything that follows.
    if (wt_reads >= 1 && open_gap_length_ == 0) mutant_flank_ = 0;
  }

  void second_count(std::int32_t mut_reads) {
    if (mut_reads >= 1) {
      ++mutant_flank_;
      if (open_gap_length_ == 0) {
        if (mutant_flank_ == 2) {
          append(0, GapComment::Insertion);
          mutant_flank_ = 1;
        }
      } else {
        if (mutant_flank_ == 2) {
          append(open_gap_length_, GapComment::FlankedByTwoMutants);
          mutant_flank_ = 1;
        } else {
          append(open_gap_length_, GapComment::FlankedByOneMutant);
          mutant_flank_ = 0;
        }
        open_gap_length_ = 0;
      }
    } else if (wt_reads_ == 0 && mut_reads == 0) {
      count_up(open_gap_length_);
    } else {
      close_gap_by_wild_type();
    }
    count_up(positions_done_);
  }

  // `count` positions with at least one WT read and no mutant read, as
  // first_count and second_count would take them one by one: the first
  // closes an open gap, and each clears the mutant flank.
  void wt_only_positions(std::int64_t count) {
    if (count <= 0) return;
    first_count(1);
    second_count(0);
    if (count == 1) return;
    mutant_flank_ = 0;
    const std::int64_t done = std::int64_t{positions_done_} + (count - 1);
    positions_done_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(done, std::numeric_limits<std::int32_t>::max()));
  }

  // The end of the file closes an open gap as a WT-only position would. A
  // lone first count before the end changes nothing: with a gap open it
  // leaves the flank as it is.
  void finish() { close_gap_by_wild_type(); }

  // The positions completed so far: after finish(), the file's.
  std::int64_t positions() const { return positions_done_; }

 private:
  static void count_up(std::int32_t& counter) {
    if (counter != std::numeric_limits<std::int32_t>::max()) ++counter;
  }

  void close_gap_by_wild_type() {
    if (open_gap_length_ == 0) return;
    if (mutant_flank_ == 1) {
      append(open_gap_length_, GapComment::FlankedByOneMutant);
      mutant_flank_ = 0;
    } else {
      append(open_gap_length_, GapComment::None);
    }
    open_gap_length_ = 0;
  }

  // Every entry ends at the position before the current one: the last
  // position of the gap it closes, or the first of two mutant positions.
  void append(std::int32_t gap_length, GapComment comment) {
    table_.append(GapEntry{positions_done_, gap_length, comment});
  }

  GapTable& table_;
  std::int32_t positions_done_ = 0;   // positions completed; the current one less 1
  std::int32_t open_gap_length_ = 0;  // uncovered positions since the last covered one
  std::int32_t mutant_flank_ = 0;     // 1 when a mutant position stands before the current point
  std::int32_t wt_reads_ = 0;         // first count of the current position
};

// Reads an alignment results file to its end and returns its gap entries.
// Fails, naming the file, when it cannot be read on. `positions`, when
// given, gets the number of positions the file holds.
Result<GapTable> detect_gaps(LineReader& reader, std::int64_t* positions = nullptr);

}  // namespace vesmar
