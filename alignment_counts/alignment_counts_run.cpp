#include "alignment_counts/alignment_counts_run.h"

#include <array>
#include <memory>
#include <string>

#include "alignment_counts/alignment_input.h"
#include "alignment_counts/genome_counting.h"
#include "alignment_counts/genome_plan.h"
#include "alignment_counts/reference_fasta.h"
#include "alignment_counts/reference_match.h"
#include "genome/chromosome_offsets.h"
#include "formats/alignment_results/results_writer.h"
#include "genome/chromosome_layout.h"
#include "engine/output_file.h"
#include "engine/count_text.h"

namespace vesmar {

namespace {

// "MtDNA (1234 reads), plasmid (0 reads)", the first few of them.
std::string other_sequences(const std::vector<SequenceHeader>& sequences, const GenomePlan& plan,
                            const CountingSummary& summary, std::size_t& count) {
  constexpr std::size_t kNamed = 5;
  std::string text;
  count = 0;
  for (std::size_t target = 0; target < sequences.size(); ++target) {
    if (plan.chromosome_of_target[target] >= 0) continue;
    if (++count > kNamed) continue;
    if (!text.empty()) text += ", ";
    const std::int64_t reads = summary.reads_on_sequence[target];
    text += sequences[target].name + " (" + std::to_string(reads) + (reads == 1 ? " read)" : " reads)");
  }
  if (count > kNamed) text += " and " + std::to_string(count - kNamed) + " more";
  return text;
}

void warn_of_what_is_left_out(const AlignmentInput& input, const GenomePlan& plan, const CountingSummary& summary,
                              const AlignmentResultsWriter& writer, Console& console) {
  std::size_t others = 0;
  const std::string named = other_sequences(input.sequences(), plan, summary, others);
  if (others > 0) {
    console.warn(std::string(others == 1 ? "the sequence " : "the sequences ") + named + " of " + input.path() +
                 (others == 1 ? " is" : " are") +
                 " none of the chromosomes I, II, III, IV, V, X: the alignment results file leaves "
                 "out the reads on " + (others == 1 ? "it" : "them"));
  }
  if (summary.bases_past_end > 0) {
    console.warn(std::to_string(summary.bases_past_end) + " aligned bases of " + input.path() +
                 " lie beyond the end of their chromosome and were not counted");
  }
  if (const std::int64_t capped = writer.summary().capped_positions; capped > 0) {
    const std::string largest = std::to_string(kLargestCount);
    console.warn(std::to_string(capped) + " positions have more than " + largest +
                 " WT or mutant reads: their counts are written as " + largest + ", the largest the scanners read");
  }
}

}  // namespace

Result<RunOutcome> run_alignment_counts(const AlignmentCountsSettings& settings, Console& console) {
  console.print("Reading the alignment file's header...\n");
  Result<AlignmentInput> input =
      AlignmentInput::open(settings.alignment_path, settings.reference_path, settings.threads);
  if (!input.ok()) return input.failure();
  const std::vector<SequenceHeader>& sequences = input.value().sequences();
  Result<ChromosomeLayout> layout = load_package_layout();
  if (!layout.ok()) return layout.failure();
  Result<GenomePlan> plan = plan_genome(sequences, settings.alignment_path, layout.value());
  if (!plan.ok()) return plan.failure();

  console.print("Reading the reference...\n");
  Result<std::vector<ReferenceRecord>> records = list_reference_records(settings.reference_path);
  if (!records.ok()) return records.failure();
  Result<std::vector<std::size_t>> matched =
      match_reference(plan.value(), records.value(), settings.reference_path, settings.alignment_path);
  if (!matched.ok()) return matched.failure();
  std::vector<std::size_t> record_of_chromosome(layout.value().chromosomes.size());
  for (std::size_t i = 0; i < plan.value().chromosomes.size(); ++i) {
    record_of_chromosome[plan.value().chromosomes[i].genome_index] = matched.value()[i];
  }
  // The chromosomes are loaded in genome order, which is the file's order
  // in most references: one pass over the file then loads them all.
  ReferenceSequences reference(settings.reference_path);
  const LoadChromosome load = [&](const PlannedChromosome& chromosome) {
    return reference.read(record_of_chromosome[chromosome.genome_index], chromosome.length);
  };

  console.print("Counting the reads at each position...\n");
  Result<std::unique_ptr<OutputFile>> file =
      OutputFile::create(settings.results_path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
  if (!file.ok()) return file.failure();
  AlignmentResultsWriter writer(*file.value());
  GenomeCounting counting(plan.value(), sequences, settings.rules, load, writer, settings.alignment_path);
  BamRecord read = make_bam_record();
  for (;;) {
    Result<bool> next = input.value().next(*read);
    if (!next.ok()) return next.failure();
    if (!next.value()) break;
    if (Status added = counting.add(*read); !added.ok()) return added.failure();
  }
  if (Status finished = counting.finish(); !finished.ok()) return finished.failure();
  if (Status written = file.value()->commit(); !written.ok()) return written.failure();

  const CountingSummary& summary = counting.summary();
  warn_of_what_is_left_out(input.value(), plan.value(), summary, writer, console);
  console.print("Done\n");
  std::string chromosomes;
  for (const PlannedChromosome& chromosome : plan.value().chromosomes) {
    chromosomes += (chromosomes.empty() ? "" : ", ") + chromosome.name;
  }
  return RunOutcome{{settings.results_path},
                    {"wrote " + settings.results_path + ": " +
                         count_text(writer.summary().positions, "genome position", "genome positions") + ", " +
                         std::to_string(writer.summary().records_with_windows) + " of them with mutant reads",
                     "counted " + std::to_string(summary.counted_reads) + " of the " + std::to_string(summary.reads) +
                         " reads of " + settings.alignment_path + ", on " + chromosomes}};
}

}  // namespace vesmar
