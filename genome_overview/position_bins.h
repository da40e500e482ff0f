#pragma once

#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "formats/snp_vcf/snp_class.h"

namespace vesmar {

// What lies in one stretch of a chromosome: the SNPs of each class, their
// mutant shares, and the uncovered stretches that begin there.
struct PositionBin {
  std::array<std::uint32_t, kSnpClasses> snps{};
  std::uint32_t shares = 0;  // SNPs whose mutant share is known
  double share_sum = 0;
  float share_least = 1;
  float share_most = 0;
  std::uint32_t gaps = 0;
  std::int64_t gap_positions = 0;

  std::uint32_t all_snps() const { return std::accumulate(snps.begin(), snps.end(), std::uint32_t{0}); }
  void add(const PositionBin& other);
};

// Counts by position along each chromosome in a fixed number of bins, in a
// single pass and in memory that does not grow with the records: the bins
// start one position wide and double in width (neighbours merged) whenever
// a position lies beyond the last. Since the farthest position then lies in
// the upper half, every bin is at most 1/2048 of the farthest position
// wide, fine enough to be merged into the bins a track is drawn with. Only
// the chromosomes counted on have bins: a layout may name thousands of
// scaffolds, most of them without a record.
class PositionBins {
 public:
  static constexpr std::int64_t kBins = 4096;

  void add_snp(int chromosome, std::int64_t position, SnpClass snp_class, double share);
  // An uncovered stretch, counted where its first position lies.
  void add_gap(int chromosome, std::int64_t first, std::int64_t positions);

  // Positions per bin, the same on every chromosome.
  std::int64_t width() const { return width_; }
  // The bins of `chromosome` merged `factor` at a time: the i-th covers the
  // positions [i * factor * width(), (i + 1) * factor * width()). Empty when
  // nothing was counted on it.
  std::vector<PositionBin> merged(int chromosome, std::int64_t factor) const;

 private:
  PositionBin& at(int chromosome, std::int64_t position);
  void widen();

  std::int64_t width_ = 1;
  std::vector<std::vector<PositionBin>> bins_;  // by chromosome, up to the last counted on
};

}  // namespace vesmar
