#include "reads_importer/file_count.h"

#include <cmath>

#include "engine/number_reader.h"

namespace vesmar {

std::optional<std::int64_t> input_file_count(std::string_view answer) {
  const double last_index = std::trunc(read_leading_decimal(answer) - 1.0);
  // Compared as doubles before any conversion, so that huge values and
  // infinities never reach an integer.
  if (last_index < 0.0) return 0;
  if (last_index >= static_cast<double>(kMaxInputFiles)) return std::nullopt;
  return static_cast<std::int64_t>(last_index) + 1;
}

}  // namespace vesmar
