// The region file reader: whatever the bytes, the table holds one region per
// whole five-line group of the file's pieces (the empty piece after a final
// line feed counts as a line), with the texts exactly as their lines and the
// numbers as atoi reads them.
#include "formats/feature_locations/region_table.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/number_reader.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch_path("regions.txt");
  write_file(path, text);

  Result<RegionTable> table = load_region_table(path);
  FUZZ_CHECK(table.ok(), table.failure().message);
  const std::vector<Region>& regions = table.value().regions;

  const std::vector<std::string_view> lines = pieces(text);
  FUZZ_CHECK(regions.size() == lines.size() / 5,
             std::to_string(regions.size()) + " regions from " + std::to_string(lines.size()) + " lines");
  for (std::size_t i = 0; i < regions.size(); ++i) {
    const Region& region = regions[i];
    const std::string_view* group = &lines[5 * i];
    FUZZ_CHECK(region.name == group[0]);
    FUZZ_CHECK(region.start == read_atoi(group[1]));
    FUZZ_CHECK(region.end == read_atoi(group[2]));
    FUZZ_CHECK(region.chromosome == group[3]);
    FUZZ_CHECK(region.strand == group[4]);
  }
  return 0;
}
