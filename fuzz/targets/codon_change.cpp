// A hit near a region, as region mapping, codon change and the report row
// treat it, whatever the tables hold (names with or without "exon", missing
// or short sequences and neighbours, frames out of range, negative skips,
// codons missing from the genetic code, short or empty windows):
//   - a coding hit's geometry is consistent: coding_offset >= 0 and equal to
//     exon_offset - five_prime_skip, exon_offset + bases_after = end - start;
//   - the codon change text is wt_codon(aa)->mut_codon(aa) and eight blanks,
//     26 characters with three-letter amino acids; the codons differ at most
//     at the hit's codon place, where wt_codon holds the exon's base at the
//     hit and mut_codon the read's base (complemented on strand -1);
//   - the report written row by row as the hits come, with the exon data
//     looked up once per region, has the widths the layout fixes in every
//     row: each field written whole and padded to its column, the
//     chromosome position left out for an unknown chromosome, the codon cell
//     (exon mode) exactly the codon change text or 26 blanks, and the marker
//     and reference lines indented by 88 blanks (114 in exon mode).
#include "genome_scan/codon_change.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "genome/chromosome_offsets.h"
#include "engine/number_reader.h"
#include "engine/output_file.h"
#include "fuzz/support/fuzz_input.h"
#include "genome_scan/tests/codon_change_text.h"
#include "fuzz/support/row_layout.h"
#include "fuzz/support/scratch.h"
#include "point_scan/point_report.h"
#include "genome_scan/region_mapping.h"

namespace vesmar::fuzz {
namespace {

constexpr std::string_view kNames[] = {"gene1.exon2", "gene1.exon1", "gene1.exon0", "g.exon",
                                       "exonexon9",   "intron",      "a.exon-1"};
constexpr std::string_view kChromosomes[] = {"I", "II", "III", "IV", "V", "X", "Y", "", "I\r", "ii"};
constexpr std::string_view kStrands[] = {"1", "-1", "0", "+1", " -1", "-1\r", "x", "2"};
constexpr std::string_view kWindows[] = {"acgtacgtacgtgacgtacgtacgt",
                                         "acgtacgtacgtaacgtacgtacgt",
                                         "tcgtacgtacgtaacgtacgtacgt",
                                         "acgtacgtacgtA",
                                         "acgtacgtacgtn",
                                         "acgtacgtacgt",
                                         "",
                                         "c"};

std::string text_or_choice(FuzzInput& input, const std::string_view* choices, std::size_t count) {
  const std::size_t choice = input.pick(count + 1);
  if (choice < count) return std::string(choices[choice]);
  return std::string(input.text_until('\n', 40));
}

std::string bases(FuzzInput& input) {
  const std::size_t kind = input.pick(8);
  if (kind == 7) return std::string(input.text_until('\n', 30));
  std::string sequence(input.pick(24), 'a');
  for (char& base : sequence) base = "acgtacgtacgtacgN"[input.pick(16)];
  if (kind == 6) sequence.clear();
  return sequence;
}

GeneticCode genetic_code(FuzzInput& input) {
  GeneticCode code;
  const std::string letters = "tcag";
  const bool short_names = input.flag();
  int i = 0;
  for (char a : letters) {
    for (char b : letters) {
      for (char c : letters) {
        std::string acid(1, 'A');
        acid += std::to_string(i++);
        while (acid.size() < 3) acid += 'x';
        if (short_names && i % 7 == 0) acid = acid.substr(0, i % 3);
        code[std::string{a, b, c}] = acid;
      }
    }
  }
  // Now and then a codon is missing.
  if (input.flag())
    code.erase(std::string{letters[input.pick(4)], letters[input.pick(4)], letters[input.pick(4)]});
  return code;
}

std::int32_t clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// Checks the three lines of row `row_number` at the start of `rows` against
// the layout, and returns what follows them.
std::string_view check_row(std::string_view rows, std::int64_t row_number, const Region& region,
                           const AlignmentRecord& hit, bool exon_mode, const ExonTables& tables) {
  std::size_t ends[3];
  std::size_t at = 0;
  for (std::size_t& end : ends) {
    end = rows.find('\n', at);
    FUZZ_CHECK(end != std::string_view::npos, std::string(rows));
    at = end + 1;
  }
  RowLayout layout(rows.substr(0, ends[0]));
  layout.column(std::to_string(row_number), 11, "Number");
  layout.column(region.name, 19, "Exon");
  layout.column(region.chromosome, 11, "Chrom.");
  layout.column(region.strand, 11, "Strand");
  layout.column(std::to_string(hit.position - region.start - 1), 11, "Position");
  if (std::optional<std::int32_t> offset = chromosome_offset(region.chromosome)) {
    layout.column(std::to_string(hit.position - *offset), 19, "Chrom. Pos.");
  }
  if (exon_mode) {
    if (const auto geometry = coding_geometry(region, hit.position, tables.frames.find(region.name))) {
      layout.field(testing::codon_change_text(region.name, *geometry, hit.read_window, hit.reference_window, tables), 0,
                   "Codon change");
    } else {
      layout.blanks(26, "Codon change");
    }
  }
  layout.field(hit.read_window, 0, "Alignment");
  layout.blanks(7, "Alignment");
  layout.column(std::to_string(hit.wt_reads), 11, "WT Reads");
  layout.field(std::to_string(hit.mut_reads), 19, "Mut Reads");
  layout.end();

  const std::string indent(exon_mode ? 114 : 88, ' ');
  const bool at_first_column = hit.read_window.substr(0, 1) != hit.reference_window.substr(0, 1);
  const std::string marker = at_first_column ? "*||||||||||||" : "||||||||||||*";
  FUZZ_CHECK(rows.substr(ends[0] + 1, ends[2] - ends[0]) ==
                 indent + marker + "\n" + indent + std::string(hit.reference_window) + "\n",
             std::string(rows));
  return rows.substr(ends[2] + 1);
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);

