#pragma once

#include <htslib/sam.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "alignment_counts/genome_plan.h"
#include "alignment_counts/position_pileup.h"
#include "alignment_counts/results_writer.h"
#include "engine/failure.h"

namespace vesmar {

// Which reads count, as samtools mpileup counts them by default: not
// unmapped, secondary, failing the instrument's quality checks or marked as
// duplicates (its --ff UNMAP,SECONDARY,QCFAIL,DUP), and with a mapping
// quality of at least min_mapping_quality; and which of their bases, those of
// at least min_base_quality.
struct CountingRules {
  int min_base_quality = 0;
  int min_mapping_quality = 0;
};

inline constexpr std::uint16_t kSkippedFlags = BAM_FUNMAP | BAM_FSECONDARY | BAM_FQCFAIL | BAM_FDUP;

// What the reads were, for the run's summary and warnings.
struct CountingSummary {
  std::int64_t reads = 0;          // every record read
  std::int64_t counted_reads = 0;  // on a chromosome of the genome, and counting
  // For each sequence of the header: the reads on it that would count, for
  // the sequences that are none of the genome's chromosomes.
  std::vector<std::int64_t> reads_on_sequence;
  std::int64_t bases_past_end = 0;
};

// The chromosome's sequence, in lowercase, when its first read comes.
using LoadChromosome = std::function<Result<std::string>(const PlannedChromosome&)>;

// Walks the reads of an alignment file sorted by position and writes the
// alignment results file: every genome position from 1 to the plan's end,
// in order, counted from the reads on the genome's chromosomes, with the
// counts 0 and 0 where no read counts (uncovered stretches, chromosomes
// without reads, padding, and the room between a chromosome's padding and
// the next chromosome's offset).
class GenomeCounting {
 public:
  GenomeCounting(const GenomePlan& plan, std::span<const SequenceHeader> sequences, CountingRules rules,
                 LoadChromosome load, ResultsWriter& writer, std::string path);

  // The next read of the file. Fails when it comes before the read before it
  // (the file is not sorted by position) or its chromosome's sequence cannot
  // be had.
  Status add(const bam1_t& read);
  // Writes the positions after the last read, to the plan's end.
  Status finish();

  const CountingSummary& summary() const { return summary_; }

 private:
  Status check_order(const bam1_t& read);
  // Completes the chromosomes before chromosome `index` of the plan and
  // begins that one.
  Status begin_chromosome(int index);
  void complete_current();

  const GenomePlan& plan_;
  std::span<const SequenceHeader> sequences_;
  CountingRules rules_;
  LoadChromosome load_;
  ResultsWriter& writer_;
  std::string path_;
  CountingSummary summary_;
  int current_ = -1;  // the plan's chromosome being counted
  std::string reference_;
  std::unique_ptr<ChromosomePileup> pileup_;
  // The last read's place, for the check of the order: its sequence (the
  // unplaced reads, -1, come last) and position.
  std::int64_t last_target_ = 0;
  std::int64_t last_position_ = 0;
};

}  // namespace vesmar
