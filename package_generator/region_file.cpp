#include "package_generator/region_file.h"

#include "package_generator/whole_file.h"

namespace vesmar::generator {

Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions) {
  return write_whole_file(path, [&](OutputFile& file) {
    for (const RegionRecord& region : regions) {
      write_line(file, region.name);
      write_line(file, std::to_string(region.start));
      write_line(file, std::to_string(region.end));
      write_line(file, region.chromosome);
      write_line(file, region.forward ? "1" : "-1");
    }
  });
}

}  // namespace vesmar::generator
