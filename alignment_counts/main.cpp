#include "alignment_counts/alignment_counts_dialogue.h"
#include "alignment_counts/alignment_counts_run.h"
#include "engine/program_info.h"
#include "engine/program_main.h"
#include "genome/package_paths.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"alignments", "NAME", "the BAM, CRAM or SAM file, sorted by position, on the Desktop"},
    {"reference", "NAME", "the reference FASTA file the reads were aligned to, on the Desktop"},
    {"results", "NAME", "the alignment results file to write, in Desktop/vesmar/Alignment_results/"},
    {"min-base-quality", "Q", "count only bases of at least this quality", "0"},
    {"min-mapping-quality", "Q", "count only reads of at least this mapping quality", "0"},
    {"threads", "N", "threads that decompress a BAM or CRAM file beside the counting; 0: one a core", "0"},
};

constexpr CommandLineSyntax kSyntax{
    kAlignmentCounts,
    "Alignment_counts writes the alignment results file that Point_scan and\n"
    "Gap_region_scan read (Desktop/vesmar/Alignment_results/) from another\n"
    "aligner's BAM, CRAM or SAM file sorted by position and the reference FASTA\n"
    "file, both on the Desktop: the WT and mutant reads at every position of the\n"
    "genome. Run it in the folder that holds Desktop/, or name that folder with -C.",
    kAnswers,
    "",
    "",
    "Alignment_counts -C ~ --alignments run1.bam --reference genome.fa --results run1.txt",
};

Result<int> quality_option(const Arguments& arguments, std::string_view name) {
  Result<int> quality = integer_option(arguments, name);
  if (quality.ok() && quality.value() < 0) {
    return usage_failure("the value \"" + arguments[name] + "\" of --" + std::string(name) + " is below 0");
  }
  return quality;
}

Result<AlignmentCountsSettings> settings_from(const Arguments& arguments) {
  CountingRules rules;
  Result<int> base_quality = quality_option(arguments, "min-base-quality");
  if (!base_quality.ok()) return base_quality.failure();
  rules.min_base_quality = base_quality.value();
  Result<int> mapping_quality = quality_option(arguments, "min-mapping-quality");
  if (!mapping_quality.ok()) return mapping_quality.failure();
  rules.min_mapping_quality = mapping_quality.value();
  Result<int> threads = integer_option(arguments, "threads");
  if (!threads.ok()) return threads.failure();
  if (threads.value() < 0) {
    return usage_failure("the value \"" + arguments["threads"] + "\" of --threads is below 0");
  }
  AlignmentCountsSettings settings =
      alignment_counts_settings(arguments["alignments"], arguments["reference"], arguments["results"], rules);
  // A path of the user's own is taken as it is; a bare name lies where the
  // dialogue looks for it.
  settings.alignment_path = option_file_path(kDesktopFolder, arguments["alignments"]);
  settings.reference_path = option_file_path(kDesktopFolder, arguments["reference"]);
  settings.results_path = option_file_path(kAlignmentResultsFolder, arguments["results"]);
  if (threads.value() > 0) settings.threads = threads.value();
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv,
                      ProgramPieces<AlignmentCountsSettings>{kSyntax, run_alignment_counts_dialogue, settings_from,
                                                            run_alignment_counts});
}
