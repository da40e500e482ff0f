#include "common/chromosome_offsets.h"

namespace vesmar {

std::optional<std::int32_t> chromosome_offset(std::string_view chromosome) {
  struct Entry {
    std::string_view name;
    std::int32_t offset;
  };
  static constexpr Entry kOffsets[] = {
      {"I", 0},          {"II", 15072450}, {"III", 30351800},
      {"IV", 44135500},  {"V", 61629300},  {"X", 82548900},
  };
  for (const Entry& entry : kOffsets) {
    if (entry.name == chromosome) return entry.offset;
  }
  return std::nullopt;
}

std::optional<int> chromosome_index(std::string_view chromosome) {
  for (std::size_t i = 0; i < kChromosomeNames.size(); ++i) {
    if (kChromosomeNames[i] == chromosome) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace vesmar
