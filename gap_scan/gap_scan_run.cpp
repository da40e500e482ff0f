#include "gap_scan/gap_scan_run.h"

#include <memory>

#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "genome/package_paths.h"
#include "genome/region_choice.h"
#include "genome/chromosome_layout.h"
#include "genome_scan/gap_detector.h"
#include "engine/count_text.h"
#include "gap_scan/gap_report.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

Result<RunOutcome> run_gap_scan(const GapScanSettings& settings, Console& console) {
  const std::string region_path = path_in(kFeatureLocationsFolder, region_file_name(settings.regions));
  Result<ChromosomeLayout> layout = load_package_layout();
  if (!layout.ok()) return layout.failure();
  // The same message for introns and intergenic regions.
  console.print("Reading exon data...\n");
  WindowsLineEndFiles region_windows_line_ends;
  Result<RegionTable> regions = load_region_table(region_path, &region_windows_line_ends);
  // The input files with Windows line ends are warned of as their reading
  // found them: once the alignment results file has been read (it is named
  // first), whether the run goes on or fails.
  if (!regions.ok()) {
    warn_of_windows_line_ends(console, settings.alignment_path, nullptr, region_windows_line_ends);
    return regions.failure();
  }

  console.print("Mapping deletions...\n");
  Result<LineReader> alignment = LineReader::open(settings.alignment_path, LineReader::Decoding::GzipByMagic);
  if (!alignment.ok()) {
    warn_of_windows_line_ends(console, settings.alignment_path, nullptr, region_windows_line_ends);
    return alignment.failure();
  }
  std::int64_t positions = 0;
  Result<GapTable> gaps = detect_gaps(alignment.value(), &positions);
  warn_of_windows_line_ends(console, settings.alignment_path, &alignment.value(), region_windows_line_ends);
  if (!gaps.ok()) return gaps.failure();
  if (std::optional<std::string> short_or_long = results_length_warning(layout.value(), positions, settings.alignment_path)) {
    console.warn(*short_or_long);
  }

  // The same message in every region mode. The report and its BED are
  // created only now, when every input has been read, and replace older
  // ones together once both are complete.
  console.print("Assigning deletions to exons...\n");
  const std::string bed_path = companion_path(settings.report_path, ".bed");
  Result<std::unique_ptr<OutputFile>> report = OutputFile::create(settings.report_path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
  if (!report.ok()) return report.failure();
  Result<std::unique_ptr<OutputFile>> bed_file = OutputFile::create(bed_path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
  if (!bed_file.ok()) return bed_file.failure();
  GapBed bed(layout.value());
  const std::int64_t rows =
      write_gap_report(*report.value(), bed, gaps.value(), regions.value().regions, layout.value());
  bed.write(*bed_file.value());
  OutputFile* const files[] = {report.value().get(), bed_file.value().get()};
  if (Status written = commit_together(files); !written.ok()) return written.failure();
  if (bed.left_out() > 0) {
    console.warn(rows_not_in(bed.left_out(), bed_path) +
                 ": their regions lie on none of " + chromosomes_named(layout.value()) +
                 (layout.value().lengths_known ? ", or they lie in the padding between chromosomes alone" : ""));
  }
  console.print("Done\n");
  return RunOutcome{{settings.report_path, bed_path},
                    {"wrote " + settings.report_path + ": " + count_text(rows, "row", "rows") +
                         " of stretches without reads in " + std::string(row_of(settings.regions).words),
                     "wrote " + bed_path + ": " + count_text(bed.lines(), "of them as a BED line", "of them as BED lines")}};
}

}  // namespace vesmar
