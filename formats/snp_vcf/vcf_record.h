#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "formats/record_lines/input_record.h"
#include "formats/snp_vcf/snp_class.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// A record of Point_scan's VCF, as far as the overview uses it. The texts
// stay as the file writes them (%XX-encoded); -1 reads when the sample
// column gives no AD.
struct SnpRecord {
  int chromosome = 0;  // its place in the layout the file is read with
  std::int64_t position = 0;
  SnpClass snp_class = SnpClass::Intergenic;
  std::string ref, alt, region;
  std::string consequence, codons, amino_acids;  // from CSQ, for coding exon SNPs
  std::int64_t wt_reads = -1;
  std::int64_t mut_reads = -1;

  std::pair<int, std::int64_t> key() const { return {chromosome, position}; }
  // Mutant reads / (WT + mutant reads); -1 when the reads are not known or
  // there are none.
  double mutant_share() const;
};

// Reads one line of a VCF (without its line feed; a carriage return before
// it is dropped). A record needs CHROM, a whole positive POS and the columns
// up to INFO; CHROM is found in `layout` as the scanners find a region's
// chromosome (find_region_chromosome), and a record on a chromosome that
// the layout does not hold is one of another chromosome. Its class is INFO's CLASS (exon, intron, intergenic; an exon
// SNP whose CSQ is missense, stop_gained or stop_lost changes a protein),
// or `file_class` where CLASS is missing or of another word. Reads come
// from the AD of the sample column.
LineKind read_vcf_line(std::string_view line, SnpClass file_class, const ChromosomeLayout& layout,
                       SnpRecord& record);

// The setting a header line records ("##vesmar_ratio=3", "##source=..."), as
// key and value; nothing for other lines.
std::optional<std::pair<std::string_view, std::string_view>> vcf_setting(std::string_view line);

}  // namespace vesmar
