#include "gap_scan/gap_scan_settings.h"

#include "genome/package_paths.h"

namespace vesmar {

GapScanSettings gap_scan_settings(RegionChoice regions, std::string_view first_name,
                                  std::string_view alignment_file_name) {
  GapScanSettings settings;
  settings.regions = regions;
  settings.first_name = first_name;
  settings.report_path = deletion_report_path(settings.first_name, region_file_name(regions));
  settings.alignment_path = path_in(kAlignmentResultsFolder, alignment_file_name);
  return settings;
}

}  // namespace vesmar
