#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"

namespace vesmar::generator {

// One region of a region file (cexons.txt, cintrons.txt, cintergenic.txt).
// Its coordinates are genome positions less 1: it covers the genome
// positions start + 1 to end + 1.
struct RegionRecord {
  std::string name;
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::string_view chromosome;
  bool forward = true;
};

constexpr std::int64_t region_coordinate(std::int64_t genome_position) { return genome_position - 1; }

// A region file: five lines per region (name, start, end, chromosome,
// strand "1" or "-1"), in the order given.
Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions);

}  // namespace vesmar::generator
