#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vesmar {

// Where each chromosome of the reference genome begins in the concatenated
// genome: the genome files are joined in the order I, II, III, IV, V, X, each
// chromosome padded to a multiple of 50 bases.
struct GenomeChromosome {
  std::string_view name;
  std::int32_t offset;  // genome positions before its first base
};
inline constexpr std::array<GenomeChromosome, 6> kGenomeChromosomes = {{
    {"I", 0},
    {"II", 15072450},
    {"III", 30351800},
    {"IV", 44135500},
    {"V", 61629300},
    {"X", 82548900},
}};

// The joined genome's length, padding included: X's room runs to it, as the
// others' run to the next chromosome's offset.
inline constexpr std::int64_t kJoinedGenomeLength = 100'300'000;

// Where the room of chromosome `index` (0 to 5: I to X) ends, its bases and
// the padding after them: at the next chromosome's offset. X has none after
// it, and its room ends at `last_end`: the joined genome's end, or further
// where a longer X may be taken in.
constexpr std::int64_t chromosome_room_end(std::size_t index, std::int64_t last_end) {
  return index + 1 < kGenomeChromosomes.size() ? kGenomeChromosomes[index + 1].offset : last_end;
}

// The offset of the chromosome named `chromosome`, compared exactly (case,
// blanks and carriage returns count); any other text has no offset.
std::optional<std::int32_t> chromosome_offset(std::string_view chromosome);

// The six chromosomes' names, in genome order.
inline constexpr std::array<std::string_view, kGenomeChromosomes.size()> kChromosomeNames = [] {
  std::array<std::string_view, kGenomeChromosomes.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kGenomeChromosomes[i].name;
  return names;
}();

// The place of `chromosome` in kChromosomeNames, compared as the offsets
// are; nothing for any other text.
std::optional<int> chromosome_index(std::string_view chromosome);

}  // namespace vesmar
