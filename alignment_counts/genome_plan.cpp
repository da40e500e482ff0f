#include "alignment_counts/genome_plan.h"

#include <limits>

#include "genome/chromosome_offsets.h"
#include "genome/genome_padding.h"

namespace vesmar {

namespace {

std::string quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted += '"';
  return quoted;
}

// The genome position after which chromosome `genome_index` may not reach.
std::int64_t slot_end(std::size_t genome_index) {
  // The last chromosome may run past the joined genome's end, as long as its
  // positions stay 32-bit numbers, which the scanners read.
  constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
  return chromosome_room_end(genome_index, kLargest - kLargest % static_cast<std::int64_t>(kGenomeBlock));
}

Status check_length(const PlannedChromosome& chromosome, std::string_view path, const ChromosomeLayout& layout) {
  if (layout.lengths_known) {
    return check_chromosome_length(layout, chromosome.genome_index, chromosome.name, chromosome.length,
                                   std::string(path) + "'s header");
  }
  const std::int64_t longest = longest_chromosome(chromosome.genome_index);
  if (chromosome.length <= longest) return {};
  const std::size_t next = chromosome.genome_index + 1;
  const std::string room =
      next < kGenomeChromosomes.size()
          ? "the offset of chromosome " + std::string(kGenomeChromosomes[next].name) + " (" +
                std::to_string(kGenomeChromosomes[next].offset) + ") leaves room for " + std::to_string(longest)
          : "genome positions are 32-bit numbers, which leaves room for " + std::to_string(longest);
  return Failure{std::string(path) + ": chromosome " + quoted(chromosome.name) + " has " +
                 std::to_string(chromosome.length) + " bases in the header, but " + room +
                 " with its padding: is the file aligned to another genome?"};
}

}  // namespace

std::int64_t PlannedChromosome::padded_end() const {
  return offset + length + static_cast<std::int64_t>(padding_length(static_cast<std::uint64_t>(length)));
}

std::int64_t longest_chromosome(std::size_t genome_index) {
  // The padding is at least one base.
  return slot_end(genome_index) - kGenomeChromosomes[genome_index].offset - 1;
}

namespace {

// The layout's chromosome names in genome order: "I, II, III, IV, V, X".
std::string order_of(const ChromosomeLayout& layout) {
  std::string names;
  for (const LayoutChromosome& chromosome : layout.chromosomes) names += (names.empty() ? "" : ", ") + chromosome.name;
  return names;
}

}  // namespace

Result<GenomePlan> plan_genome(std::span<const SequenceHeader> sequences, std::string_view path,
                               const ChromosomeLayout& layout) {
  GenomePlan plan;
  plan.chromosome_of_target.assign(sequences.size(), -1);
  if (layout.lengths_known) plan.genome_end = vesmar::genome_end(layout);
  for (std::size_t target = 0; target < sequences.size(); ++target) {
    const SequenceHeader& sequence = sequences[target];
    const std::optional<std::size_t> index = find_chromosome(layout, sequence.name);
    if (!index) continue;
    const std::string& genome_name = layout.chromosomes[*index].name;
    for (const PlannedChromosome& earlier : plan.chromosomes) {
      if (earlier.genome_index == *index) {
        return Failure{std::string(path) + ": the header names chromosome " + std::string(genome_name) +
                       " twice, as " + quoted(earlier.name) + " and as " + quoted(sequence.name)};
      }
      if (earlier.genome_index > *index) {
        return Failure{std::string(path) + ": the header names " + quoted(earlier.name) + " before " +
                       quoted(sequence.name) +
                       ", but the alignment results file follows the genome's order " + order_of(layout) + " "
                       "(samtools reheader and samtools sort make a file in that order)"};
      }
    }
    PlannedChromosome chromosome{*index, sequence.name, sequence.length, layout.chromosomes[*index].offset,
                                 genome_name};
    if (Status fits = check_length(chromosome, path, layout); !fits.ok()) return fits.failure();
    plan.chromosome_of_target[target] = static_cast<int>(plan.chromosomes.size());
    plan.chromosomes.push_back(std::move(chromosome));
  }
  if (plan.chromosomes.empty()) {
    const std::string spelt = layout.lengths_known ? "" : " (nor chrI, CHROMOSOME_I, ...)";
    return Failure{std::string(path) + ": the header names none of " + chromosomes_named(layout) + spelt +
                   ": is the file aligned to this genome?"};
  }
  return plan;
}

}  // namespace vesmar
