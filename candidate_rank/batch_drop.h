#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "candidate_rank/strain_scan.h"

namespace vesmar {

// The thresholds a strain's own change must pass to be ranked and mapped.
struct ChangeThresholds {
  std::int32_t min_mut_reads = 2;
  std::int32_t min_depth = 3;
};

// How many of a strain's changes and stretches each filter removed, in the
// order the filters apply.
struct DropCounts {
  std::int64_t changes_read = 0;
  std::int64_t changes_seen_elsewhere = 0;  // same position and base in another strain
  std::int64_t changes_few_mutant_reads = 0;
  std::int64_t changes_low_depth = 0;
  std::int64_t changes_kept = 0;
  std::int64_t stretches_read = 0;
  std::int64_t stretches_shared = 0;  // overlapping one of another strain
  std::int64_t stretches_kept = 0;
};

// A strain's own changes and stretches: what no other strain of the batch
// shows.
struct OwnFindings {
  std::vector<StrainChange> changes;
  std::vector<UncoveredStretch> stretches;
  DropCounts counts;
};

// Keeps the changes of strain `index` that no other strain of `batch` has
// at the same position with the same base (whatever its reads there: a
// change below the thresholds in another strain is still seen there), and
// that pass `thresholds`; and its uncovered stretches that overlap none of
// another strain. Every strain's lists are in genome order, so each other
// strain is walked once beside it.
OwnFindings own_findings(std::span<const StrainScan> batch, std::size_t index, const ChangeThresholds& thresholds);

}  // namespace vesmar
