#include "candidate_rank/batch_drop.h"

namespace vesmar {

namespace {

// Whether `others` (in genome order, from `at` on) has a change at the
// change's position with its base; moves `at` past the positions before it.
bool seen_in(const std::vector<StrainChange>& others, std::size_t& at, const StrainChange& change) {
  while (at < others.size() && others[at].position < change.position) ++at;
  for (std::size_t i = at; i < others.size() && others[i].position == change.position; ++i) {
    if (base_capital(others[i].alt) == base_capital(change.alt)) return true;
  }
  return false;
}

// Whether a stretch of `others` overlaps `stretch`; the stretches of one
// strain do not overlap one another, so they end in order too.
bool shared_with(const std::vector<UncoveredStretch>& others, std::size_t& at, const UncoveredStretch& stretch) {
  while (at < others.size() && others[at].last < stretch.first) ++at;
  return at < others.size() && others[at].first <= stretch.last;
}

}  // namespace

OwnFindings own_findings(std::span<const StrainScan> batch, std::size_t index, const ChangeThresholds& thresholds) {
  const StrainScan& strain = batch[index];
  OwnFindings own;
  DropCounts& counts = own.counts;
  std::vector<std::size_t> change_at(batch.size(), 0);
  std::vector<std::size_t> stretch_at(batch.size(), 0);
  counts.changes_read = static_cast<std::int64_t>(strain.changes.size());
  for (const StrainChange& change : strain.changes) {
    bool seen = false;
    for (std::size_t other = 0; other < batch.size() && !seen; ++other) {
      if (other != index) seen = seen_in(batch[other].changes, change_at[other], change);
    }
    if (seen) {
      ++counts.changes_seen_elsewhere;
    } else if (change.mut_reads < thresholds.min_mut_reads) {
      ++counts.changes_few_mutant_reads;
    } else if (change.depth() < thresholds.min_depth) {
      ++counts.changes_low_depth;
    } else {
      own.changes.push_back(change);
    }
  }
  counts.changes_kept = static_cast<std::int64_t>(own.changes.size());
  counts.stretches_read = static_cast<std::int64_t>(strain.stretches.size());
  for (const UncoveredStretch& stretch : strain.stretches) {
    bool shared = false;
    for (std::size_t other = 0; other < batch.size() && !shared; ++other) {
      if (other != index) shared = shared_with(batch[other].stretches, stretch_at[other], stretch);
    }
    if (shared) {
      ++counts.stretches_shared;
    } else {
      own.stretches.push_back(stretch);
    }
  }
  counts.stretches_kept = static_cast<std::int64_t>(own.stretches.size());
  return own;
}

}  // namespace vesmar
