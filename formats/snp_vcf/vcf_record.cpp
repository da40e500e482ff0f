#include "formats/snp_vcf/vcf_record.h"

#include <algorithm>
#include <array>
#include <optional>

#include "formats/record_lines/field_text.h"

namespace vesmar {

namespace {

bool changes_a_protein(std::string_view consequence) {
  return consequence == "missense" || consequence == "stop_gained" || consequence == "stop_lost";
}

std::optional<SnpClass> class_named(std::string_view word) {
  if (word == "exon") return SnpClass::Exon;
  if (word == "intron") return SnpClass::Intron;
  if (word == "intergenic") return SnpClass::Intergenic;
  return std::nullopt;
}

// REGION, CLASS and CSQ from INFO (keys it does not know are passed over).
void read_info(std::string_view info, SnpClass file_class, SnpRecord& record) {
  record.region.clear();
  record.consequence.clear();
  record.codons.clear();
  record.amino_acids.clear();
  std::optional<SnpClass> named;
  while (!info.empty()) {
    const std::size_t end = info.find(';');
    const std::string_view entry = info.substr(0, end);
    info = end == std::string_view::npos ? std::string_view() : info.substr(end + 1);
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = entry.substr(0, equals);
    const std::string_view value = entry.substr(equals + 1);
    if (key == "REGION") {
      record.region = value;
    } else if (key == "CLASS") {
      named = class_named(value);
    } else if (key == "CSQ") {
      // Consequence|Gene|Codons|Amino_acids; of several, the first.
      std::array<std::string_view, 4> parts;
      split_fields(value.substr(0, value.find(',')), '|', parts);
      record.consequence = parts[0];
      record.codons = parts[2];
      record.amino_acids = parts[3];
    }
  }
  record.snp_class = named.value_or(file_class);
  if (record.snp_class == SnpClass::Exon && changes_a_protein(record.consequence)) {
    record.snp_class = SnpClass::ProteinChange;
  } else if (record.snp_class == SnpClass::Exon && record.consequence == kSpliceRegion) {
    record.snp_class = SnpClass::SpliceRegion;
  }
}

// The WT and mutant reads: the AD of the sample column, as FORMAT orders it.
void read_depths(std::string_view format, std::string_view sample, SnpRecord& record) {
  record.wt_reads = record.mut_reads = -1;
  std::array<std::string_view, 8> keys;
  std::array<std::string_view, 8> values;
  const std::size_t key_count = split_fields(format, ':', keys);
  const std::size_t value_count = split_fields(sample, ':', values);
  for (std::size_t i = 0; i < std::min({key_count, value_count, keys.size()}); ++i) {
    if (keys[i] != "AD") continue;
    std::array<std::string_view, 2> reads;
    if (split_fields(values[i], ',', reads) != 2) return;
    const std::optional<std::int64_t> wt = whole_number(reads[0]);
    const std::optional<std::int64_t> mut = whole_number(reads[1]);
    if (wt && mut) {
      record.wt_reads = *wt;
      record.mut_reads = *mut;
    }
    return;
  }
}

}  // namespace

double SnpRecord::mutant_share() const {
  if (wt_reads < 0 || mut_reads < 0 || wt_reads + mut_reads == 0) return -1;
  return static_cast<double>(mut_reads) / static_cast<double>(wt_reads + mut_reads);
}

LineKind read_vcf_line(std::string_view line, SnpClass file_class, const ChromosomeLayout& layout,
                       SnpRecord& record) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!line.empty() && line.front() == '#') return LineKind::Header;
  // CHROM POS ID REF ALT QUAL FILTER INFO FORMAT sample
  std::array<std::string_view, 10> fields;
  const std::size_t count = split_fields(line, '\t', fields);
  const std::optional<std::int64_t> position = whole_number(fields[1]);
  if (count < 8 || !position || *position < 1) return LineKind::Malformed;
  const std::optional<std::size_t> chromosome = find_region_chromosome(layout, fields[0]);
  if (!chromosome) return LineKind::OtherChromosome;
  record.chromosome = static_cast<int>(*chromosome);
  record.position = *position;
  record.ref = fields[3];
  record.alt = fields[4];
  read_info(fields[7], file_class, record);
  if (count >= 10) {
    read_depths(fields[8], fields[9], record);
  } else {
    record.wt_reads = record.mut_reads = -1;
  }
  return LineKind::Record;
}

std::optional<std::pair<std::string_view, std::string_view>> vcf_setting(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!line.starts_with("##")) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = line.substr(2, equals - 2);
  if (key != "source" && !key.starts_with("vesmar_")) return std::nullopt;
  return std::pair{key, line.substr(equals + 1)};
}

}  // namespace vesmar
