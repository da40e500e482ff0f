#pragma once

#include <array>
#include <string>
#include <string_view>

#include "formats/snp_vcf/snp_class.h"

namespace vesmar {

// What a Genome_overview run is asked to do, from its one answer, and the
// paths it makes: the scanners' standard files for the first name in each
// region choice, and the page.
struct GenomeOverviewSettings {
  std::string first_name;
  std::array<std::string, 3> snp_paths;  // SNP_results/ + name + "_snp_cexons.vcf", cintrons, cintergenic
  std::array<std::string, 3> gap_paths;  // Deletion_results/ + name + "_del_cexons.bed", ...
  std::string page_path;                 // Overview/ + name + "_overview.html"
};

// The class of the SNPs in snp_paths[i], for records whose INFO names none.
inline constexpr std::array<SnpClass, 3> kSnpFileClasses = {SnpClass::Exon, SnpClass::Intron, SnpClass::Intergenic};

GenomeOverviewSettings genome_overview_settings(std::string_view first_name);

}  // namespace vesmar
