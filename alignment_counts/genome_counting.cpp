#include "alignment_counts/genome_counting.h"

#include <limits>
#include <utility>

namespace vesmar {

namespace {

void write_counts(AlignmentResultsWriter& writer, const PositionCounts& counts) {
  if (counts.mut_reads == 0) {
    writer.add(counts.wt_reads, 0, {}, {});
    return;
  }
  writer.add(counts.wt_reads, counts.mut_reads, std::string_view(counts.windows->read.data(), kWindowLength),
             std::string_view(counts.windows->reference.data(), kWindowLength));
}

// Unplaced reads (no sequence) stand after all others in a sorted file.
std::int64_t order_of_target(std::int32_t target) {
  return target < 0 ? std::numeric_limits<std::int64_t>::max() : target;
}

}  // namespace

GenomeCounting::GenomeCounting(const GenomePlan& plan, std::span<const SequenceHeader> sequences,
                               CountingRules rules, LoadChromosome load, AlignmentResultsWriter& writer, std::string path)
    : plan_(plan),
      sequences_(sequences),
      rules_(rules),
      load_(std::move(load)),
      writer_(writer),
      path_(std::move(path)) {
  summary_.reads_on_sequence.assign(sequences.size(), 0);
}

Status GenomeCounting::check_order(const bam1_t& read) {
  const std::int64_t target = order_of_target(read.core.tid);
  const std::int64_t position = read.core.pos;
  if (target > last_target_ || (target == last_target_ && position >= last_position_)) {
    last_target_ = target;
    last_position_ = position;
    return {};
  }
  const auto place = [&](std::int64_t at_target, std::int64_t at_position) {
    if (at_target == std::numeric_limits<std::int64_t>::max()) return std::string("no sequence (unplaced)");
    return sequences_[static_cast<std::size_t>(at_target)].name + ":" + std::to_string(at_position + 1);
  };
  return Failure{path_ + " is not sorted by position: read " + std::string(bam_get_qname(&read)) + " at " +
                 place(target, position) + " comes after a read at " + place(last_target_, last_position_) +
                 " (samtools sort makes a sorted copy)"};
}

Status GenomeCounting::add(const bam1_t& read) {
  ++summary_.reads;
  const std::int32_t target = read.core.tid;
  if (target >= static_cast<std::int64_t>(sequences_.size())) {
    return Failure{path_ + ": read " + std::string(bam_get_qname(&read)) + " lies on sequence number " +
                   std::to_string(target + 1) + ", which the header does not name"};
  }
  if (Status ordered = check_order(read); !ordered.ok()) return ordered;
  if (target < 0 || read.core.pos < 0) return {};
  if ((read.core.flag & kSkippedFlags) != 0 || read.core.qual < rules_.min_mapping_quality) return {};
  const int chromosome = plan_.chromosome_of_target[static_cast<std::size_t>(target)];
  if (chromosome < 0) {
    ++summary_.reads_on_sequence[static_cast<std::size_t>(target)];
    return {};
  }
  if (chromosome != current_) {
    if (Status begun = begin_chromosome(chromosome); !begun.ok()) return begun;
  }
  ++summary_.counted_reads;
  pileup_->take_until(read.core.pos + 1, [&](const PositionCounts& counts) { write_counts(writer_, counts); });
  pileup_->add(read);
  return {};
}

void GenomeCounting::complete_current() {
  if (current_ < 0) return;
  pileup_->take_until(std::numeric_limits<std::int64_t>::max(),
                      [&](const PositionCounts& counts) { write_counts(writer_, counts); });
  summary_.bases_past_end += pileup_->bases_past_end();
  writer_.add_uncovered_until(plan_.chromosomes[static_cast<std::size_t>(current_)].padded_end());
  pileup_.reset();
  reference_.clear();
  reference_.shrink_to_fit();
}

Status GenomeCounting::begin_chromosome(int index) {
  complete_current();
  current_ = index;
  const PlannedChromosome& chromosome = plan_.chromosomes[static_cast<std::size_t>(index)];
  // The chromosomes before it without reads, their padding and the room up
  // to its offset: no read covers them.
  writer_.add_uncovered_until(chromosome.offset);
  Result<std::string> sequence = load_(chromosome);
  if (!sequence.ok()) return sequence.failure();
  // The reference's listing was checked against the header; the sequence
  // comes from another pass over the file, which may have changed since.
  if (static_cast<std::int64_t>(sequence.value().size()) != chromosome.length) {
    return Failure{"the reference of chromosome \"" + chromosome.name + "\" has " +
                   std::to_string(sequence.value().size()) + " bases, not the " + std::to_string(chromosome.length) +
                   " of the header of " + path_};
  }
  reference_ = std::move(sequence.value());
  pileup_ = std::make_unique<ChromosomePileup>(reference_, rules_.min_base_quality);
  return {};
}

Status GenomeCounting::finish() {
  complete_current();
  current_ = -1;
  writer_.add_uncovered_until(plan_.end());
  return {};
}

}  // namespace vesmar
