#include "reads_importer/gseq_line.h"

#include "common/number_reader.h"

namespace vesmar {

namespace {

constexpr std::size_t kGseqFieldCount = 11;
constexpr std::size_t kReadField = 9;
constexpr std::size_t kFilterField = 11;

bool is_gseq_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

}  // namespace

std::optional<std::string_view> gseq_read(std::string_view line) {
  if (line.empty()) return std::nullopt;
  std::string_view read_field;
  std::string_view filter_field;
  std::size_t fields = 0;
  std::size_t position = 0;
  const std::size_t end = line.size();
  for (;;) {
    const std::size_t start = position;
    while (position < end && !is_gseq_space(line[position])) ++position;
    ++fields;
    // A twelfth field already rules the line out; no need to split further.
    if (fields > kGseqFieldCount) return std::nullopt;
    if (fields == kReadField) read_field = line.substr(start, position - start);
    if (fields == kFilterField) filter_field = line.substr(start, position - start);
    while (position < end && is_gseq_space(line[position])) ++position;
    if (position == end) break;
  }
  if (fields != kGseqFieldCount || read_leading_decimal(filter_field) != 1.0) return std::nullopt;
  return read_field;
}

}  // namespace vesmar