  Region region;
  const std::string name = text_or_choice(input, kNames, std::size(kNames));
  const std::string chromosome = text_or_choice(input, kChromosomes, std::size(kChromosomes));
  const std::string strand = text_or_choice(input, kStrands, std::size(kStrands));
  region.name = name;
  region.chromosome = chromosome;
  region.strand = strand;
  region.start = input.small_or_any();
  region.end = input.flag() ? input.i32() : clamp32(std::int64_t{region.start} + input.small_or_any() % 64);

  ExonTables tables;
  tables.genetic_code = genetic_code(input);
  if (input.pick(8) != 0) {
    ExonFrame& frame = tables.frames[region.name];
    frame.five_prime_skip = input.small_or_any() % 16;
    frame.three_prime_skip = input.small_or_any() % 16;
    frame.start_frame = static_cast<std::int32_t>(input.pick(6));
  }
  if (input.pick(8) != 0) tables.sequences.set(region.name, bases(input));
  if (std::optional<NeighbourNames> neighbours = neighbour_exon_names(region.name)) {
    if (input.flag()) tables.sequences.set(neighbours->next, bases(input));
    if (input.flag()) tables.sequences.set(neighbours->previous, bases(input));
  }

  const std::int64_t position =
      input.flag() ? std::int64_t{input.i32()} : std::int64_t{region.start} + input.small_or_any() % 96 - 12;
  const std::string read_window = text_or_choice(input, kWindows, std::size(kWindows));
  const std::string reference_window = text_or_choice(input, kWindows, std::size(kWindows));
  const std::int32_t wt_reads = input.small_or_any();
  const std::int32_t mut_reads = input.small_or_any();
  const bool exon_mode = input.flag();

