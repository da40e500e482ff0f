#include "formats/feature_locations/region_file_writer.h"

#include <array>

#include "engine/whole_file.h"

namespace vesmar {

namespace {

std::array<std::string, 5> region_lines(const RegionRecord& region) {
  return std::array<std::string, 5>{region.name, std::to_string(region.start), std::to_string(region.end),
                                    std::string(region.chromosome), region.forward ? "1" : "-1"};
}

}  // namespace

Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions) {
  return write_line_groups(path, regions, region_lines);
}

void put_region_file(OutputFile& file, const std::vector<RegionRecord>& regions) {
  put_line_groups(file, regions, region_lines);
}

}  // namespace vesmar
