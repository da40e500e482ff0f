#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/text_arena.h"

namespace vesmar {

// One region of a region file (cexons.txt, cintrons.txt, cintergenic.txt):
// five lines, name, start, end, chromosome and strand. `start` and `end` are
// coordinates on the concatenated genome; the region covers the genome
// positions start + 1 to end + 1. Texts are kept exactly as their lines, in
// the arena of the table that holds the region.
struct Region {
  std::string_view name;
  std::int32_t start = 0;
  std::int32_t end = 0;
  std::string_view chromosome;
  std::string_view strand;
};

// The regions of one region file, in file order. Only whole five-line groups
// count: a file of L lines (a final line feed gives one more, empty, line)
// holds L / 5 regions, and the lines of a group cut short are not used.
struct RegionTable {
  std::vector<Region> regions;
  TextArena texts;  // the regions' names, chromosomes and strands
};

// Reads the region file at `path`. Fails, naming the path, when it cannot be
// opened or read. Adds the path to `windows_line_ends`, when given, if the
// file has Windows line ends.
Result<RegionTable> load_region_table(const std::string& path, WindowsLineEndFiles* windows_line_ends = nullptr);

}  // namespace vesmar
