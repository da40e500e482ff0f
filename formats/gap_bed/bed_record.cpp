#include "formats/gap_bed/bed_record.h"

#include <array>
#include <optional>

#include "formats/record_lines/field_text.h"

namespace vesmar {

LineKind read_bed_line(std::string_view line, const ChromosomeLayout& layout, GapRecord& record) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.starts_with("#") || line.starts_with("track") || line.starts_with("browser")) return LineKind::Header;
  // chrom start end name score strand gap_length comment
  std::array<std::string_view, 8> fields;
  const std::size_t count = split_fields(line, '\t', fields);
  const std::optional<std::int64_t> start = whole_number(fields[1]);
  const std::optional<std::int64_t> end = whole_number(fields[2]);
  if (count < 3 || !start || !end || *end < *start) return LineKind::Malformed;
  const std::optional<std::size_t> chromosome = find_region_chromosome(layout, fields[0]);
  if (!chromosome) return LineKind::OtherChromosome;
  record.chromosome = static_cast<int>(*chromosome);
  record.start = *start;
  record.end = *end;
  record.name = fields[3];
  record.comment = fields[7] == "." ? std::string_view() : fields[7];
  // An insertion covers its two adjacent changed positions (one where it is
  // cut at a chromosome's start or end); the picture draws the point
  // between them, as files that wrote that point (start = end) give it.
  if (record.comment == "insertion" && record.end > record.start) {
    const std::int64_t point = record.end - record.start == 2 ? record.start + 1
                               : record.start == 0            ? 0
                                                              : record.end;
    record.start = record.end = point;
  }
  return LineKind::Record;
}

}  // namespace vesmar
