#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "page_drawing/axis_scale.h"
#include "genome_overview/overview.h"
#include "genome_overview/position_bins.h"

namespace vesmar {

// The drawing of a chromosome's track, in SVG user units: lanes of marks
// for the five SNP classes and the uncovered stretches, the strip of mutant
// shares below them, the shared axis at the bottom. Every track is as wide
// as the others, so that one position lies at the same x in each.
struct TrackLayout {
  static constexpr double kWidth = 800;
  static constexpr double kPlotLeft = 120;
  static constexpr double kPlotWidth = 660;
  static constexpr double kLaneTop = 6;
  static constexpr double kLanePitch = 18;
  static constexpr double kLaneHeight = 14;
  static constexpr double kStripTop = 122;
  static constexpr double kStripHeight = 50;
  static constexpr double kAxisY = 180;
  static constexpr double kHeight = 206;
  // A track with nothing to mark has one lane and the axis.
  static constexpr double kEmptyAxisY = 26;
  static constexpr double kEmptyHeight = 52;
  // Drawn bins are about this wide.
  static constexpr double kBinWidth = 2;
};

// Positions in one drawn bin: a whole number of `bin_width` (the counting
// bins'), about TrackLayout::kBinWidth units wide on `axis`.
std::int64_t drawn_bin_positions(const Axis& axis, std::int64_t bin_width);

// The most SNPs and the most uncovered stretches in one drawn bin, over
// the page: the bins' bars are as high as the log of their count makes
// them next to these, so that heights compare across the page.
struct BinPeaks {
  std::uint32_t snps = 1;
  std::uint32_t gaps = 1;
};

// The drawing of the track of the chromosome named `chromosome`, as an
// <svg> element, `extent` positions long (Overview::extent). `drawn` holds the chromosome's
// bins merged into drawn bins of `bin_positions` each, used for the SNPs
// when there are too many to draw one by one (ChromosomeTrack::snps_binned),
// and likewise for the uncovered stretches. Each mark and bar carries its
// place as data attributes (data-pos for an SNP, data-start and data-end
// for a stretch as BED gives them; data-from, data-to, data-n for a bin) so
// that it can be read back.
std::string track_svg(const std::string& chromosome, std::int64_t extent, const ChromosomeTrack& track,
                      const std::vector<PositionBin>& drawn, std::int64_t bin_positions, const Axis& axis,
                      const BinPeaks& peaks);

// The CSS class of each SNP class's marks, and of the uncovered stretches.
inline constexpr const char* kClassCss[] = {"p", "e", "s", "i", "n"};
inline constexpr const char* kGapCss = "g";

}  // namespace vesmar
