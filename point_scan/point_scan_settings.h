#pragma once

#include <string>
#include <string_view>

#include "genome/region_choice.h"
#include "genome_scan/hit_test.h"

namespace vesmar {

// What a Point_scan run is asked to do, from its answers, and the paths
// they make.
struct PointScanSettings {
  HitThresholds thresholds;
  std::string first_name;
  std::string alignment_path;    // Alignment_results/ + the answered file name
  RegionChoice regions = RegionChoice::exons;  // exons: codon changes are shown
  std::string report_path;  // SNP_results/ + first name + "_snp_" + region file name
};

// The settings of the answers: the thresholds, the first name, the
// alignment results file's name and the regions.
PointScanSettings point_scan_settings(const HitThresholds& thresholds, std::string_view first_name,
                                      std::string_view alignment_file_name, RegionChoice regions);

}  // namespace vesmar
