#include "bench/bench_scale.h"

#include "bench/genome_layout.h"

namespace vesmar::bench {

std::optional<BenchScale> scale_named(std::string_view name) {
  if (name == "genome") return BenchScale{"genome", kGenomePositions, 1.0};
  if (name == "medium") return BenchScale{"medium", kGenomePositions / 10, 0.1};
  if (name == "small") return BenchScale{"small", kGenomePositions / 500, 0.002};
  return std::nullopt;
}

}  // namespace vesmar::bench
