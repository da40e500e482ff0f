#include "point_scan/point_scan_settings.h"

#include "genome/package_paths.h"

namespace vesmar {

PointScanSettings point_scan_settings(const HitThresholds& thresholds, std::string_view first_name,
                                      std::string_view alignment_file_name, RegionChoice regions) {
  PointScanSettings settings;
  settings.thresholds = thresholds;
  settings.first_name = first_name;
  settings.alignment_path = path_in(kAlignmentResultsFolder, alignment_file_name);
  settings.regions = regions;
  settings.report_path = snp_report_path(settings.first_name, region_file_name(regions));
  return settings;
}

}  // namespace vesmar
