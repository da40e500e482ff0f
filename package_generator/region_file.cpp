#include "package_generator/region_file.h"

#include <array>

#include "package_generator/whole_file.h"

namespace vesmar::generator {

Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions) {
  return write_line_groups(path, regions, [](const RegionRecord& region) {
    return std::array<std::string, 5>{region.name, std::to_string(region.start), std::to_string(region.end),
                                      std::string(region.chromosome), region.forward ? "1" : "-1"};
  });
}

}  // namespace vesmar::generator
