#include "formats/feature_locations/region_table.h"

#include <algorithm>

#include "engine/line_reader.h"
#include "engine/number_reader.h"

namespace vesmar {

Result<RegionTable> load_region_table(const std::string& path, WindowsLineEndFiles* windows_line_ends) {
  RegionTable table;
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
  }, windows_line_ends);
  if (!read.ok()) return read.failure();
  return table;
}

}  // namespace vesmar
