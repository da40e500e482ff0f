#include "point_scan/point_scan_settings.h"

#include "genome/package_paths.h"
#include "genome/region_choice.h"

namespace vesmar {

PointScanSettings point_scan_settings(const HitThresholds& thresholds, std::string_view first_name,
                                      std::string_view alignment_file_name, std::string_view region_file_name) {
  PointScanSettings settings;
  settings.thresholds = thresholds;
  settings.first_name = first_name;
  settings.alignment_path = path_in(kAlignmentResultsFolder, alignment_file_name);
  settings.region_file_name = region_file_name;
  settings.report_path = snp_report_path(settings.first_name, settings.region_file_name);
  settings.exon_mode = settings.region_file_name == kExonRegionFile;
  return settings;
}

}  // namespace vesmar
