#include "point_scan/region_table.h"

#include "common/line_reader.h"
#include "common/number_reader.h"

namespace vesmar {

Result<RegionTable> load_region_table(const std::string& path) {
  Result<LineReader> opened = LineReader::open(path);
  if (!opened.ok()) return Failure{opened.failure().message, 1};
  LineReader& reader = opened.value();

  RegionTable table;
  Region group;
  int field = 0;
  std::string_view line;
  LineReader::Next next;
  while ((next = reader.next(line)) == LineReader::Next::Line) {
    switch (field) {
      case 0: group.name.assign(line); break;
      case 1: group.start = read_atoi(line); break;
      case 2: group.end = read_atoi(line); break;
      case 3: group.chromosome.assign(line); break;
      case 4:
        group.strand.assign(line);
        table.regions.push_back(std::move(group));
        group = Region{};
        break;
    }
    field = field == 4 ? 0 : field + 1;
  }
  if (next == LineReader::Next::ReadError) return reader.read_failure();
  return table;
}

}  // namespace vesmar
