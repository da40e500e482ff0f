#include "gap_scan/gap_scan_run.h"

#include "common/line_reader.h"
#include "common/package_paths.h"
#include "common/region_choice.h"
#include "gap_scan/gap_detector.h"
#include "gap_scan/gap_report.h"
#include "scan_input/region_table.h"
#include "scan_input/windows_line_ends.h"

namespace vesmar {

Result<RunOutcome> run_gap_scan(const GapScanSettings& settings, Console& console) {
  const std::string region_path = path_in(kFeatureLocationsFolder, settings.region_file_name);
  warn_of_windows_line_ends({settings.alignment_path, region_path}, console);
  // The same message for introns and intergenic regions.
  console.print("Reading exon data...\n");
  Result<RegionTable> regions = load_region_table(region_path);
  if (!regions.ok()) return regions.failure();

  console.print("Mapping deletions...\n");
  Result<LineReader> alignment = LineReader::open(settings.alignment_path, LineReader::Decoding::GzipByMagic);
  if (!alignment.ok()) return alignment.failure();
  Result<GapTable> gaps = detect_gaps(alignment.value());
  if (!gaps.ok()) return gaps.failure();

  // The same message in every region mode. The report is created only now,
  // when every input has been read.
  console.print("Assigning deletions to exons...\n");
  Result<std::int64_t> rows = write_gap_report(settings.report_path, gaps.value(), regions.value().regions);
  if (!rows.ok()) return rows.failure();
  console.print("Done\n");
  return RunOutcome{{settings.report_path},
                    {"wrote " + settings.report_path + ": " + std::to_string(rows.value()) +
                     " rows of stretches without reads in " + std::string(region_kind(settings.region_file_name))}};
}

}  // namespace vesmar
