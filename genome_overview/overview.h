#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "genome/chromosome_offsets.h"
#include "formats/gap_bed/bed_record.h"
#include "genome_overview/candidate_list.h"
#include "genome_overview/position_bins.h"
#include "formats/snp_vcf/snp_class.h"
#include "formats/snp_vcf/vcf_record.h"

namespace vesmar {

// An SNP drawn on its own, and its tooltip.
struct SnpMark {
  std::int64_t position = 0;
  SnpClass snp_class = SnpClass::Intergenic;
  double share = -1;  // -1: not known
  std::string title;
};

// An uncovered stretch drawn on its own: BED's start and end.
struct GapBar {
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::string title;
};

// What the page shows of one chromosome. Up to kMarksBeforeBins SNPs (and
// as many uncovered stretches) are kept one by one; beyond that the track
// is drawn from the bins, and the marks are let go, so that memory does not
// grow with the records.
struct ChromosomeTrack {
  static constexpr std::int64_t kMarksBeforeBins = 1000;

  std::array<std::int64_t, kSnpClasses> snps{};
  std::int64_t gaps = 0;
  std::int64_t gap_positions = 0;
  std::int64_t farthest = 0;  // the farthest position that a record reaches
  std::vector<SnpMark> snp_marks;
  std::vector<GapBar> gap_bars;

  std::int64_t all_snps() const { return snps[0] + snps[1] + snps[2] + snps[3]; }
  bool snps_binned() const { return all_snps() > kMarksBeforeBins; }
  bool gaps_binned() const { return gaps > kMarksBeforeBins; }
};

// The strain's SNPs and uncovered stretches, gathered place by place from
// the merged files.
class Overview {
 public:
  // The records of one SNP place, from one file or several (an exon hit is
  // also reported as the neighbour of an intron): drawn and counted once,
  // in the most specific class among them, with that record's details.
  void add_snp_place(std::span<const SnpRecord> records);
  // The uncovered stretches that start at one place: each stretch once,
  // however many region files report it (a gap that touches an exon and an
  // intron is in both).
  void add_gap_place(std::span<const GapRecord> records);

  const ChromosomeTrack& track(int chromosome) const { return tracks_[static_cast<std::size_t>(chromosome)]; }
  const PositionBins& bins() const { return bins_; }
  const CandidateList& candidates() const { return candidates_; }
  std::int64_t farthest() const;
  std::int64_t snps() const;
  std::int64_t gaps() const;

 private:
  void add_gap(const GapRecord& gap, std::int64_t regions);

  std::array<ChromosomeTrack, kChromosomeNames.size()> tracks_;
  PositionBins bins_;
  CandidateList candidates_;
};

}  // namespace vesmar
