#include "formats/snp_vcf/snp_vcf.h"

#include <array>
#include <limits>
#include <sstream>

#include "engine/fixed_width.h"
#include "genome/package_paths.h"
#include "engine/percent_encoding.h"
#include "engine/program_info.h"
#include "genome/region_choice.h"
#include "genome_scan/region_mapping.h"
#include "formats/snp_vcf/snp_class.h"

namespace vesmar {

namespace {

// Whether `c` may stand in a VCF value as it is: no blank or other control
// character, nothing that separates fields, keys, values or CSQ's fields.
bool plain_in_a_value(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x7F && c != ';' && c != '=' && c != ',' && c != '%' && c != '|';
}

// Writes `text` at `out` with every byte that a value may not hold as %XX;
// `out` has room for three bytes a byte.
char* put_value(char* out, std::string_view text) { return put_percent_encoded(out, text, plain_in_a_value); }

std::string encoded(std::string_view text) {
  std::string value(3 * text.size(), '\0');
  value.resize(static_cast<std::size_t>(put_value(value.data(), text) - value.data()));
  return value;
}


char capital(char base) { return base >= 'a' && base <= 'z' ? static_cast<char>(base - 'a' + 'A') : base; }

bool is_capital_base(char base) { return base == 'A' || base == 'C' || base == 'G' || base == 'T'; }

std::string contig_line(const ChromosomeLayout& layout, const LayoutChromosome& chromosome) {
  std::string line = "##contig=<ID=" + chromosome.name;
  if (layout.lengths_known) line += ",length=" + std::to_string(chromosome.length);
  return line + ">\n";
}

std::string header(const SnpVcfRun& settings, const ChromosomeLayout& layout) {
  std::ostringstream ratio;
  ratio << settings.thresholds.mut_wt_ratio;
  std::string text =
      "##fileformat=VCFv4.2\n"
      "##source=Point_scan " + std::string(kSuiteVersion) + "\n"
      "##vesmar_ratio=" + ratio.str() + "\n"
      "##vesmar_min_mut_reads=" + std::to_string(settings.thresholds.min_mut_reads) + "\n"
      "##vesmar_regions=" + std::string(row_of(settings.regions).words) + "\n"
      "##vesmar_alignment_results=" + std::string(settings.alignment_path) + "\n"
      "##vesmar_region_file=" + path_in(kFeatureLocationsFolder, region_file_name(settings.regions)) + "\n"
      "##vesmar_report=" + std::string(settings.report_path) + "\n";
  for (const LayoutChromosome& chromosome : layout.chromosomes) text += contig_line(layout, chromosome);
  text +=
      "##INFO=<ID=REGION,Number=1,Type=String,Description=\"The region the SNP lies in or next to (the "
      "report's Exon column)\">\n"
      "##INFO=<ID=CLASS,Number=1,Type=String,Description=\"The kind of region: exon, intron or intergenic\">\n"
      "##INFO=<ID=STRAND,Number=1,Type=String,Description=\"The region's strand, as its region file gives it "
      "(1 or -1)\">\n"
      "##INFO=<ID=RPOS,Number=1,Type=Integer,Description=\"The SNP's place in its region: 0 at the region's "
      "first base, counted from its lower genome end (the report's Position column)\">\n"
      "##INFO=<ID=CSQ,Number=.,Type=String,Description=\"The codon change of an SNP in the coding part of an "
      "exon, or splice_region for an SNP beside its exon, outside it. Format: Consequence|Gene|Codons|Amino_acids\">\n"
      "##FORMAT=<ID=GT,Number=1,Type=String,Description=\"Genotype: 1/1 when the mutant reads are at least 0.8 "
      "of the reads (WT and mutant), 0/1 otherwise\">\n"
      "##FORMAT=<ID=AD,Number=R,Type=Integer,Description=\"Reads that show the reference base (WT reads), "
      "and reads that show another base (mutant reads)\">\n"
      "##FORMAT=<ID=DP,Number=1,Type=Integer,Description=\"WT reads and mutant reads together\">\n"
      "#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\t";
  for (const char c : settings.first_name) text += c == '\t' || c == '\n' || c == '\r' ? '_' : c;
  text += '\n';
  return text;
}

}  // namespace

std::string_view genotype_of(std::int64_t wt_reads, std::int64_t mut_reads) {
  // mut / (wt + mut) >= 4 / 5, in whole numbers.
  return 5 * mut_reads >= 4 * (wt_reads + mut_reads) ? "1/1" : "0/1";
}

std::string_view gene_of(std::string_view exon_name) {
  const std::size_t found = exon_name.find("exon");
  if (found == std::string_view::npos || found == 0) return exon_name;
  std::string_view gene = exon_name.substr(0, found);
  if (gene.back() == '.' || gene.back() == '_' || gene.back() == '-') gene.remove_suffix(1);
  return gene.empty() ? exon_name : gene;
}

SnpVcfWriter::SnpVcfWriter(const SnpVcfRun& run, const ChromosomeLayout& layout, OutputFile* out)
    : layout_(layout), out_(out), region_class_(row_of(run.regions).vcf_class),
      exon_regions_(run.regions == RegionChoice::exons) {
  if (out_ != nullptr) out_->write(header(run, layout_));
}

void SnpVcfWriter::prepare(const Region& region) {
  text_.region = &region;
  const std::optional<std::size_t> chromosome = find_region_chromosome(layout_, region.chromosome);
  text_.offset.reset();
  text_.chromosome.clear();
  if (chromosome) {
    const LayoutChromosome& on = layout_.chromosomes[*chromosome];
    text_.offset = on.offset;
    text_.last_position = layout_.lengths_known ? on.length : std::numeric_limits<std::int64_t>::max();
    // Built by appending: g++ 12 warns falsely of overlapping copies in
    // assign() and operator+ here.
    text_.chromosome.append(on.name).push_back('\t');
  }
  text_.info.clear();
  text_.info.append("REGION=").append(encoded(region.name)).append(";CLASS=").append(region_class_);
  text_.info.append(";STRAND=").append(encoded(region.strand)).append(";RPOS=");
  text_.gene.clear();
  text_.gene.append("|").append(encoded(gene_of(region.name))).push_back('|');
}

void SnpVcfWriter::add(const AlignmentRecord& hit, const Region& region, const std::optional<CodonChange>& change) {
  if (text_.region != &region) prepare(region);
  const std::int64_t position = text_.offset ? hit.position - *text_.offset : 0;
  if (position < 1 || position > text_.last_position) {
    ++off_chromosomes_;
    return;
  }
  // The bases where the report's marker stands.
  const std::size_t column = hit_column(hit.read_window, hit.reference_window);
  const char reference = column < hit.reference_window.size() ? capital(hit.reference_window[column]) : '\0';
  const char read = column < hit.read_window.size() ? capital(hit.read_window[column]) : '\0';
  if (!is_capital_base(reference) || !is_capital_base(read) || reference == read) {
    ++without_base_change_;
    return;
  }
  ++records_;
  if (out_ == nullptr) return;
  const std::size_t longest = 64 + text_.chromosome.size() + text_.info.size() + text_.gene.size() +
                              (change ? 3 * change->text_size() : 0) + 4 * kLongestNumber;
  out_->put_in_place(longest, [&](char* out) {
    out = put_text(out, text_.chromosome);
    out = put_number_field(out, position, 0);
    out = put_text(out, "\t.\t");
    *out++ = reference;
    *out++ = '\t';
    *out++ = read;
    out = put_text(out, "\t.\t.\t");
    out = put_text(out, text_.info);
    const std::int64_t place = region_position(region, hit.position);
    out = put_number_field(out, place, 0);
    if (!change && exon_regions_ && (place < 0 || place > std::int64_t{region.end} - region.start)) {
      out = put_text(out, ";CSQ=");
      out = put_text(out, kSpliceRegion);
      out = put_text(out, text_.gene);
      *out++ = '|';
    } else if (change) {
      out = put_text(out, ";CSQ=");
      out = put_text(out, consequence_of(*change));
      out = put_text(out, text_.gene);
      out = put_value(out, text_of(change->wt_codon));
      *out++ = '>';
      out = put_value(out, text_of(change->mut_codon));
      *out++ = '|';
      out = put_value(out, change->wt_amino_acid);
      *out++ = '>';
      out = put_value(out, change->mut_amino_acid);
    }
    out = put_text(out, "\tGT:AD:DP\t");
    out = put_text(out, genotype_of(hit.wt_reads, hit.mut_reads));
    *out++ = ':';
    out = put_number_field(out, hit.wt_reads, 0);
    *out++ = ',';
    out = put_number_field(out, hit.mut_reads, 0);
    *out++ = ':';
    out = put_number_field(out, std::int64_t{hit.wt_reads} + hit.mut_reads, 0);
    *out++ = '\n';
    return out;
  });
}

}  // namespace vesmar
