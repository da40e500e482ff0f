#include "alignment_counts/chromosome_names.h"

#include "genome/chromosome_offsets.h"

namespace vesmar {

namespace {

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != prefix[i]) return false;
  }
  return true;
}

// The name less one prefix that spells "chromosome", and the underscore
// after it.
std::string_view numeral_of(std::string_view name) {
  for (std::string_view prefix : {"chromosome", "chr"}) {
    if (starts_with_ignoring_case(name, prefix)) {
      name.remove_prefix(prefix.size());
      if (name.starts_with('_')) name.remove_prefix(1);
      return name;
    }
  }
  return name;
}

}  // namespace

std::optional<std::size_t> genome_chromosome_index(std::string_view name) {
  const std::optional<int> index = chromosome_index(numeral_of(name));
  if (!index) return std::nullopt;
  return static_cast<std::size_t>(*index);
}

}  // namespace vesmar
