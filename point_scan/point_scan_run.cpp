#include "point_scan/point_scan_run.h"

#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <sstream>

#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "genome/package_paths.h"
#include "genome/region_choice.h"
#include "genome/chromosome_layout.h"
#include "engine/count_text.h"
#include "point_scan/hit_backlog.h"
#include "point_scan/point_report.h"
#include "genome_scan/region_match.h"
#include "formats/snp_vcf/snp_vcf.h"
#include "formats/feature_locations/exon_tables.h"
#include "formats/alignment_results/point_record_reader.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

namespace {

// Thresholds below 0 are used as they are, but they are seldom meant.
void warn_of_thresholds_below_zero(const HitThresholds& thresholds, Console& console) {
  if (thresholds.mut_wt_ratio < 0) {
    std::ostringstream ratio;
    ratio << thresholds.mut_wt_ratio;
    console.warn("the Mutant-to-WT reads ratio " + ratio.str() +
                 " is below 0: every position passes it, so only the minimum decides");
  }
  if (thresholds.min_mut_reads < 0) {
    console.warn("the minimum number of mutant reads " + std::to_string(thresholds.min_mut_reads) +
                 " is below 0: positions without any mutant read are reported too");
  }
}

// The rows of the report that its VCF cannot hold.
void warn_of_rows_left_out(const std::string& vcf_path, const SnpVcfWriter& vcf, const ChromosomeLayout& layout,
                           Console& console) {
  const std::int64_t off = vcf.left_out_off_chromosomes();
  const std::int64_t unchanged = vcf.left_out_without_base_change();
  if (off + unchanged == 0) return;
  std::string why;
  if (off > 0) why += std::to_string(off) + " whose place is on none of " + chromosomes_named(layout);
  if (off > 0 && unchanged > 0) why += " and ";
  if (unchanged > 0) {
    why += std::to_string(unchanged) + " whose windows show no change of one of the bases A, C, G, T to another";
  }
  console.warn(rows_not_in(off + unchanged, vcf_path) + ": " + why);
}

// What the hits are matched against, and how far its loading came: the
// exon tables (exon mode), then the region file.
struct MatchTables {
  ExonTables exon_tables;
  RegionTable regions;
  std::optional<Failure> exon_tables_failure;  // the region file was not read then
  std::optional<Failure> regions_failure;
  // Those of the files read that have Windows line ends: the region file
  // first, the one the user chose, then the exon tables.
  WindowsLineEndFiles windows_line_ends;
};

MatchTables load_match_tables(bool exon_mode, const std::string& region_path) {
  MatchTables tables;
  WindowsLineEndFiles exon_tables_windows_line_ends;
  if (exon_mode) {
    Result<ExonTables> loaded = load_exon_tables(&exon_tables_windows_line_ends);
    if (!loaded.ok()) {
      tables.exon_tables_failure = loaded.failure();
      tables.windows_line_ends = std::move(exon_tables_windows_line_ends);
      return tables;
    }
    tables.exon_tables = std::move(loaded.value());
  }
  Result<RegionTable> regions = load_region_table(region_path, &tables.windows_line_ends);
  tables.windows_line_ends.insert(tables.windows_line_ends.end(), exon_tables_windows_line_ends.begin(),
                                  exon_tables_windows_line_ends.end());
  if (!regions.ok()) {
    tables.regions_failure = regions.failure();
    return tables;
  }
  tables.regions = std::move(regions.value());
  return tables;
}

// The progress lines of the loading, as far as it came.
Status announce_match_tables(const MatchTables& tables, Console& console) {
  if (tables.exon_tables_failure) return *tables.exon_tables_failure;
  console.print("Calculating file length...\n");
  if (tables.regions_failure) return *tables.regions_failure;
  console.print("Reading exon data...\n");
  console.print("Checking wt/mut scores...\n");
  return {};
}

}  // namespace

