#include "genome_overview/position_bins.h"

#include <algorithm>

namespace vesmar {

void PositionBin::add(const PositionBin& other) {
  for (int i = 0; i < kSnpClasses; ++i) snps[i] += other.snps[i];
  if (other.shares > 0) {
    share_least = std::min(share_least, other.share_least);
    share_most = std::max(share_most, other.share_most);
  }
  shares += other.shares;
  share_sum += other.share_sum;
  gaps += other.gaps;
  gap_positions += other.gap_positions;
}

void PositionBins::add_snp(int chromosome, std::int64_t position, SnpClass snp_class, double share) {
  PositionBin& bin = at(chromosome, position);
  ++bin.snps[index_of(snp_class)];
  if (share < 0) return;
  const auto value = static_cast<float>(share);
  bin.share_least = std::min(bin.share_least, value);
  bin.share_most = std::max(bin.share_most, value);
  ++bin.shares;
  bin.share_sum += share;
}

void PositionBins::add_gap(int chromosome, std::int64_t first, std::int64_t positions) {
  PositionBin& bin = at(chromosome, first);
  ++bin.gaps;
  bin.gap_positions += positions;
}

PositionBin& PositionBins::at(int chromosome, std::int64_t position) {
  position = std::max<std::int64_t>(position, 0);
  while (position >= kBins * width_) widen();
  const auto index = static_cast<std::size_t>(chromosome);
  if (index >= bins_.size()) bins_.resize(index + 1);
  std::vector<PositionBin>& bins = bins_[index];
  if (bins.empty()) bins.resize(kBins);
  return bins[static_cast<std::size_t>(position / width_)];
}

void PositionBins::widen() {
  for (std::vector<PositionBin>& bins : bins_) {
    if (bins.empty()) continue;
    for (std::size_t i = 0; i < bins.size() / 2; ++i) {
      PositionBin merged = bins[2 * i];
      merged.add(bins[2 * i + 1]);
      bins[i] = merged;
    }
    std::fill(bins.begin() + kBins / 2, bins.end(), PositionBin{});
  }
  width_ *= 2;
}

std::vector<PositionBin> PositionBins::merged(int chromosome, std::int64_t factor) const {
  std::vector<PositionBin> result;
  const auto index = static_cast<std::size_t>(chromosome);
  if (index >= bins_.size() || bins_[index].empty()) return result;
  const std::vector<PositionBin>& bins = bins_[index];
  result.resize(static_cast<std::size_t>((kBins + factor - 1) / factor));
  for (std::size_t i = 0; i < bins.size(); ++i) result[i / static_cast<std::size_t>(factor)].add(bins[i]);
  return result;
}

}  // namespace vesmar
