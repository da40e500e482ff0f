#include "alignment_counts/reference_match.h"

#include <optional>
#include <string>

#include "genome/chromosome_layout.h"

namespace vesmar {

namespace {

std::optional<std::size_t> record_for(const PlannedChromosome& chromosome, std::span<const ReferenceRecord> records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].name == chromosome.name) return i;
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (same_chromosome_name(records[i].name, chromosome.genome_name)) return i;
  }
  return std::nullopt;
}

}  // namespace

Result<std::vector<std::size_t>> match_reference(const GenomePlan& plan, std::span<const ReferenceRecord> records,
                                                 std::string_view reference_path, std::string_view alignment_path) {
  std::vector<std::size_t> matched;
  for (const PlannedChromosome& chromosome : plan.chromosomes) {
    const std::string named = "chromosome " + chromosome.genome_name +
                              " (\"" + chromosome.name + "\" in the header of " + std::string(alignment_path) + ")";
    const std::optional<std::size_t> record = record_for(chromosome, records);
    if (!record) return Failure{std::string(reference_path) + " has no record for " + named};
    if (records[*record].length != chromosome.length) {
      return Failure{std::string(reference_path) + ": the record \"" + records[*record].name + "\" has " +
                     std::to_string(records[*record].length) + " bases, but " + named + " has " +
                     std::to_string(chromosome.length) + ": were the reads aligned to another reference?"};
    }
    matched.push_back(*record);
  }
  return matched;
}

}  // namespace vesmar