Result<RunOutcome> run_point_scan(const PointScanSettings& settings, Console& console) {
  warn_of_thresholds_below_zero(settings.thresholds, console);
  Result<ChromosomeLayout> layout = load_package_layout();
  if (!layout.ok()) return layout.failure();
  const std::string region_path = path_in(kFeatureLocationsFolder, region_file_name(settings.regions));
  // The tables load on a thread of their own while the alignment results
  // are read: in exon mode they take a third of the run. Until they are
  // there, the hits wait in a backlog. (Where no thread can be had, the
  // tables load on this one when the backlog is full or the file ends.)
  std::atomic<bool> tables_loaded{false};
  std::future<MatchTables> loading =
      std::async(std::launch::async | std::launch::deferred, [&settings, &region_path, &tables_loaded] {
        MatchTables tables = load_match_tables((settings.regions == RegionChoice::exons), region_path);
        tables_loaded.store(true, std::memory_order_release);
        return tables;
      });
  std::optional<MatchTables> tables;
  // Waits for the tables and says how far they came, as the progress lines
  // have always said it.
  auto take_tables = [&]() -> Status {
    tables.emplace(loading.get());
    return announce_match_tables(*tables, console);
  };

  // The input files with Windows line ends are warned of as their reading
  // found them: once the alignment results file has been read (it is named
  // first) and the tables are there, whether the run goes on or fails.
  Result<LineReader> alignment = LineReader::open(settings.alignment_path, LineReader::Decoding::GzipByMagic);
  if (!alignment.ok()) {
    const Status loaded = take_tables();
    warn_of_windows_line_ends(console, settings.alignment_path, nullptr, tables->windows_line_ends);
    if (!loaded.ok()) return loaded.failure();
    return alignment.failure();
  }
  // The rows are written as the hits come, into temporary files that take
  // the report's name and its VCF's only once both are complete, so no hit
  // is kept and older files stay until then. A file that cannot be created
  // is reported where it is needed, after all input has been read.
  const std::string vcf_path = companion_path(settings.report_path, ".vcf");
  Result<std::unique_ptr<OutputFile>> report = OutputFile::create(settings.report_path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
  Result<std::unique_ptr<OutputFile>> vcf = OutputFile::create(vcf_path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
  const SnpVcfRun vcf_run{settings.thresholds, settings.first_name, settings.alignment_path,
                          settings.regions, settings.report_path};
  SnpVcfWriter vcf_writer(vcf_run, layout.value(), vcf.ok() ? vcf.value().get() : nullptr);
  std::optional<PointReportWriter> writer;
  std::optional<RegionMatcher> matcher;
  std::optional<Failure> tables_failure;
  HitBacklog backlog;
  auto match_hit = [&](const AlignmentRecord& hit) {
    if (std::optional<std::size_t> region = matcher->match(hit.position)) {
      vcf_writer.add(hit, tables->regions.regions[*region], writer->add(hit, *region));
    }
  };
  auto start_matching = [&] {
    if (Status loaded = take_tables(); !loaded.ok()) {
      tables_failure = loaded.failure();
      return;
    }
    writer.emplace((settings.regions == RegionChoice::exons), tables->regions, tables->exon_tables, layout.value(),
                   report.ok() ? report.value().get() : nullptr);
    matcher.emplace(tables->regions.regions);
    backlog.hand_over(match_hit);
  };
  const HitThresholds& thresholds = settings.thresholds;
  // A record without mutant reads passes only when the minimum allows 0.
  const bool zero_mutants_wanted = thresholds.min_mut_reads <= 0;
  std::int64_t positions = 0;
  const Status read = read_alignment_records(
      alignment.value(), zero_mutants_wanted,
      [&](std::int32_t wt_reads, std::int32_t mut_reads) { return is_hit(wt_reads, mut_reads, thresholds); },
      [&](const AlignmentRecord& hit) {
        if (matcher) return match_hit(hit);
        if (tables_failure) return;
        backlog.keep(hit);
        if (backlog.full() || tables_loaded.load(std::memory_order_acquire)) start_matching();
      },
      &positions);
  if (!tables && !tables_failure) start_matching();
  warn_of_windows_line_ends(console, settings.alignment_path, &alignment.value(), tables->windows_line_ends);
  if (tables_failure) return *tables_failure;
  if (!read.ok()) return read.failure();
  if (std::optional<std::string> short_or_long = results_length_warning(layout.value(), positions, settings.alignment_path)) {
    console.warn(*short_or_long);
  }

  console.print("Checking hits in exon range\n");
  if (!report.ok()) return report.failure();
  if (!vcf.ok()) return vcf.failure();
  OutputFile* const files[] = {report.value().get(), vcf.value().get()};
  if (Status written = commit_together(files); !written.ok()) return written.failure();
  warn_of_rows_left_out(vcf_path, vcf_writer, layout.value(), console);
  return RunOutcome{{settings.report_path, vcf_path},
                    {"wrote " + settings.report_path + ": " +
                         count_text(writer->rows(), "suspected SNP", "suspected SNPs") + " in " +
                         std::string(row_of(settings.regions).words),
                     "wrote " + vcf_path + ": " +
                         count_text(vcf_writer.records(), "of them as a VCF record", "of them as VCF records")}};
}

}  // namespace vesmar
