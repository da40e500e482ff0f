#include "point_scan/point_report.h"

#include <array>
#include <cstring>

#include "engine/fixed_width.h"
#include "genome_scan/report_columns.h"
#include "genome_scan/region_mapping.h"

namespace vesmar {

namespace {

constexpr Column kPosition{"Position", 11};
constexpr Column kChromosomePosition{"Chrom. Pos.", 19};
constexpr Column kCodonChange{"Codon change", 25};  // exon mode only
constexpr Column kAlignment{"Alignment", 19};
constexpr Column kWtReads{"WT Reads", 11};
constexpr Column kMutReads{"Mut Reads", 11};
// The rows write the mutant count 19 wide, under a heading of 11.
constexpr std::size_t kMutReadsValueWidth = 19;

constexpr std::array kExonColumns{kNumberColumn, kRegionColumn, kChromosomeColumn, kStrandColumn, kPosition,
                                  kChromosomePosition, kCodonChange, kAlignment, kWtReads, kMutReads};
constexpr std::array kOtherColumns{kNumberColumn, kRegionColumn, kChromosomeColumn, kStrandColumn, kPosition,
                                   kChromosomePosition, kAlignment, kWtReads, kMutReads};

// The window picture below a row starts where the codon column (exon mode)
// or the window column begins: after the columns up to the chromosome
// position, each with its blank.
constexpr std::size_t kPictureIndent = kNumberColumn.width + kRegionColumn.width + kChromosomeColumn.width +
                                       kStrandColumn.width + kPosition.width + kChromosomePosition.width + 6;
constexpr std::size_t kCodonCellWidth = kCodonChange.width + 1;  // with its blank
constexpr std::size_t kBlanksAfterWindow = 7;
constexpr std::string_view kMarkerAtThirteenth = "||||||||||||*";
constexpr std::string_view kMarkerAtFirst = "*||||||||||||";

// The longest row a hit can make.
std::size_t longest_row(const std::string& region_text, const AlignmentRecord& hit,
                        const std::optional<CodonChange>& change) {
  return 4 * (kLongestNumber + 20) + 2 * (kPictureIndent + kCodonCellWidth) + region_text.size() +
         hit.read_window.size() + hit.reference_window.size() + kMarkerAtFirst.size() + kBlanksAfterWindow +
         (change ? change->text_size() : 0) + 8;
}

char* put_blanks(char* out, std::size_t count) {
  std::memset(out, ' ', count);
  return out + count;
}

}  // namespace

std::string point_report_heading(bool exon_mode) {
  std::string text =
      "\n"
      "      Point_scan output file \n"
      "      -----------------------\n"
      "\n"
      "Exon, intron, or intergenic positions on strands marked '1' are relative to the 5' end of the "
      "reference exon\n"
      "Exon, intron, or intergenic positions on strands marked '-1', are relative to the 3' end of the "
      "reference exon\n"
      "\n";
  if (exon_mode) {
    text += heading_line(kExonColumns);
    text.append(159, '-');
  } else {
    text += heading_line(kOtherColumns);
    text.append(132, '-');
  }
  text += '\n';
  return text;
}

PointReportWriter::RegionColumns::RegionColumns(const Region& region, const ChromosomeLayout& layout) {
  if (const std::optional<std::size_t> chromosome = find_region_chromosome(layout, region.chromosome)) {
    chromosome_offset = layout.chromosomes[*chromosome].offset;
  }
  text.resize(region.name.size() + region.chromosome.size() + region.strand.size() + kRegionColumn.width +
              kChromosomeColumn.width + kStrandColumn.width + 3);
  char* out = text.data();
  out = put_column(out, region.name, kRegionColumn.width);
  out = put_column(out, region.chromosome, kChromosomeColumn.width);
  out = put_column(out, region.strand, kStrandColumn.width);
  text.resize(static_cast<std::size_t>(out - text.data()));
}

PointReportWriter::PointReportWriter(bool exon_mode, const RegionTable& regions, const ExonTables& exon_tables,
                                     const ChromosomeLayout& layout, OutputFile* out)
    : exon_mode_(exon_mode), regions_(regions), exon_tables_(exon_tables), layout_(layout), out_(out) {
  if (exon_mode_) codons_.emplace(exon_tables_.genetic_code);
  if (out_ != nullptr) out_->write(point_report_heading(exon_mode_));
}

const std::optional<CodonChange>& PointReportWriter::add(const AlignmentRecord& hit, std::size_t region_index) {
  ++row_number_;
  change_.reset();
  const Region& region = regions_.regions[region_index];
  if (region_index != current_region_) {
    current_region_ = region_index;
    columns_.emplace(region, layout_);
    if (exon_mode_) {
      exon_frame_ = exon_tables_.frames.find(region.name);
      exon_.emplace(region.name, exon_tables_.sequences);
    }
  }
  // The codon change of a coding hit, in exon mode.
  if (exon_mode_) {
    if (std::optional<ExonGeometry> geometry = coding_geometry(region, hit.position, exon_frame_)) {
      change_ = codon_change(*exon_, *geometry, hit.read_window, hit.reference_window, *codons_);
    }
  }
  if (out_ == nullptr) return change_;
  const std::optional<CodonChange>& change = change_;
  const std::size_t indent = exon_mode_ ? kPictureIndent + kCodonCellWidth : kPictureIndent;
  out_->put_in_place(longest_row(columns_->text, hit, change), [&](char* out) {
    out = put_number_column(out, row_number_, kNumberColumn.width);
    std::memcpy(out, columns_->text.data(), columns_->text.size());
    out += columns_->text.size();
    out = put_number_column(out, region_position(region, hit.position), kPosition.width);
    if (columns_->chromosome_offset) {
      out = put_number_column(out, hit.position - *columns_->chromosome_offset, kChromosomePosition.width);
    }
    if (change) {
      out = change->put(out);
    } else if (exon_mode_) {
      out = put_blanks(out, kCodonCellWidth);
    }
    out = put_field(out, hit.read_window, 0);
    out = put_blanks(out, kBlanksAfterWindow);
    out = put_number_column(out, hit.wt_reads, kWtReads.width);
    out = put_number_field(out, hit.mut_reads, kMutReadsValueWidth);
    *out++ = '\n';
    out = put_blanks(out, indent);
    const bool at_first = hit_column(hit.read_window, hit.reference_window) == 0;
    out = put_field(out, at_first ? kMarkerAtFirst : kMarkerAtThirteenth, 0);
    *out++ = '\n';
    out = put_blanks(out, indent);
    out = put_field(out, hit.reference_window, 0);
    *out++ = '\n';
    return out;
  });
  return change_;
}

}  // namespace vesmar
