#pragma once

#include <string>
#include <string_view>

namespace vesmar {

// What a Gap_region_scan run is asked to do, from its answers, and the
// paths they make.
struct GapScanSettings {
  std::string region_file_name;  // "cexons.txt", "cintrons.txt" or "cintergenic.txt"
  std::string first_name;
  std::string report_path;     // Deletion_results/ + first name + "_del_" + region file name
  std::string alignment_path;  // Alignment_results/ + the answered file name
};

// The settings of the answers: the region file's name, the first name and
// the alignment results file's name.
GapScanSettings gap_scan_settings(std::string_view region_file_name, std::string_view first_name,
                                  std::string_view alignment_file_name);

}  // namespace vesmar
