#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "candidate_rank/strain_scan.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// The chromosomes of the batch's genome, in genome order: where each
// begins (its offset) and how long it is. A layout file gives the true
// lengths; the built-in layout knows none, and then a chromosome runs up to
// the next one's offset or the alignment results' last position (its
// padding included), whichever comes first: a chromosome that the file
// does not reach has length 0.
struct ChromosomeSpan {
  std::string name;
  std::int64_t offset = 0;
  std::int64_t length = 0;
};
using GenomeSpans = std::vector<ChromosomeSpan>;
GenomeSpans genome_spans(const ChromosomeLayout& layout, std::int64_t file_positions);

// The chromosome (its index) that holds a genome position: the last whose
// offset lies before it (the first for a position before them all).
int chromosome_of(const GenomeSpans& spans, std::int64_t position);

// A change on the map: its place on its chromosome, its mutant share, and
// the share smoothed over its neighbours.
struct SharePoint {
  std::int64_t position = 0;  // on the chromosome, from 1
  double share = 0;
  double smoothed = 0;
  std::int64_t depth = 0;
};

// Where the strain's own changes are homozygous: positions first to last
// on a chromosome (from 1), bounded by the nearest own changes that are not
// part of it (or the chromosome's ends).
struct LinkedInterval {
  int chromosome = 0;
  std::int64_t offset = 0;  // the chromosome's
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::int64_t changes = 0;  // the homozygous run's changes
  double share = 0;          // their mutant reads over their reads
};

// The mapping of one strain.
struct LinkageMap {
  std::vector<std::vector<SharePoint>> points;  // a list per chromosome
  std::vector<LinkedInterval> intervals;  // sorted; empty when no chromosome stands out
  std::string verdict;                    // one sentence on what the map shows
};

// How the map smooths and where it calls an interval linked.
struct MapRule {
  // The smoothed share of a change: the mutant reads over all reads of the
  // change and the kHalfWindow changes on each side of it on its
  // chromosome (fewer at its ends), so that deep calls weigh more.
  static constexpr int kHalfWindow = 2;
  // A linked run: consecutive changes whose smoothed share reaches the
  // homozygous share, trimmed to changes that reach it themselves, of at
  // least this many changes.
  static constexpr std::int64_t kLeastRunChanges = 3;
};

// The map of `changes` (one strain's own, in genome order). A run counts
// when it has at least half the changes of the largest run; when no run
// counts, or the runs hold more than half of the strain's changes (the
// strain is homozygous nearly everywhere, as before any cross), no
// chromosome stands out and the map has no interval.
LinkageMap map_linkage(std::span<const StrainChange> changes, const GenomeSpans& spans, double homozygous_share);

// Whether genome positions first to last touch one of the intervals.
bool in_linked_interval(const LinkageMap& map, std::int64_t first, std::int64_t last);

}  // namespace vesmar
