#pragma once

#include <string>
#include <string_view>

#include "genome/region_choice.h"

namespace vesmar {

// What a Gap_region_scan run is asked to do, from its answers, and the
// paths they make.
struct GapScanSettings {
  RegionChoice regions = RegionChoice::exons;
  std::string first_name;
  std::string report_path;     // Deletion_results/ + first name + "_del_" + region file name
  std::string alignment_path;  // Alignment_results/ + the answered file name
};

// The settings of the answers: the regions, the first name and the
// alignment results file's name.
GapScanSettings gap_scan_settings(RegionChoice regions, std::string_view first_name,
                                  std::string_view alignment_file_name);

}  // namespace vesmar
