#pragma once

#include <array>
#include <cstdint>

#include "bench/genome_layout.h"
#include "package_generator/alignment_file.h"

namespace vesmar::bench {

// What the aligner reports for one genome position: the two counts and, when
// some read differs, the column of the changed base in the 25-base windows
// (12, or 0 where the windows start at the position) and the read's base.
struct PositionRecord {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  int window_column = 0;
  char read_base = 'a';
};

// The read and reference windows of a record with mutant reads: 25 reference
// bases around the position, and the same with the changed base put in.
struct Windows {
  std::array<char, kWindowLength> read;
  std::array<char, kWindowLength> reference;
};
Windows windows_for(const PositionRecord& record, const Reference& reference);

// The shape of the coverage, as an aligner gives it for a resequenced genome:
// read depth around 12 (Poisson), an uncovered stretch of 1 to 2,000
// positions (log-uniform) every ~50 kb, one mutant read at ~5% of positions,
// a true SNP (few or no WT reads, 6 to 16 mutant reads) every ~20 kb. The
// stress setting adds positions with enough mutant reads to pass the
// scanners' usual thresholds (3 and 2) at ~9.5% of positions, which makes
// about ten million hits over the genome.
struct CoverageShape {
  double mean_depth = 12;
  std::int64_t mean_gap_spacing = 50'000;
  int longest_gap = 2'000;
  double mutant_read_share = 0.05;
  std::int64_t mean_snp_spacing = 20'000;
  double stress_hit_share = 0.095;
  double early_window_share = 0.125;  // windows that start at the position
};

// Walks the genome positions 1, 2, 3, ... and tells what each one holds.
// Depends on the seed alone, so any prefix of the walk is the same whatever
// the length of the file.
class AlignmentSource {
 public:
  AlignmentSource(const Reference& reference, std::uint64_t seed, bool stress, CoverageShape shape = {});
  PositionRecord next();

 private:
  void plan_next_gap();
  void plan_next_snp();
  PositionRecord covered(std::int64_t position) const;

  const Reference& reference_;
  std::uint64_t seed_;
  bool stress_;
  CoverageShape shape_;
  std::array<std::uint8_t, 4096> depth_by_quantile_;
  RandomStream gap_stream_;
  RandomStream snp_stream_;
  std::int64_t position_ = 0;
  std::int64_t gap_first_ = 0;
  std::int64_t gap_last_ = 0;
  std::int64_t snp_position_ = 0;
};

// Whether the scanners' hit test with their usual thresholds (ratio 3,
// minimum 2) keeps a record.
inline bool is_usual_hit(const PositionRecord& record) {
  return record.mut_reads >= 2 && record.mut_reads >= 3 * record.wt_reads;
}

}  // namespace vesmar::bench
