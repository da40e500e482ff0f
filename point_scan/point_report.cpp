#include "point_scan/point_report.h"

#include "common/fixed_width.h"
#include "point_scan/codon_change.h"
#include "point_scan/region_mapping.h"

namespace vesmar {

namespace {

constexpr std::size_t kPictureIndent = 88;    // where the window stands without a codon column
constexpr std::size_t kCodonColumnWidth = 26;  // the codon cell with its separating blanks
constexpr std::string_view kMarkerAtThirteenth = "||||||||||||*";
constexpr std::string_view kMarkerAtFirst = "*||||||||||||";

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
  append_field(text, "Number", 11);
  text += ' ';
  append_field(text, "Exon", 19);
  text += ' ';
  append_field(text, "Chrom.", 11);
  text += ' ';
  append_field(text, "Strand", 11);
  text += ' ';
  append_field(text, "Position", 11);
  text += ' ';
  append_field(text, "Chrom. Pos.", 19);
  text += ' ';
  if (exon_mode) {
    append_field(text, "Codon change", 25);
    text += ' ';
  }
  append_field(text, "Alignment", 19);
  text += ' ';
  append_field(text, "WT Reads", 11);
  text += ' ';
  append_field(text, "Mut Reads", 11);
  text += '\n';
  text.append(exon_mode ? 159 : 132, '-');
  text += '\n';
  return text;
}

std::string point_report_row(const PointReport& report, const Hit& hit, std::int64_t row_number) {
  const Region& region = report.regions->regions[hit.region];
  const std::string_view read_window = report.hits->read_window(hit);
  const std::string_view reference_window = report.hits->reference_window(hit);

  std::string text;
  append_number_field(text, row_number, 11);
  text += ' ';
  append_field(text, region.name, 19);
  text += ' ';
  append_field(text, region.chromosome, 11);
  text += ' ';
  append_field(text, region.strand, 11);
  text += ' ';
  append_number_field(text, region_position(region, hit.position), 11);
  text += ' ';
  if (std::optional<std::int64_t> on_chromosome = chromosome_position(region, hit.position)) {
    append_number_field(text, *on_chromosome, 19);
    text += ' ';
  }
  if (report.exon_mode) {
    std::optional<ExonGeometry> geometry =
        coding_geometry(region, hit.position, report.exon_tables->frames);
    if (geometry) {
      text += codon_change_text(region.name, *geometry, read_window, reference_window,
                                *report.exon_tables);
    } else {
      text.append(kCodonColumnWidth, ' ');
    }
  }
  text += read_window;
  text.append(7, ' ');
  append_number_field(text, hit.wt_reads, 11);
  text += ' ';
  append_number_field(text, hit.mut_reads, 19);
  text += '\n';

  const std::size_t indent = kPictureIndent + (report.exon_mode ? kCodonColumnWidth : 0);
  text.append(indent, ' ');
  text += hit_at_first_column(read_window, reference_window) ? kMarkerAtFirst : kMarkerAtThirteenth;
  text += '\n';
  text.append(indent, ' ');
  text += reference_window;
  text += '\n';
  return text;
}

void write_point_report(const PointReport& report, OutputFile& out) {
  out.write(point_report_heading(report.exon_mode));
  std::int64_t row_number = 0;
  for (const Hit& hit : report.hits->hits) {
    out.write(point_report_row(report, hit, ++row_number));
  }
}

}  // namespace vesmar
