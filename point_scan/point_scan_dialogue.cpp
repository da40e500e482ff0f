#include "point_scan/point_scan_dialogue.h"

#include <optional>
#include <string>

#include "common/input_file.h"
#include "common/line_reader.h"
#include "common/output_file.h"
#include "common/package_paths.h"
#include "common/region_choice.h"
#include "scan_input/exon_tables.h"
#include "point_scan/hit_table.h"
#include "point_scan/point_report.h"
#include "point_scan/region_match.h"
#include "scan_input/region_table.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "            Point_scan\n"
    "            __________\n"
    "\n"
    "This program checks for single nucleotide polymorphisms (SNPs)\n"
    "in exons, introns, or intergenic regions of the genome.  See\n"
    "Read_me file for more details.  All suspected SNPs should be\n"
    "confirmed directly.\n"
    "\n"
    "The output of this program will be deposited in a file named\n"
    "'yourfirstname_snp_cexons.txt' in the 'SNP_results' folder.  File\n"
    "names for intron or intergenic searches replace 'cexons' with 'cintrons'\n"
    "or 'cintergenic', respectively.\n"
    "\n";

constexpr std::string_view kRatioPrompt =
    "Specify maximum Mutant-to-WT reads ratio (an integer, typically 3): ";
constexpr std::string_view kMinimumPrompt =
    "Specify minimum number of mutant reads to call a SNP (typically 2): ";
constexpr std::string_view kNamePrompt = "Your first name: ";
constexpr std::string_view kAlignmentPrompt = "Alignment_results file name: ";
constexpr std::string_view kRegionPrompt =
    "Search mutations in exons (e), introns (i), or intergenic regions (n)? ";

// The answers to the five questions and the paths they make.
struct PointScanSettings {
  HitThresholds thresholds;
  std::string first_name;
  std::string alignment_path;
  std::string region_file_name;
  std::string report_path;
  bool exon_mode = false;
};

Result<PointScanSettings> ask_questions(Console& console) {
  PointScanSettings settings;
  console.print(kRatioPrompt);
  std::optional<double> ratio = read_double_answer(console);
  if (!ratio) return unanswered(console, kRatioPrompt);
  settings.thresholds.mut_wt_ratio = *ratio;

  console.print(kMinimumPrompt);
  std::optional<int> minimum = read_int_answer(console);
  if (!minimum) return unanswered(console, kMinimumPrompt);
  settings.thresholds.min_mut_reads = *minimum;

  console.print(kNamePrompt);
  std::optional<std::string> name = read_word_answer(console);
  if (!name) return unanswered(console, kNamePrompt);
  settings.first_name = *name;

  // Asked again, silently, until the file can be opened.
  for (;;) {
    console.print(kAlignmentPrompt);
    std::optional<std::string> file_name = read_word_answer(console);
    if (!file_name) return unanswered(console, kAlignmentPrompt);
    settings.alignment_path = path_in(kAlignmentResultsFolder, *file_name);
    if (can_open_for_reading(settings.alignment_path)) break;
  }

  for (;;) {
    console.print(kRegionPrompt);
    std::optional<std::string> choice = read_word_answer(console);
    if (!choice) return unanswered(console, kRegionPrompt);
    if (std::optional<std::string_view> region_file = region_file_name_for(*choice)) {
      settings.region_file_name = *region_file;
      break;
    }
  }
  settings.report_path =
      path_in(kSnpResultsFolder, settings.first_name + "_snp_" + settings.region_file_name);
  settings.exon_mode = settings.region_file_name == kExonRegionFile;
  return settings;
}

}  // namespace

Status run_point_scan(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  Result<PointScanSettings> answered = ask_questions(console);
  if (!answered.ok()) return answered.failure();
  const PointScanSettings& settings = answered.value();

  ExonTables exon_tables;
  if (settings.exon_mode) {
    Result<ExonTables> loaded = load_exon_tables();
    if (!loaded.ok()) return loaded.failure();
    exon_tables = std::move(loaded.value());
  }

  console.print("Calculating file length...\n");
  Result<RegionTable> regions =
      load_region_table(path_in(kFeatureLocationsFolder, settings.region_file_name));
  if (!regions.ok()) return regions.failure();
  console.print("Reading exon data...\n");

  console.print("Checking wt/mut scores...\n");
  Result<LineReader> alignment = LineReader::open(settings.alignment_path);
  if (!alignment.ok()) return alignment.failure();
  // The rows are written as the hits come, into a temporary file that takes
  // the report's name only once it is complete, so no hit is kept and an
  // older report stays until then. A report that cannot be created is
  // reported where it is needed, after all input has been read.
  Result<std::unique_ptr<OutputFile>> report =
      OutputFile::create(settings.report_path, OutputFile::Mode::Replace);
  OutputFile* out = report.ok() ? report.value().get() : nullptr;
  const PointReport layout{settings.exon_mode, &regions.value(), nullptr, &exon_tables};
  PointReportWriter writer(layout, out);
  RegionMatcher matcher(regions.value().regions);
  Status read = scan_hits(alignment.value(), settings.thresholds, matcher,
                          [&](const AlignmentRecord& record, std::size_t region) {
                            writer.add(ReportedHit{record.position, record.wt_reads, record.mut_reads,
                                                   record.read_window, record.reference_window},
                                       region);
                          });
  if (!read.ok()) return read;

  console.print("Checking hits in exon range\n");
  if (!report.ok()) return report.failure();
  if (Status written = out->commit(); !written.ok()) return written;

  console.shell("PAUSE");
  return {};
}

}  // namespace vesmar
