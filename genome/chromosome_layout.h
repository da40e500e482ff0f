#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "common/output_file.h"

namespace vesmar {

// Where each chromosome lies in the joined genome, the genome that the
// alignment results file numbers position by position: the chromosomes in
// the order Chromosome_join joined them, each padded with "g" to a multiple
// of 50 bases, so that each starts where the previous one's padding ends.
//
// A package's layout is the file Feature_locations/chromosomes.txt, written
// by Chromosome_join for the genome it joins. A package without that file
// has the built-in layout: the six chromosomes I, II, III, IV, V and X of
// the assembly the suite was first made for, whose offsets alone are known.
struct LayoutChromosome {
  std::string name;
  std::int64_t offset = 0;  // genome positions before its first base
  // Its bases, padding not counted. The built-in layout knows no lengths:
  // there it is the chromosome's whole room, up to the next one's offset
  // (X's up to the joined genome's end, kJoinedGenomeLength).
  std::int64_t length = 0;
};

struct ChromosomeLayout {
  std::vector<LayoutChromosome> chromosomes;  // in genome order
  // Where it comes from, for messages: the layout file's path, the FASTA
  // file or alignment file it was made from, or kBuiltInLayoutSource.
  std::string source;
  bool lengths_known = true;  // false only for the built-in layout
};

inline constexpr std::string_view kChromosomeLayoutFileName = "chromosomes.txt";
inline constexpr std::string_view kChromosomeLayoutPath = "Desktop/vesmar/Feature_locations/chromosomes.txt";
inline constexpr std::string_view kBuiltInLayoutSource = "the built-in chromosome layout";
// The aligner's positions are signed 32-bit numbers.
inline constexpr std::int64_t kLongestGenome = 2'147'483'647;

// The six built-in chromosomes and their offsets (kGenomeChromosomes).
ChromosomeLayout built_in_layout();

// Where the chromosome after one at `offset` of `length` bases starts: past
// its padding (genome_padding.h).
std::int64_t next_offset(std::int64_t offset, std::int64_t length);

// Where the room of chromosome `index` ends, its bases and the padding after
// them: at the next chromosome's offset, the last one's at genome_end.
std::int64_t room_end(const ChromosomeLayout& layout, std::size_t index);

// The joined genome's positions, the last chromosome's padding included.
std::int64_t genome_end(const ChromosomeLayout& layout);

// A chromosome as a FASTA file or an alignment file's header names it.
struct NamedLength {
  std::string name;
  std::int64_t length = 0;
};

// The layout of chromosomes joined in this order. Fails, naming `source`,
// for no chromosome, an empty name or one with white space, a name twice,
// a negative length, or a genome longer than kLongestGenome.
Result<ChromosomeLayout> layout_from_lengths(const std::vector<NamedLength>& chromosomes, std::string source);

// Reads a layout file: "#" lines are comments, every other line is
// name<TAB>offset<TAB>length, in genome order, with the offsets that the
// lengths give. A line that is none of these fails, naming the file and
// line; so does a file without chromosomes.
Result<ChromosomeLayout> read_layout_file(const std::string& path);

// The layout file's text: a comment line that says what the columns hold,
// then a line for each chromosome.
std::string layout_file_text(const ChromosomeLayout& layout);

// Writes layout_file_text to `output`.
void write_layout(OutputFile& output, const ChromosomeLayout& layout);

// The package's layout: the file at kChromosomeLayoutPath when it exists (a
// file there that cannot be read or is no layout is a failure), else the
// built-in one.
Result<ChromosomeLayout> load_package_layout();

// The chromosome that `text` (of a region file, an alignment file's header,
// an annotation) names: a chromosome of that exact name, else the first one
// spelt otherwise for the same chromosome (same_chromosome_name). Nothing
// for any other text.
std::optional<std::size_t> find_chromosome(const ChromosomeLayout& layout, std::string_view text);

// A chromosome of exactly that name (case, blanks and carriage returns
// count): the scanners' rule for region files with the built-in layout, as
// their reports have always had it.
std::optional<std::size_t> find_chromosome_exactly(const ChromosomeLayout& layout, std::string_view text);

// The scanners' rule for a region's chromosome text: find_chromosome with a
// layout file, find_chromosome_exactly with the built-in layout.
std::optional<std::size_t> find_region_chromosome(const ChromosomeLayout& layout, std::string_view text);

// Whether two names spell the same chromosome: equal, or equal once a
// prefix "chr" or "chromosome" in any case, with or without an underscore,
// is taken from each ("I", "chrI", "CHROMOSOME_I", "Chromosome_I"; "2L",
// "chr2L"). What is left is compared exactly and must not be empty.
bool same_chromosome_name(std::string_view first, std::string_view second);

// The chromosome whose room (bases and padding) holds genome position
// `position` (1-based); nothing before position 1 or past genome_end.
std::optional<std::size_t> chromosome_at(const ChromosomeLayout& layout, std::int64_t position);

// A genome position's place on chromosome `index` (1-based; past its length
// in the padding), and back.
inline std::int64_t chromosome_position(const ChromosomeLayout& layout, std::size_t index, std::int64_t position) {
  return position - layout.chromosomes[index].offset;
}
inline std::int64_t genome_position(const ChromosomeLayout& layout, std::size_t index,
                                    std::int64_t chromosome_position) {
  return layout.chromosomes[index].offset + chromosome_position;
}

// Whether two layouts are the same genome: the same chromosomes in the same
// order (names compared as same_chromosome_name does), offsets, and lengths
// where both know them. The failure names both sources and the first
// difference.
Status check_layouts_agree(const ChromosomeLayout& first, const ChromosomeLayout& second);

// Whether chromosome `index` of `layout` has `length` bases, as `source`
// (a FASTA file, an alignment file's header) gives the chromosome `name`;
// the failure names both. Always true for the built-in layout.
Status check_chromosome_length(const ChromosomeLayout& layout, std::size_t index, std::string_view name,
                               std::int64_t length, std::string_view source);

}  // namespace vesmar
