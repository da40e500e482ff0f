#include "genome_overview/genome_overview_settings.h"

#include "genome/package_paths.h"
#include "genome/region_choice.h"

namespace vesmar {

GenomeOverviewSettings genome_overview_settings(std::string_view first_name) {
  // kRegionChoices is in the order of kSnpFileClasses: exons, introns,
  // intergenic regions.
  GenomeOverviewSettings settings;
  settings.first_name = first_name;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string_view region_file = kRegionChoices[i].file_name;
    settings.snp_paths[i] = companion_path(snp_report_path(first_name, region_file), ".vcf");
    settings.gap_paths[i] = companion_path(deletion_report_path(first_name, region_file), ".bed");
  }
  settings.page_path = path_in(kOverviewFolder, settings.first_name + "_overview.html");
  return settings;
}

}  // namespace vesmar
