#include "bench/alignment_source.h"

#include <algorithm>
#include <cmath>

namespace vesmar::bench {

namespace {

// Depths for 4096 evenly spaced quantiles of a Poisson distribution.
std::array<std::uint8_t, 4096> poisson_quantiles(double mean) {
  std::array<std::uint8_t, 4096> depths{};
  double probability = std::exp(-mean);
  double cumulative = probability;
  int depth = 0;
  for (std::size_t i = 0; i < depths.size(); ++i) {
    const double quantile = (static_cast<double>(i) + 0.5) / static_cast<double>(depths.size());
    while (cumulative < quantile && depth < 255) {
      ++depth;
      probability *= mean / depth;
      cumulative += probability;
    }
    depths[i] = static_cast<std::uint8_t>(depth);
  }
  return depths;
}

int base_index(char base) {
  switch (base) {
    case 'a': return 0;
    case 'c': return 1;
    case 'g': return 2;
    default: return 3;
  }
}

}  // namespace

Windows windows_for(const PositionRecord& record, const Reference& reference) {
  Windows windows;
  const std::int64_t first = record.position - record.window_column;
  for (int i = 0; i < kWindowLength; ++i) windows.reference[i] = reference.base(first + i);
  windows.read = windows.reference;
  windows.read[record.window_column] = record.read_base;
  return windows;
}

AlignmentSource::AlignmentSource(const Reference& reference, std::uint64_t seed, bool stress, CoverageShape shape)
    : reference_(reference),
      seed_(seed),
      stress_(stress),
      shape_(shape),
      depth_by_quantile_(poisson_quantiles(shape.mean_depth)),
      gap_stream_(stream_for(seed, Stream::Gaps)),
      snp_stream_(stream_for(seed, Stream::Snps)) {
  plan_next_gap();
  plan_next_snp();
}

void AlignmentSource::plan_next_gap() {
  const std::int64_t spacing = gap_stream_.uniform(shape_.mean_gap_spacing / 2, shape_.mean_gap_spacing * 3 / 2);
  const double log_length = gap_stream_.fraction() * std::log(static_cast<double>(shape_.longest_gap) + 1);
  const auto length = static_cast<std::int64_t>(std::exp(log_length));
  gap_first_ = gap_last_ + spacing;
  gap_last_ = gap_first_ + std::max<std::int64_t>(length, 1) - 1;
}

void AlignmentSource::plan_next_snp() {
  snp_position_ += snp_stream_.uniform(shape_.mean_snp_spacing / 2, shape_.mean_snp_spacing * 3 / 2);
}

PositionRecord AlignmentSource::next() {
  const std::int64_t position = ++position_;
  while (position > gap_last_) plan_next_gap();
  const bool uncovered = position >= gap_first_;
  const bool snp = position == snp_position_;
  if (snp) plan_next_snp();
  PositionRecord record;
  if (uncovered) {
    record.position = position;
    return record;
  }
  record = covered(position);
  if (snp) {
    const std::uint64_t draw = keyed_random(seed_, Stream::Snps, static_cast<std::uint64_t>(position));
    record.wt_reads = (draw & 7) < 6 ? 0 : static_cast<std::int32_t>(1 + ((draw >> 3) & 1));
    record.mut_reads = static_cast<std::int32_t>(6 + (draw >> 8) % 11);
  }
  return record;
}

PositionRecord AlignmentSource::covered(std::int64_t position) const {
  const std::uint64_t draw = keyed_random(seed_, Stream::Coverage, static_cast<std::uint64_t>(position));
  PositionRecord record;
  record.position = position;
  const std::int32_t depth = depth_by_quantile_[draw & 4095];
  record.wt_reads = depth;
  if (fraction_of(mix64(draw)) < shape_.mutant_read_share) {
    record.mut_reads = 1;
    record.wt_reads = depth > 0 ? depth - 1 : 0;
  }
  if (stress_) {
    const std::uint64_t stress = keyed_random(seed_, Stream::Stress, static_cast<std::uint64_t>(position));
    if (fraction_of(stress) < shape_.stress_hit_share) {
      record.wt_reads = static_cast<std::int32_t>(stress & 3) % 3;
      record.mut_reads = 3 * record.wt_reads + static_cast<std::int32_t>(2 + ((stress >> 2) & 3));
    }
  }
  // Where the windows start and which base the read shows; used only when
  // some read differs.
  const std::uint64_t window = keyed_random(seed_, Stream::Windows, static_cast<std::uint64_t>(position));
  const bool early = position <= kWindowCentre || fraction_of(window) < shape_.early_window_share;
  record.window_column = early ? 0 : kWindowCentre;
  const int shift = 1 + static_cast<int>(mix64(window) % 3);
  const int changed = (base_index(reference_.base(position)) + shift) % 4;
  record.read_base = "acgt"[changed];
  return record;
}

}  // namespace vesmar::bench
