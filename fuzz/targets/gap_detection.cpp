// The gap detector and the region walk, whatever the counts and regions:
//   - the entries are in genome order (gap_end never decreases) and inside
//     the genome: a gap covers positions 1 to the last position read, an
//     insertion entry names two positions that were read;
//   - every gap is a whole run of uncovered positions, every such run is one
//     gap (the end of the file closes the last), and a gap said to be flanked
//     by 2 mutant reads is closed by a mutant position;
//   - runs of WT-only positions given as wt_only_positions(n) give the same
//     table as the positions given one by one;
//   - an insertion entry's second position is a mutant position without WT
//     reads, and (counts being never negative) its first is a mutant too;
//   - the walk pairs only gaps and regions that overlap, moving through both
//     tables once, and every row has the widths the layout fixes.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "genome/chromosome_offsets.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/row_layout.h"
#include "genome_scan/gap_detector.h"
#include "gap_scan/gap_report.h"
#include "genome_scan/region_walk.h"

namespace vesmar::fuzz {
namespace {

struct Counts {
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  bool uncovered() const { return wt_reads == 0 && mut_reads == 0; }
  bool mutant() const { return mut_reads >= 1; }
};

// Mostly the counts an aligner writes, with many uncovered positions; now and
// then any 32-bit counts.
Counts counts_from(FuzzInput& input) {
  const std::uint8_t kind = input.byte();
  if (kind >= 0xF8) return Counts{input.small_or_any(), input.small_or_any()};
  static constexpr std::int32_t kWt[] = {0, 0, 1, 5};
  static constexpr std::int32_t kMut[] = {0, 0, 1, 3};
  return Counts{kWt[kind & 3], kMut[(kind >> 2) & 3]};
}

constexpr std::string_view kNames[] = {"gene1.exon1", "an_exon_name_longer_than_nineteen", "", "i"};
constexpr std::string_view kChromosomes[] = {"I", "II", "X", "Y", "I\r", ""};
constexpr std::string_view kStrands[] = {"1", "-1", "-1\r", "strand_text_wider"};

std::string signed_text(std::int64_t value) {
  std::string text(value >= 0 ? 1 : 0, '+');
  text += std::to_string(value);
  return text;
}

std::string_view comment_text(GapComment comment) {
  switch (comment) {
    case GapComment::Insertion:
      return "Insertion? ";
    case GapComment::FlankedByTwoMutants:
      return "Flanked by 2 Mutant reads";
    case GapComment::FlankedByOneMutant:
      return "Flanked by 1 Mutant read";
    case GapComment::None:
      break;
  }
  return "";
}

void check_row_layout(const std::string& line, std::int64_t number, const GapEntry& gap,
                      const Region& region) {
  FUZZ_CHECK(!line.empty() && line.back() == '\n' && line.find('\n') == line.size() - 1, line);
  RowLayout layout(std::string_view(line).substr(0, line.size() - 1));
  const std::int64_t gap_end = gap.gap_end;
  const std::int64_t length = gap.gap_length;
  layout.column(std::to_string(number), 11, "Number");
  layout.column(region.name, 19, "Exon");
  layout.column(region.chromosome, 11, "Chrom.");
  layout.column(region.strand, 11, "Strand");
  layout.column(signed_text(gap_end - length - region.start + 1), 11, "Start");
  layout.column(signed_text(gap_end - region.start + 1), 11, "End");
  if (std::optional<std::int32_t> offset = chromosome_offset(region.chromosome)) {
    layout.column(std::to_string(gap_end - length - *offset), 19, "Gen. Pos. Start");
    layout.column(std::to_string(gap_end - *offset), 19, "Gen. Pos. End");
  }
  layout.column(std::to_string(length), 11, "Length");
  layout.field(comment_text(gap.comment), 0, "Comments");
  layout.end();
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choices = input.byte();
  const bool sorted_regions = (choices & 1) != 0;
  const bool lone_first_count = (choices & 2) != 0;

  // The genome: index 0 unused, positions from 1.
  std::vector<Counts> genome(1);
  const std::size_t wanted = std::size_t{input.byte()} | std::size_t{input.byte()} << 8;
  for (std::size_t i = 0; i < wanted && !input.empty(); ++i) genome.push_back(counts_from(input));
  const std::int64_t last = static_cast<std::int64_t>(genome.size()) - 1;
  const bool negative_counts = std::any_of(genome.begin(), genome.end(),
                                           [](const Counts& c) { return c.wt_reads < 0 || c.mut_reads < 0; });

  GapTable gaps;
  GapDetector detector(gaps);
  for (std::int64_t p = 1; p <= last; ++p) {
    detector.first_count(genome[p].wt_reads);
    detector.second_count(genome[p].mut_reads);
  }
  // The same positions, runs of WT-only ones given in bulk (whole, or cut
  // into pieces of 1 to 5 positions), as the reader may give them.
  GapTable bulk_gaps;
  GapDetector bulk(bulk_gaps);
  const bool whole_runs = input.flag();
  for (std::int64_t p = 1; p <= last;) {
    std::int64_t run = 0;
    while (p + run <= last && genome[p + run].wt_reads >= 1 && genome[p + run].mut_reads == 0) ++run;
    if (run > 0) {
      if (!whole_runs) run = std::min<std::int64_t>(run, 1 + p % 5);
      bulk.wt_only_positions(run);
      p += run;
    } else {
      bulk.first_count(genome[p].wt_reads);
      bulk.second_count(genome[p].mut_reads);
      ++p;
    }
  }
  if (lone_first_count) {
    const std::int32_t lone = input.small_or_any();
    detector.first_count(lone);
    bulk.first_count(lone);
  }
  detector.finish();
  bulk.finish();
  FUZZ_CHECK(bulk_gaps.size() == gaps.size(), std::to_string(bulk_gaps.size()) + " entries in bulk, " +
                                                  std::to_string(gaps.size()) + " one by one");
  for (std::size_t i = 0; i < gaps.size(); ++i)
    FUZZ_CHECK(bulk_gaps[i] == gaps[i], "entry " + std::to_string(i));

  auto at = [&](std::int64_t p) -> const Counts& { return genome[static_cast<std::size_t>(p)]; };
  std::size_t gap_entries = 0;
  for (std::size_t i = 0; i < gaps.size(); ++i) {
    const GapEntry& entry = gaps[i];
    // Told only when a check fails.
    auto where = [&] {
      return "entry " + std::to_string(i) + " (" + std::to_string(entry.gap_end) + ", " +
             std::to_string(entry.gap_length) + ", " + std::to_string(static_cast<int>(entry.comment)) + ")";
    };
    if (i > 0) FUZZ_CHECK(gaps[i - 1].gap_end <= entry.gap_end, where());
    FUZZ_CHECK(entry.gap_length >= 0, where());
    const std::int64_t first = gap_start(entry);
    const std::int64_t end = entry.gap_end;
    if (entry.gap_length == 0) {
      FUZZ_CHECK(entry.comment == GapComment::Insertion, where());
      FUZZ_CHECK(end >= 1 && end + 1 <= last, where());
      FUZZ_CHECK(at(end + 1).mutant() && at(end + 1).wt_reads < 1, where());
      if (!negative_counts) FUZZ_CHECK(at(end).mutant(), where());
      continue;
    }
    ++gap_entries;
    FUZZ_CHECK(entry.comment != GapComment::Insertion, where());
    FUZZ_CHECK(first >= 1 && end <= last, where());
    for (std::int64_t p = first; p <= end; ++p) FUZZ_CHECK(at(p).uncovered(), where());
    FUZZ_CHECK(first == 1 || !at(first - 1).uncovered(), where());
    FUZZ_CHECK(end == last || !at(end + 1).uncovered(), where());
    if (entry.comment == GapComment::FlankedByTwoMutants)
      FUZZ_CHECK(end < last && at(end + 1).mutant(), where());
    if (entry.comment == GapComment::None) FUZZ_CHECK(end == last || !at(end + 1).mutant(), where());
  }
  std::size_t runs = 0;
  for (std::int64_t p = 1; p <= last; ++p) {
    if (at(p).uncovered() && (p == 1 || !at(p - 1).uncovered())) ++runs;
  }
  FUZZ_CHECK(gap_entries == runs, std::to_string(gap_entries) + " gaps, " + std::to_string(runs) + " runs");

  // Regions over the genome and a little beyond its ends.
  std::vector<Region> regions(input.pick(40));
  for (Region& region : regions) {
    const std::int64_t span = std::min<std::int64_t>(last, 1000) + 20;
    region.start = static_cast<std::int32_t>(input.byte() * span / 256 - 10);
    region.end = region.start + static_cast<std::int32_t>(input.pick(40)) - 2;
    if (input.pick(16) == 0) region.end = input.i32();
    region.name = kNames[input.pick(std::size(kNames))];
    region.chromosome = kChromosomes[input.pick(std::size(kChromosomes))];
    region.strand = kStrands[input.pick(std::size(kStrands))];
  }
  if (sorted_regions) {
    std::stable_sort(regions.begin(), regions.end(),
                     [](const Region& a, const Region& b) { return a.start < b.start; });
  }

  std::int64_t rows = 0;
  std::size_t last_region = 0;
  std::string line;
  walk_gap_regions(gaps, regions, [&](std::size_t gap, std::size_t region) {
    FUZZ_CHECK(gap < gaps.size() && region < regions.size());
    FUZZ_CHECK(region >= last_region);
    last_region = region;
    const GapEntry& entry = gaps[gap];
    const Region& r = regions[region];
    const std::int64_t first = gap_start(entry);
    FUZZ_CHECK((first <= r.start && entry.gap_end >= r.start) || (first >= r.start && first <= r.end));
    line.assign(longest_gap_row(r), '\0');
    const std::optional<std::int32_t> offset = chromosome_offset(r.chromosome);
    line.resize(static_cast<std::size_t>(
        put_gap_row(line.data(), ++rows, entry, r, offset ? std::optional<std::int64_t>(*offset) : std::nullopt) -
        line.data()));
    check_row_layout(line, rows, entry, r);
  });
  FUZZ_CHECK(rows <= static_cast<std::int64_t>(gaps.size() + regions.size()));
  return 0;
}
