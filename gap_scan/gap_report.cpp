#include "gap_scan/gap_report.h"

#include <array>
#include <memory>

#include "engine/fixed_width.h"
#include "genome_scan/report_columns.h"
#include "engine/output_file.h"
#include "genome_scan/region_walk.h"

namespace vesmar {

namespace {

constexpr Column kStart{"Start", 11};
constexpr Column kEnd{"End", 11};
constexpr Column kGenomeStart{"Gen. Pos. Start", 19};
constexpr Column kGenomeEnd{"Gen. Pos. End", 19};
constexpr Column kLength{"Length", 11};
constexpr Column kComments{"Comments", 11};
constexpr std::array kColumns{kNumberColumn, kRegionColumn, kChromosomeColumn, kStrandColumn, kStart,
                              kEnd,          kGenomeStart,  kGenomeEnd,        kLength,       kComments};

std::string_view comment_text(GapComment comment) {
  switch (comment) {
    case GapComment::Insertion: return "Insertion? ";
    case GapComment::FlankedByTwoMutants: return "Flanked by 2 Mutant reads";
    case GapComment::FlankedByOneMutant: return "Flanked by 1 Mutant read";
    case GapComment::None: break;
  }
  return "";
}

}  // namespace

std::string_view gap_report_heading() {
  static const std::string heading =
      "\n"
      "      Gap_region_scan output file\n"
      "      ------------------------------\n"
      "\n"
      "Exon, intron, or intergenic positions on strands marked '1' are relative to the 5' end "
      "of the reference exon\n"
      "Exon, intron, or intergenic positions on strands marked '-1', are relative to the 3' end "
      "of the reference exon\n"
      "\n" +
      heading_line(kColumns) + std::string(158, '-') + "\n";
  return heading;
}

std::size_t longest_gap_row(const Region& region) {
  return 8 * (kLongestNumber + 20) + region.name.size() + region.chromosome.size() + region.strand.size() +
         kRegionColumn.width + kChromosomeColumn.width + kStrandColumn.width + 3 +
         comment_text(GapComment::FlankedByTwoMutants).size() + 1;
}

char* put_gap_row(char* out, std::int64_t row_number, const GapEntry& gap, const Region& region,
                  std::optional<std::int64_t> offset) {
  const std::int64_t gap_end = gap.gap_end;
  const std::int64_t gap_length = gap.gap_length;
  const std::int64_t region_start = region.start;
  out = put_number_column(out, row_number, kNumberColumn.width);
  out = put_column(out, region.name, kRegionColumn.width);
  out = put_column(out, region.chromosome, kChromosomeColumn.width);
  out = put_column(out, region.strand, kStrandColumn.width);
  out = put_number_column(out, gap_end - gap_length - region_start + 1, kStart.width, true);
  out = put_number_column(out, gap_end - region_start + 1, kEnd.width, true);
  if (offset) {
    out = put_number_column(out, gap_end - gap_length - *offset, kGenomeStart.width);
    out = put_number_column(out, gap_end - *offset, kGenomeEnd.width);
  }
  out = put_number_column(out, gap_length, kLength.width);
  out = put_field(out, comment_text(gap.comment), 0);
  *out++ = '\n';
  return out;
}

std::int64_t write_gap_report(OutputFile& report, GapBed& bed, const GapTable& gaps,
                              const std::vector<Region>& regions, const ChromosomeLayout& layout) {
  report.write(gap_report_heading());
  std::int64_t row_number = 0;
  // A region's rows follow one another: its chromosome is found once for them.
  std::size_t current_region = SIZE_MAX;
  std::optional<std::size_t> chromosome;
  walk_gap_regions(gaps, regions, [&](std::size_t gap, std::size_t region) {
    ++row_number;
    if (region != current_region) {
      current_region = region;
      chromosome = find_region_chromosome(layout, regions[region].chromosome);
    }
    const std::optional<std::int64_t> offset =
        chromosome ? std::optional<std::int64_t>(layout.chromosomes[*chromosome].offset) : std::nullopt;
    report.put_in_place(longest_gap_row(regions[region]),
                        [&](char* out) { return put_gap_row(out, row_number, gaps[gap], regions[region], offset); });
    bed.add(gaps[gap], regions[region], chromosome);
  });
  return row_number;
}

}  // namespace vesmar