  // Region mapping and codon change.
  const std::optional<ExonGeometry> geometry = coding_geometry(region, position, tables.frames.find(region.name));
  std::string codon_text;
  if (geometry) {
    const ExonFrame& frame = *tables.frames.find(region.name);
    FUZZ_CHECK(geometry->start_frame >= 1 && geometry->start_frame <= 3);
    FUZZ_CHECK(geometry->reverse == (read_atoi(region.strand) == -1));
    FUZZ_CHECK(geometry->coding_offset >= 0);
    FUZZ_CHECK(geometry->coding_offset == geometry->exon_offset - frame.five_prime_skip);
    FUZZ_CHECK(geometry->exon_offset + geometry->bases_after == std::int64_t{region.end} - region.start);
    if (frame.five_prime_skip >= 0 && frame.three_prime_skip >= 0) {
      FUZZ_CHECK(position >= std::int64_t{region.start} + 1 && position <= std::int64_t{region.end} + 1);
    }

    const int place = codon_position(geometry->start_frame, geometry->coding_offset);
    FUZZ_CHECK(place >= 1 && place <= 3);
    FUZZ_CHECK(codon_position(geometry->start_frame, 0) == geometry->start_frame);
    FUZZ_CHECK(codon_position(geometry->start_frame, geometry->coding_offset + 1) == place % 3 + 1);

    codon_text = testing::codon_change_text(region.name, *geometry, read_window, reference_window, tables);
    FUZZ_CHECK(codon_text.size() >= 3 + 1 + 3 + 3 + 1 + 1 + 8, codon_text);
    FUZZ_CHECK(codon_text.ends_with(")        "), codon_text);
    const std::string wt_codon = codon_text.substr(0, 3);
    FUZZ_CHECK(codon_text[3] == '(', codon_text);
    const std::size_t arrow = codon_text.find(")->", 4);
    FUZZ_CHECK(arrow != std::string::npos && arrow <= 4 + 3, codon_text);
    const std::string wt_acid = codon_text.substr(4, arrow - 4);
    const std::string mut_codon = codon_text.substr(arrow + 3, 3);
    FUZZ_CHECK(codon_text.size() > arrow + 7 && codon_text[arrow + 6] == '(', codon_text);
    const std::string mut_acid = codon_text.substr(arrow + 7, codon_text.size() - 9 - (arrow + 7));
    for (const auto& [codon, acid] : {std::pair{wt_codon, wt_acid}, std::pair{mut_codon, mut_acid}}) {
      auto found = tables.genetic_code.find(codon);
      FUZZ_CHECK(acid == (found == tables.genetic_code.end() ? std::string("???") : found->second),
                 codon_text);
    }
    if (wt_acid.size() == 3 && mut_acid.size() == 3) FUZZ_CHECK(codon_text.size() == 26, codon_text);

    for (int i = 0; i < 3; ++i) {
      if (i != place - 1) FUZZ_CHECK(wt_codon[i] == mut_codon[i], codon_text);
    }
    const std::optional<std::string_view> sequence = tables.sequences.find(region.name);
    if (sequence && geometry->exon_offset >= 0 &&
        geometry->exon_offset < static_cast<std::int64_t>(sequence->size())) {
      FUZZ_CHECK(wt_codon[place - 1] == (*sequence)[geometry->exon_offset], codon_text);
    }
    const std::optional<char> base = mutant_base(read_window, reference_window);
    if (!geometry->reverse) {
      FUZZ_CHECK(mut_codon[place - 1] == base.value_or('?'), codon_text);
    } else {
      const std::string_view from = "acgt", to = "tgca";
      const std::size_t which = base ? from.find(*base) : std::string_view::npos;
      FUZZ_CHECK(mut_codon[place - 1] == (which == std::string_view::npos ? wt_codon[place - 1] : to[which]),
                 codon_text);
    }
  }

  // The report as Point_scan writes it, row by row as the hits come, with
  // some regions before the matched one and the hits now and then in one of
  // them: every row laid out as its columns say.
  RegionTable regions;
  const std::size_t region_index = input.pick(3);
  regions.regions.resize(region_index, Region{"before", 0, 0, "I", "1"});
  regions.regions.push_back(region);
  const std::string path = scratch_path("report.txt");
  Result<std::unique_ptr<OutputFile>> out = OutputFile::create(path, OutputFile::Mode::InPlace);
  FUZZ_CHECK(out.ok(), out.failure().message);
  std::vector<std::pair<AlignmentRecord, std::size_t>> hits;
  {
    const ChromosomeLayout layout = built_in_layout();
    PointReportWriter writer(exon_mode, regions, tables, layout, out.value().get());
    for (std::size_t more = 1 + input.pick(4); more > 0; --more) {
      const AlignmentRecord hit{position + static_cast<std::int64_t>(input.pick(7)), wt_reads, mut_reads,
                                read_window, reference_window};
      const std::size_t in_region = input.pick(8) == 0 ? input.pick(region_index + 1) : region_index;
      writer.add(hit, in_region);
      hits.emplace_back(hit, in_region);
    }
  }
  const Status committed = out.value()->commit();
  FUZZ_CHECK(committed.ok(), committed.failure().message);
  const std::string report = read_file(path);
  const std::string heading = point_report_heading(exon_mode);
  FUZZ_CHECK(report.starts_with(heading));
  std::string_view rows = std::string_view(report).substr(heading.size());
  std::int64_t row_number = 0;
  for (const auto& [hit, in_region] : hits) {
    rows = check_row(rows, ++row_number, regions.regions[in_region], hit, exon_mode, tables);
  }
  FUZZ_CHECK(rows.empty(), std::string(rows));
  return 0;
}
