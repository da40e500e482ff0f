// The indexed region match gives, for every position and in any order of
// positions, the same answer as the plain first-match scan over the regions
// in file order (first_region_reaching), whatever the regions: overlapping,
// nested, empty (end before start), or at the ends of the 32-bit range.
#include "genome_scan/region_match.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_input.h"
#include "genome_scan/tests/reference_region_match.h"

namespace {

std::string describe(std::int64_t position, std::optional<std::size_t> answer) {
  return "position " + std::to_string(position) + ": " +
         (answer ? std::to_string(*answer) : std::string("none"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);

  std::vector<vesmar::Region> regions(input.pick(33));
  for (vesmar::Region& region : regions) {
    const std::uint8_t kind = input.byte();
    if (kind < 240) {
      region.start = static_cast<std::int32_t>(kind) * 3 - 100;
      region.end = region.start + static_cast<std::int32_t>(input.byte() % 48) - 6;
    } else {
      region.start = input.i32();
      const std::int64_t end = std::int64_t{region.start} + input.small_or_any() % 4096;
      region.end = kind == 255
                       ? input.i32()
                       : static_cast<std::int32_t>(std::clamp<std::int64_t>(end, INT32_MIN, INT32_MAX));
    }
  }

  RegionMatcher matcher(regions);
  std::int64_t position = -150;
  while (!input.empty()) {
    const std::uint8_t step = input.byte();
    // Steps wrap around rather than overflow, after a jump to the far ends.
    if (step < 200) {
      position = static_cast<std::int64_t>(static_cast<std::uint64_t>(position) + step % 20);
    } else if (step < 245) {
      position = static_cast<std::int64_t>(static_cast<std::uint64_t>(position) - step % 60);
    } else {
      position = step == 255 ? input.i64() : input.i32();
    }
    const std::optional<std::size_t> indexed = matcher.match(position);
    const std::optional<std::size_t> scanned = testing::first_region_reaching(regions, position);
    FUZZ_CHECK(indexed == scanned,
               "indexed " + describe(position, indexed) + ", scanned " + describe(position, scanned));
  }
  return 0;
}
