#include "point_scan/point_report.h"

#include <algorithm>
#include <cstring>

#include "common/chromosome_offsets.h"
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

// The longest row a hit can make, with its exon data looked up.
std::size_t longest_row(const Region& region, const ReportedHit& hit,
                        const std::optional<CodonChange>& change) {
  return 6 * kLongestNumber + 2 * (kPictureIndent + kCodonColumnWidth) + 128 + region.name.size() +
         region.chromosome.size() + region.strand.size() + hit.read_window.size() +
         hit.reference_window.size() + (change ? change->text_size() : 0);
}

}  // namespace

RegionColumns::RegionColumns(const Region& region)
    : chromosome_offset(vesmar::chromosome_offset(region.chromosome)) {
  append_field(text, region.name, 19);
  text += ' ';
  append_field(text, region.chromosome, 11);
  text += ' ';
  append_field(text, region.strand, 11);
  text += ' ';
}

namespace {

// Writes a row at `out`, which has room for longest_row(), and returns its
// end. `change` is the codon change of a coding hit in exon mode.
char* put_row(char* out, bool exon_mode, const Region& region, const RegionColumns& columns,
              const ReportedHit& hit, std::int64_t row_number,
              const std::optional<CodonChange>& change) {
  out = put_number_field(out, row_number, 11);
  *out++ = ' ';
  std::memcpy(out, columns.text.data(), columns.text.size());
  out += columns.text.size();
  out = put_number_field(out, region_position(region, hit.position), 11);
  *out++ = ' ';
  if (columns.chromosome_offset) {
    out = put_number_field(out, hit.position - *columns.chromosome_offset, 19);
    *out++ = ' ';
  }
  if (change) {
    out = change->put(out);
  } else if (exon_mode) {
    std::memset(out, ' ', kCodonColumnWidth);
    out += kCodonColumnWidth;
  }
  out = put_field(out, hit.read_window, 0);
  std::memset(out, ' ', 7);
  out += 7;
  out = put_number_field(out, hit.wt_reads, 11);
  *out++ = ' ';
  out = put_number_field(out, hit.mut_reads, 19);
  *out++ = '\n';
  // The indent's two widths written as constants, which needs no call.
  auto put_indent = [&] {
    if (exon_mode) {
      std::memset(out, ' ', kPictureIndent + kCodonColumnWidth);
      out += kPictureIndent + kCodonColumnWidth;
    } else {
      std::memset(out, ' ', kPictureIndent);
      out += kPictureIndent;
    }
  };
  put_indent();
  out = put_field(out,
                  hit_at_first_column(hit.read_window, hit.reference_window) ? kMarkerAtFirst
                                                                              : kMarkerAtThirteenth,
                  0);
  *out++ = '\n';
  put_indent();
  out = put_field(out, hit.reference_window, 0);
  *out++ = '\n';
  return out;
}

// The codon change of a hit in exon mode, when it is a coding hit.
std::optional<CodonChange> coding_change(const Region& region, const ReportedHit& hit,
                                         const ExonFrame* frame, ExonContext& exon,
                                         const CodonTable& codons) {
  std::optional<ExonGeometry> geometry = coding_geometry(region, hit.position, frame);
  if (!geometry) return std::nullopt;
  return codon_change(exon, *geometry, hit.read_window, hit.reference_window, codons);
}

}  // namespace

void append_point_report_row(std::string& text, const PointReport& report, const Region& region,
                             const ReportedHit& hit, std::int64_t row_number) {
  std::optional<CodonChange> change;
  if (report.exon_mode) {
    ExonContext exon(region.name, report.exon_tables->sequences);
    change = coding_change(region, hit, report.exon_tables->frames.find(region.name), exon,
                           CodonTable(report.exon_tables->genetic_code));
  }
  const std::size_t used = text.size();
  text.resize(used + longest_row(region, hit, change));
  char* end = put_row(text.data() + used, report.exon_mode, region, RegionColumns(region), hit,
                      row_number, change);
  text.resize(end - text.data());
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
  if (report_.exon_mode) codons_.emplace(report_.exon_tables->genetic_code);
  if (out_ != nullptr) out_->write(point_report_heading(report_.exon_mode));
}

void PointReportWriter::add(const ReportedHit& hit, std::size_t region) {
  ++row_number_;
  if (out_ == nullptr) return;
  const Region& matched = report_.regions->regions[region];
  if (region != current_region_) {
    current_region_ = region;
    columns_.emplace(matched);
    if (report_.exon_mode) {
      exon_frame_ = report_.exon_tables->frames.find(matched.name);
      exon_.emplace(matched.name, report_.exon_tables->sequences);
    }
  }
  std::optional<CodonChange> change;
  if (report_.exon_mode) change = coding_change(matched, hit, exon_frame_, *exon_, *codons_);
  // The row is written straight into the report's buffer.
  char* const row = out_->room(longest_row(matched, hit, change)).data();
  const char* end = put_row(row, report_.exon_mode, matched, *columns_, hit, row_number_, change);
  out_->appended(static_cast<std::size_t>(end - row));
}

void write_point_report(const PointReport& report, OutputFile& out) {
  out.write(point_report_heading(report.exon_mode));
  std::int64_t row_number = 0;
  for (const Hit& hit : report.hits->hits) {
    out.write(point_report_row(report, hit, ++row_number));
  }
}

}  // namespace vesmar
