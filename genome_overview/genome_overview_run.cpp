#include "genome_overview/genome_overview_run.h"

#include <memory>
#include <utility>

#include "engine/input_file.h"
#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "genome/package_paths.h"
#include "engine/count_text.h"
#include "genome_overview/overview_input.h"
#include "genome_overview/overview_page.h"

namespace vesmar {

namespace {

Failure nothing_to_draw(const GenomeOverviewSettings& settings) {
  return Failure{"found no file of Point_scan or Gap_region_scan for the first name \"" + settings.first_name +
                 "\": none of " + settings.snp_paths[0] + ", " + settings.snp_paths[1] + ", " + settings.snp_paths[2] +
                 ", " + settings.gap_paths[0] + ", " + settings.gap_paths[1] + ", " + settings.gap_paths[2] +
                 " exists (run the scanners for that name first)"};
}

void warn_of(const std::vector<FileTally>& tallies, std::string_view item, const ChromosomeLayout& layout,
             Console& console) {
  for (const FileTally& tally : tallies) {
    for (const std::string& warning : tally_warnings(tally, item, layout)) console.warn(warning);
  }
}

}  // namespace

Result<RunOutcome> run_genome_overview(const GenomeOverviewSettings& settings, Console& console) {
  Result<ChromosomeLayout> layout = load_package_layout();
  if (!layout.ok()) return layout.failure();
  PageSources sources{settings.first_name, {}, {}, check_exists(candidates_page_path(settings.first_name)).ok()};
  std::vector<SnpFile> snp_files;
  std::vector<std::string> gap_files;
  for (std::size_t i = 0; i < 3; ++i) {
    if (check_exists(settings.snp_paths[i]).ok()) snp_files.push_back({settings.snp_paths[i], kSnpFileClasses[i]});
    if (check_exists(settings.gap_paths[i]).ok()) gap_files.push_back(settings.gap_paths[i]);
  }
  if (snp_files.empty() && gap_files.empty()) return nothing_to_draw(settings);

  Overview overview(std::move(layout.value()));
  console.print("Reading SNP results...\n");
  Result<std::vector<FileTally>> snps = read_snp_files(snp_files, overview);
  if (!snps.ok()) return snps.failure();
  sources.snp_files = std::move(snps.value());
  console.print("Reading deletion results...\n");
  Result<std::vector<FileTally>> gaps = read_gap_files(gap_files, overview);
  if (!gaps.ok()) return gaps.failure();
  sources.gap_files = std::move(gaps.value());
  warn_of(sources.snp_files, "an SNP", overview.layout(), console);
  warn_of(sources.gap_files, "a stretch", overview.layout(), console);

  console.print("Writing " + settings.page_path + "...\n");
  if (Status made = make_package_folder(kOverviewFolder); !made.ok()) return made.failure();
  Result<std::unique_ptr<OutputFile>> page = OutputFile::create(settings.page_path, OutputFile::Mode::Replace);
  if (!page.ok()) return page.failure();
  page.value()->write(overview_page(overview, sources));
  if (Status written = page.value()->commit(); !written.ok()) return written.failure();
  console.print("Done\n");
  return RunOutcome{{settings.page_path},
                    {"wrote " + settings.page_path + ": " + count_text(overview.snps(), "SNP", "SNPs") + " from " +
                     count_text(static_cast<std::int64_t>(sources.snp_files.size()), "VCF file", "VCF files") +
                     " and " + count_text(overview.gaps(), "stretch", "stretches") + " without reads from " +
                     count_text(static_cast<std::int64_t>(sources.gap_files.size()), "BED file", "BED files")}};
}

}  // namespace vesmar
