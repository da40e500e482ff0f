#include "gap_scan/gap_report.h"

#include <memory>

#include "common/chromosome_offsets.h"
#include "common/fixed_width.h"
#include "common/output_file.h"
#include "gap_scan/region_walk.h"

namespace vesmar {

std::string_view gap_report_heading() {
  static const std::string heading = [] {
    std::string text =
        "\n"
        "      Gap_region_scan output file\n"
        "      ------------------------------\n"
        "\n"
        "Exon, intron, or intergenic positions on strands marked '1' are relative to the 5' end "
        "of the reference exon\n"
        "Exon, intron, or intergenic positions on strands marked '-1', are relative to the 3' end "
        "of the reference exon\n"
        "\n";
    struct Column {
      std::string_view name;
      std::size_t width;
    };
    static constexpr Column kColumns[] = {
        {"Number", 11}, {"Exon", 19},          {"Chrom.", 11},        {"Strand", 11},
        {"Start", 11},  {"End", 11},           {"Gen. Pos. Start", 19}, {"Gen. Pos. End", 19},
        {"Length", 11}, {"Comments", 11},
    };
    for (const Column& column : kColumns) {
      append_field(text, column.name, column.width);
      text += ' ';
    }
    text.back() = '\n';  // no blank after the last column
    text.append(158, '-');
    text += '\n';
    return text;
  }();
  return heading;
}

namespace {

std::string_view comment_text(GapComment comment) {
  switch (comment) {
    case GapComment::Insertion: return "Insertion? ";
    case GapComment::FlankedByTwoMutants: return "Flanked by 2 Mutant reads";
    case GapComment::FlankedByOneMutant: return "Flanked by 1 Mutant read";
    case GapComment::None: break;
  }
  return "";
}

void append_column(std::string& line, std::string_view text, std::size_t width) {
  append_field(line, text, width);
  line += ' ';
}

void append_number_column(std::string& line, std::int64_t value, std::size_t width,
                          bool explicit_sign = false) {
  append_number_field(line, value, width, explicit_sign);
  line += ' ';
}

}  // namespace

void append_gap_row(std::string& line, std::int64_t row_number, const GapEntry& gap,
                    const Region& region) {
  const std::int64_t gap_end = gap.gap_end;
  const std::int64_t gap_length = gap.gap_length;
  const std::int64_t region_start = region.start;
  append_number_column(line, row_number, 11);
  append_column(line, region.name, 19);
  append_column(line, region.chromosome, 11);
  append_column(line, region.strand, 11);
  append_number_column(line, gap_end - gap_length - region_start + 1, 11, true);
  append_number_column(line, gap_end - region_start + 1, 11, true);
  if (std::optional<std::int32_t> offset = chromosome_offset(region.chromosome)) {
    append_number_column(line, gap_end - gap_length - *offset, 19);
    append_number_column(line, gap_end - *offset, 19);
  }
  append_number_column(line, gap_length, 11);
  line += comment_text(gap.comment);
  line += '\n';
}

Status write_gap_report(const std::string& path, const GapTable& gaps,
                        const std::vector<Region>& regions) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& report = *created.value();
  report.write(gap_report_heading());
  std::int64_t row_number = 0;
  std::string line;
  walk_gap_regions(gaps, regions, [&](std::size_t gap, std::size_t region) {
    line.clear();
    append_gap_row(line, ++row_number, gaps[gap], regions[region]);
    report.write(line);
  });
  return report.commit();
}

}  // namespace vesmar
