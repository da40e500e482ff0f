#pragma once

#include <cstdint>
#include <optional>

#include "formats/feature_locations/exon_tables.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// Where a hit lies in the region it matched. All arithmetic is 64-bit, so no
// value a file can hold overflows.

// The hit's place counted from the region's lower genome end: 0 at its first
// base (genome position start + 1), negative before it, on both strands.
inline std::int64_t region_position(const Region& region, std::int64_t position) {
  return position - region.start - 1;
}

// Offsets of a hit in the coding part of an exon, in transcript order (from
// the region's lower end on strand 1, from its upper end on strand -1).
struct ExonGeometry {
  bool reverse = false;
  std::int64_t coding_offset = 0;  // index among the coding bases
  std::int64_t exon_offset = 0;    // index in the exon sequence
  std::int64_t bases_after = 0;    // exon bases after the hit
  std::int32_t start_frame = 0;    // codon place of the first coding base
};

// The hit's geometry when it lies in the coding part of its exon; none when it
// does not, when the strand is neither 1 nor -1, or when the exon's frame is
// unknown (`frame`, the region's frame from exon_frames.txt, is null, or its
// start_frame is not 1, 2 or 3), since no codon can be placed then.
std::optional<ExonGeometry> coding_geometry(const Region& region, std::int64_t position,
                                            const ExonFrame* frame);

}  // namespace vesmar
