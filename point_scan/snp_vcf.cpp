#include "point_scan/snp_vcf.h"

#include <array>
#include <sstream>

#include "common/chromosome_offsets.h"
#include "common/fixed_width.h"
#include "common/package_paths.h"
#include "common/percent_encoding.h"
#include "common/program_info.h"
#include "common/region_choice.h"
#include "point_scan/region_mapping.h"

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


// Whether an amino acid's name is one that genetic code tables give stops,
// in any case.
bool is_stop(std::string_view amino_acid) {
  const auto same = [&](std::string_view name) {
    if (amino_acid.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
      const char c = amino_acid[i];
      if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != name[i]) return false;
    }
    return true;
  };
  return same("stp") || same("ter") || same("stop") || same("end") || same("*");
}

char capital(char base) { return base >= 'a' && base <= 'z' ? static_cast<char>(base - 'a' + 'A') : base; }

bool is_capital_base(char base) { return base == 'A' || base == 'C' || base == 'G' || base == 'T'; }

std::string header(const PointScanSettings& settings) {
  std::ostringstream ratio;
  ratio << settings.thresholds.mut_wt_ratio;
  std::string text =
      "##fileformat=VCFv4.2\n"
      "##source=Point_scan " + std::string(kSuiteVersion) + "\n"
      "##vesmar_ratio=" + ratio.str() + "\n"
      "##vesmar_min_mut_reads=" + std::to_string(settings.thresholds.min_mut_reads) + "\n"
      "##vesmar_regions=" + std::string(region_kind(settings.region_file_name)) + "\n"
      "##vesmar_alignment_results=" + settings.alignment_path + "\n"
      "##vesmar_region_file=" + path_in(kFeatureLocationsFolder, settings.region_file_name) + "\n"
      "##vesmar_report=" + settings.report_path + "\n";
  for (const std::string_view chromosome : kChromosomeNames) text += "##contig=<ID=" + std::string(chromosome) + ">\n";
  text +=
      "##INFO=<ID=REGION,Number=1,Type=String,Description=\"The region the SNP lies in or next to (the "
      "report's Exon column)\">\n"
      "##INFO=<ID=CLASS,Number=1,Type=String,Description=\"The kind of region: exon, intron or intergenic\">\n"
      "##INFO=<ID=STRAND,Number=1,Type=String,Description=\"The region's strand, as its region file gives it "
      "(1 or -1)\">\n"
      "##INFO=<ID=RPOS,Number=1,Type=Integer,Description=\"The SNP's place in its region: 0 at the region's "
      "first base, counted from its lower genome end (the report's Position column)\">\n"
      "##INFO=<ID=CSQ,Number=.,Type=String,Description=\"The codon change of an SNP in the coding part of an "
      "exon. Format: Consequence|Gene|Codons|Amino_acids\">\n"
      "##FORMAT=<ID=AD,Number=R,Type=Integer,Description=\"Reads that show the reference base (WT reads), "
      "and reads that show another base (mutant reads)\">\n"
      "##FORMAT=<ID=DP,Number=1,Type=Integer,Description=\"WT reads and mutant reads together\">\n"
      "#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\t";
  for (const char c : settings.first_name) text += c == '\t' || c == '\n' || c == '\r' ? '_' : c;
  text += '\n';
  return text;
}

std::string_view class_of(std::string_view region_file_name) {
  const std::string_view kind = region_kind(region_file_name);
  return kind == "exons" ? "exon" : kind == "introns" ? "intron" : "intergenic";
}

}  // namespace

std::string_view gene_of(std::string_view exon_name) {
  const std::size_t found = exon_name.find("exon");
  if (found == std::string_view::npos || found == 0) return exon_name;
  std::string_view gene = exon_name.substr(0, found);
  if (gene.back() == '.' || gene.back() == '_' || gene.back() == '-') gene.remove_suffix(1);
  return gene.empty() ? exon_name : gene;
}

std::string_view consequence_of(const CodonChange& change) {
  const auto unknown = [](const Codon& codon, std::string_view acid) {
    return codon[0] == '?' || codon[1] == '?' || codon[2] == '?' || acid == kUnknownAminoAcid;
  };
  if (unknown(change.wt_codon, change.wt_amino_acid) || unknown(change.mut_codon, change.mut_amino_acid)) {
    return "unknown";
  }
  if (change.wt_amino_acid == change.mut_amino_acid) return "synonymous";
  const bool was_stop = is_stop(change.wt_amino_acid);
  const bool is_now_stop = is_stop(change.mut_amino_acid);
  if (!was_stop && is_now_stop) return "stop_gained";
  if (was_stop && !is_now_stop) return "stop_lost";
  return "missense";
}

SnpVcfWriter::SnpVcfWriter(const PointScanSettings& settings, OutputFile* out)
    : out_(out), region_class_(class_of(settings.region_file_name)) {
  if (out_ != nullptr) out_->write(header(settings));
}

void SnpVcfWriter::prepare(const Region& region) {
  text_.region = &region;
  text_.offset = chromosome_offset(region.chromosome);
  // Built by appending: g++ 12 warns falsely of overlapping copies in
  // assign() and operator+ here.
  text_.chromosome.clear();
  text_.chromosome.append(region.chromosome).push_back('\t');
  text_.info.clear();
  text_.info.append("REGION=").append(encoded(region.name)).append(";CLASS=").append(region_class_);
  text_.info.append(";STRAND=").append(encoded(region.strand)).append(";RPOS=");
  text_.gene.clear();
  text_.gene.append("|").append(encoded(gene_of(region.name))).push_back('|');
}

void SnpVcfWriter::add(const AlignmentRecord& hit, const Region& region, const std::optional<CodonChange>& change) {
  if (text_.region != &region) prepare(region);
  const std::int64_t position = text_.offset ? hit.position - *text_.offset : 0;
  if (position < 1) {
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
    out = put_number_field(out, region_position(region, hit.position), 0);
    if (change) {
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
    out = put_text(out, "\tAD:DP\t");
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
