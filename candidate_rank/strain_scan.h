#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "engine/line_reader.h"

namespace vesmar {

// A position of a strain's alignment results with at least one mutant read,
// kept in 16 bytes: a genome-scale file holds a hundred million positions,
// and a batch keeps every change of each of its strains.
struct StrainChange {
  std::int32_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  char ref = '\0';  // the reference window's base at the change, as written; '\0': no windows
  char alt = '\0';  // the read window's base there
  bool windows = false;

  std::int64_t depth() const { return std::int64_t{wt_reads} + mut_reads; }
  double share() const { return depth() > 0 ? static_cast<double>(mut_reads) / static_cast<double>(depth()) : 0; }
};

// A stretch that no read covers: genome positions first to last.
struct UncoveredStretch {
  std::int32_t first = 0;
  std::int32_t last = 0;

  std::int64_t length() const { return std::int64_t{last} - first + 1; }
  friend bool operator==(const UncoveredStretch&, const UncoveredStretch&) = default;
};

// What a ranking needs of one strain's file: its changes and its uncovered
// stretches, both in genome order, and how many positions the file has.
struct StrainScan {
  std::vector<StrainChange> changes;
  std::vector<UncoveredStretch> stretches;
  std::int64_t positions = 0;
};

// The base of a window at the change, lowercase letters folded to capitals,
// so that "a" and "A" are one base.
char base_capital(char base);

// Reads the alignment results once (read_positions: the point scanner's
// framing, the WT-only positions in bulk as the gap scanner passes over
// them): every record with a mutant read is a change, its bases taken where
// the point scanner's marker stands, and every position's counts go to the
// gap scanner's detector, whose gaps (not its insertion traces) are the
// uncovered stretches. Fails, naming the file, when it cannot be read on.
Result<StrainScan> scan_strain(LineReader& reader);

}  // namespace vesmar
