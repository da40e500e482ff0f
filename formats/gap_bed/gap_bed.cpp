#include "formats/gap_bed/gap_bed.h"

#include <algorithm>

#include "engine/fixed_width.h"
#include "engine/percent_encoding.h"

namespace vesmar {

namespace {

constexpr std::string_view kHeading = "#chrom\tstart\tend\tname\tscore\tstrand\tgap_length\tcomment\n";

std::string_view comment_word(GapComment comment) {
  switch (comment) {
    case GapComment::FlankedByOneMutant: return "flanked_by_1_mutant_read";
    case GapComment::FlankedByTwoMutants: return "flanked_by_2_mutant_reads";
    case GapComment::Insertion: return "insertion";
    case GapComment::None: break;
  }
  return ".";
}

// The name with every blank, control byte and "%" as %XX; `out` has room
// for three bytes a byte.
char* put_name(char* out, std::string_view name) {
  return put_percent_encoded(out, name, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte != 0x7F && c != '%';
  });
}

}  // namespace

void GapBed::add(const GapEntry& gap, const Region& region, std::optional<std::size_t> chromosome) {
  if (!chromosome) {
    ++left_out_;
    return;
  }
  const LayoutChromosome& on = layout_.chromosomes[*chromosome];
  Row row{*chromosome, 0, 0, region.name, '.', gap.gap_length, gap.comment, false};
  if (gap.gap_length == 0) {
    // An insertion entry: its two adjacent mutant positions, gap_end and the
    // one after it (a point between them, start = end, is an interval that
    // bedtools takes for none).
    row.start = std::int64_t{gap.gap_end} - 1 - on.offset;
    row.end = std::int64_t{gap.gap_end} + 1 - on.offset;
  } else {
    row.start = gap_start(gap) - 1 - on.offset;
    row.end = std::int64_t{gap.gap_end} - on.offset;
  }
  // A gap that begins in the padding before the chromosome is cut at its
  // start; one that does not reach the chromosome has no place on it.
  row.start = std::max<std::int64_t>(row.start, 0);
  if (row.end < row.start) {
    ++left_out_;
    return;
  }
  // So is one that runs past the chromosome's end, where that is known.
  if (layout_.lengths_known && row.end > on.length) {
    if (row.start >= on.length) {
      ++left_out_;
      return;
    }
    row.end = on.length;
    row.cut = true;
  }
  if (region.strand == "1") row.strand = '+';
  if (region.strand == "-1") row.strand = '-';
  rows_.push_back(row);
}

void GapBed::write(OutputFile& out) {
  std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) {
    return a.chromosome != b.chromosome ? a.chromosome < b.chromosome : a.start < b.start;
  });
  out.write(kHeading);
  for (const Row& row : rows_) {
    const std::string& chromosome = layout_.chromosomes[row.chromosome].name;
    out.put_in_place(3 * row.name.size() + chromosome.size() + kCutAtChromosomeEnd.size() + 4 * kLongestNumber + 64,
                     [&](char* at) {
      at = put_text(at, chromosome);
      *at++ = '\t';
      at = put_number_field(at, row.start, 0);
      *at++ = '\t';
      at = put_number_field(at, row.end, 0);
      *at++ = '\t';
      at = put_name(at, row.name);
      if (row.cut) at = put_text(at, kCutAtChromosomeEnd);
      at = put_text(at, "\t0\t");
      *at++ = row.strand;
      *at++ = '\t';
      at = put_number_field(at, row.gap_length, 0);
      *at++ = '\t';
      at = put_text(at, comment_word(row.comment));
      *at++ = '\n';
      return at;
    });
  }
}

}  // namespace vesmar
