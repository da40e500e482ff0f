#include "genome_overview/genome_overview_settings.h"

#include "common/package_paths.h"

namespace vesmar {

GenomeOverviewSettings genome_overview_settings(std::string_view first_name) {
  constexpr std::string_view kRegionNames[] = {"cexons", "cintrons", "cintergenic"};
  GenomeOverviewSettings settings;
  settings.first_name = first_name;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string region(kRegionNames[i]);
    settings.snp_paths[i] = path_in(kSnpResultsFolder, settings.first_name + "_snp_" + region + ".vcf");
    settings.gap_paths[i] = path_in(kDeletionResultsFolder, settings.first_name + "_del_" + region + ".bed");
  }
  settings.page_path = path_in(kOverviewFolder, settings.first_name + "_overview.html");
  return settings;
}

}  // namespace vesmar
