#pragma once

#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "formats/gap_bed/bed_record.h"
#include "genome_overview/candidate_list.h"
#include "genome_overview/position_bins.h"
#include "formats/snp_vcf/snp_class.h"
#include "formats/snp_vcf/vcf_record.h"
#include "genome/chromosome_layout.h"

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

  std::int64_t all_snps() const { return std::accumulate(snps.begin(), snps.end(), std::int64_t{0}); }
  bool snps_binned() const { return all_snps() > kMarksBeforeBins; }
  bool gaps_binned() const { return gaps > kMarksBeforeBins; }
};

// The strain's SNPs and uncovered stretches, gathered place by place from
// the merged files, on the chromosomes of the package's layout: a track for
// each, in the layout's order.
class Overview {
 public:
  explicit Overview(ChromosomeLayout layout = built_in_layout());

  // The records of one SNP place, from one file or several (an exon hit is
  // also reported as the neighbour of an intron): drawn and counted once,
  // in the most specific class among them, with that record's details.
  void add_snp_place(std::span<const SnpRecord> records);
  // The uncovered stretches that start at one place: each stretch once,
  // however many region files report it (a gap that touches an exon and an
  // intron is in both).
  void add_gap_place(std::span<const GapRecord> records);

  const ChromosomeLayout& layout() const { return layout_; }
  int chromosomes() const { return static_cast<int>(tracks_.size()); }
  const std::string& name(int chromosome) const {
    return layout_.chromosomes[static_cast<std::size_t>(chromosome)].name;
  }
  const ChromosomeTrack& track(int chromosome) const { return tracks_[static_cast<std::size_t>(chromosome)]; }
  // How far the chromosome's track reaches: its length as the layout gives
  // it (in the built-in layout, which knows no lengths, its room up to the
  // next chromosome), or on to the farthest record when one lies beyond.
  std::int64_t extent(int chromosome) const;
  const PositionBins& bins() const { return bins_; }
  const CandidateList& candidates() const { return candidates_; }
  std::int64_t farthest() const;
  std::int64_t snps() const;
  std::int64_t gaps() const;

 private:
  void add_gap(const GapRecord& gap, std::int64_t regions);

  ChromosomeLayout layout_;
  std::vector<ChromosomeTrack> tracks_;
  PositionBins bins_;
  CandidateList candidates_;
};

}  // namespace vesmar
