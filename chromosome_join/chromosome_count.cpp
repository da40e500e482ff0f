#include "chromosome_join/chromosome_count.h"

#include <cmath>
#include <limits>

#include "engine/number_reader.h"

namespace vesmar {

namespace {

// More names than anyone could type. Every name is asked and checked before
// the next, and the end of standard input answers with a folder that fails
// the check, so a huge count ends as soon as the answers do.
constexpr double kMostFiles = static_cast<double>(std::numeric_limits<std::int64_t>::max() / 2);

}  // namespace

ChromosomeCount chromosome_count(std::string_view answer) {
  ChromosomeCount count;
  count.number_value = read_leading_decimal(answer);
  const double whole = std::trunc(count.number_value);
  // Compared as doubles first, so that infinities never reach an integer.
  if (whole <= 0.0) {
    count.files = 0;
  } else if (whole >= kMostFiles) {
    count.files = static_cast<std::int64_t>(kMostFiles);
  } else {
    count.files = static_cast<std::int64_t>(whole);
  }
  return count;
}

}  // namespace vesmar
