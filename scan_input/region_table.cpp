#include "scan_input/region_table.h"

#include <algorithm>

#include "common/line_reader.h"
#include "common/number_reader.h"

namespace vesmar {

Result<RegionTable> load_region_table(const std::string& path) {
  // A first pass counts the regions, so that the table is filled in place
  // rather than grown (growing would hold two copies at its largest).
  Result<std::size_t> feeds = count_line_feeds(path);
  if (!feeds.ok()) return feeds.failure();

  RegionTable table;
  // No more room than four million regions, so that a file of empty lines
  // does not reserve gigabytes; a table with more grows as it is filled.
  constexpr std::size_t kMostRegionsMadeRoomFor = std::size_t{1} << 22;
  table.regions.reserve(std::min((feeds.value() + 1) / 5, kMostRegionsMadeRoomFor));
  Region group;
  int field = 0;
  const Status read = read_each_line(path, [&](std::string_view line) {
    switch (field) {
      case 0: group.name = table.texts.store(line); break;
      case 1: group.start = read_atoi(line); break;
      case 2: group.end = read_atoi(line); break;
      case 3: group.chromosome = table.texts.store(line); break;
      case 4:
        group.strand = table.texts.store(line);
        table.regions.push_back(group);
        break;
    }
    field = field == 4 ? 0 : field + 1;
  });
  if (!read.ok()) return read.failure();
  return table;
}

}  // namespace vesmar
