// Counting by position in a fixed number of bins that widen as the
// positions grow, and merging them into the bins a track is drawn with.
#include "genome_overview/position_bins.h"

#include <gtest/gtest.h>

#include "genome_overview/track_svg.h"

namespace vesmar {
namespace {

TEST(PositionBins, WideningKeepsEveryCountInTheBinOfItsPosition) {
  PositionBins bins;
  bins.add_snp(0, 1, SnpClass::Exon, 0.5);
  bins.add_snp(0, 4095, SnpClass::Intron, 1.0);
  bins.add_gap(0, 4096, 30);
  EXPECT_EQ(bins.width(), 2);
  bins.add_snp(5, 20'000'000, SnpClass::ProteinChange, -1);  // past 4096 x 4096: 8192 wide
  EXPECT_EQ(bins.width(), 8192);
  const std::vector<PositionBin> chromosome_i = bins.merged(0, 1);
  ASSERT_EQ(chromosome_i.size(), 4096u);
  EXPECT_EQ(chromosome_i[0].snps[index_of(SnpClass::Exon)], 1u);
  EXPECT_EQ(chromosome_i[0].snps[index_of(SnpClass::Intron)], 1u);
  EXPECT_EQ(chromosome_i[0].gaps, 1u);
  EXPECT_EQ(chromosome_i[0].gap_positions, 30);
  EXPECT_EQ(chromosome_i[0].shares, 2u);
  EXPECT_FLOAT_EQ(chromosome_i[0].share_least, 0.5f);
  EXPECT_FLOAT_EQ(chromosome_i[0].share_most, 1.0f);
  const std::vector<PositionBin> chromosome_x = bins.merged(5, 100);
  ASSERT_EQ(chromosome_x.size(), 41u);
  EXPECT_EQ(chromosome_x[20'000'000 / 8192 / 100].all_snps(), 1u);
  EXPECT_EQ(chromosome_x[20'000'000 / 8192 / 100].shares, 0u);
  EXPECT_TRUE(bins.merged(2, 1).empty());
}

TEST(DrawnBins, AWholeNumberOfCountingBinsAboutTwoUnitsWide) {
  // 20.9 million positions on 660 units: 2 units are 63,392 positions.
  EXPECT_EQ(drawn_bin_positions(Axis{20'919'600, 5'000'000}, 8192), 7 * 8192);
  EXPECT_EQ(drawn_bin_positions(Axis{3'500, 500}, 1), 10);
  // Never less than one counting bin.
  EXPECT_EQ(drawn_bin_positions(Axis{100, 10}, 4), 4);
}

}  // namespace
}  // namespace vesmar
