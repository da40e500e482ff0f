#include "point_scan/point_report.h"

#include <cstring>

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

namespace {

// Makes room for `most` more characters at the end of `text` and returns
// where they go; finish_row() trims what was not used.
char* room_for(std::string& text, std::size_t most) {
  const std::size_t used = text.size();
  text.resize(used + most);
  return text.data() + used;
}

void finish_row(std::string& text, const char* end) { text.resize(end - text.data()); }

// A row, with the exon data of a hit in exon mode already looked up.
void append_row(std::string& text, const PointReport& report, const Region& region,
                const ReportedHit& hit, std::int64_t row_number, const ExonFrame* frame,
                ExonContext* exon) {
  char* out = room_for(text, 5 * kLongestNumber + 64 + region.name.size() +
                                 region.chromosome.size() + region.strand.size());
  out = put_number_field(out, row_number, 11);
  *out++ = ' ';
  out = put_field(out, region.name, 19);
  *out++ = ' ';
  out = put_field(out, region.chromosome, 11);
  *out++ = ' ';
  out = put_field(out, region.strand, 11);
  *out++ = ' ';
  out = put_number_field(out, region_position(region, hit.position), 11);
  *out++ = ' ';
  if (std::optional<std::int64_t> on_chromosome = chromosome_position(region, hit.position)) {
    out = put_number_field(out, *on_chromosome, 19);
    *out++ = ' ';
  }
  if (report.exon_mode) {
    std::optional<ExonGeometry> geometry = coding_geometry(region, hit.position, frame);
    if (geometry) {
      finish_row(text, out);
      append_codon_change(text, *exon, *geometry, hit.read_window, hit.reference_window,
                          report.exon_tables->genetic_code);
      out = room_for(text, 0);
    } else {
      std::memset(out, ' ', kCodonColumnWidth);
      out += kCodonColumnWidth;
    }
  }
  const std::size_t indent = kPictureIndent + (report.exon_mode ? kCodonColumnWidth : 0);
  finish_row(text, out);
  out = room_for(text, hit.read_window.size() + hit.reference_window.size() + 2 * indent +
                           2 * kLongestNumber + 64);
  out = put_field(out, hit.read_window, 0);
  std::memset(out, ' ', 7);
  out += 7;
  out = put_number_field(out, hit.wt_reads, 11);
  *out++ = ' ';
  out = put_number_field(out, hit.mut_reads, 19);
  *out++ = '\n';
  std::memset(out, ' ', indent);
  out += indent;
  out = put_field(out, hit_at_first_column(hit.read_window, hit.reference_window)
                           ? kMarkerAtFirst
                           : kMarkerAtThirteenth,
                  0);
  *out++ = '\n';
  std::memset(out, ' ', indent);
  out += indent;
  out = put_field(out, hit.reference_window, 0);
  *out++ = '\n';
  finish_row(text, out);
}

}  // namespace

void append_point_report_row(std::string& text, const PointReport& report, const Region& region,
                             const ReportedHit& hit, std::int64_t row_number) {
  if (!report.exon_mode) {
    append_row(text, report, region, hit, row_number, nullptr, nullptr);
    return;
  }
  ExonContext exon(region.name, report.exon_tables->sequences);
  append_row(text, report, region, hit, row_number, report.exon_tables->frames.find(region.name),
             &exon);
}

std::string point_report_row(const PointReport& report, const Hit& hit, std::int64_t row_number) {
  std::string text;
  const ReportedHit reported{hit.position, hit.wt_reads, hit.mut_reads,
                             report.hits->read_window(hit), report.hits->reference_window(hit)};
  append_point_report_row(text, report, report.regions->regions[hit.region], reported, row_number);
  return text;
}

PointReportWriter::PointReportWriter(const PointReport& report, OutputFile* out)
    : report_(report), out_(out) {
  if (out_ != nullptr) out_->write(point_report_heading(report_.exon_mode));
}

void PointReportWriter::add(const ReportedHit& hit, std::size_t region) {
  ++row_number_;
  if (out_ == nullptr) return;
  const Region& matched = report_.regions->regions[region];
  if (report_.exon_mode && region != exon_region_) {
    exon_region_ = region;
    exon_frame_ = report_.exon_tables->frames.find(matched.name);
    exon_.emplace(matched.name, report_.exon_tables->sequences);
  }
  row_.clear();
  append_row(row_, report_, matched, hit, row_number_, exon_frame_, exon_ ? &*exon_ : nullptr);
  out_->write(row_);
}

void write_point_report(const PointReport& report, OutputFile& out) {
  out.write(point_report_heading(report.exon_mode));
  std::int64_t row_number = 0;
  for (const Hit& hit : report.hits->hits) {
    out.write(point_report_row(report, hit, ++row_number));
  }
}

}  // namespace vesmar
