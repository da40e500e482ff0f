#include "genome_scan/region_mapping.h"

#include "engine/number_reader.h"

namespace vesmar {

std::optional<ExonGeometry> coding_geometry(const Region& region, std::int64_t position,
                                            const ExonFrame* frame) {
  const std::int32_t strand = read_atoi(region.strand);
  if (strand != 1 && strand != -1) return std::nullopt;
  if (frame == nullptr) return std::nullopt;
  const ExonFrame& exon = *frame;
  if (exon.start_frame < 1 || exon.start_frame > 3) return std::nullopt;

  const std::int64_t start = region.start;
  const std::int64_t end = region.end;
  const std::int64_t five = exon.five_prime_skip;
  const std::int64_t three = exon.three_prime_skip;
  ExonGeometry geometry;
  geometry.start_frame = exon.start_frame;
  if (strand == 1) {
    if (position < start + five + 1 || position > end - three + 1) return std::nullopt;
    geometry.coding_offset = position - start - five - 1;
    geometry.exon_offset = position - start - 1;
    geometry.bases_after = end - position + 1;
  } else {
    if (position < start + three + 1 || position > end - five + 1) return std::nullopt;
    geometry.reverse = true;
    geometry.coding_offset = end - position - five + 1;
    geometry.exon_offset = end - position + 1;
    geometry.bases_after = position - start - 1;
  }
  return geometry;
}

}  // namespace vesmar
