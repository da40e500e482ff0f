#include "candidate_rank/strain_scan.h"

#include <limits>

#include "genome_scan/gap_detector.h"
#include "genome_scan/codon_change.h"
#include "formats/alignment_results/position_walk.h"

namespace vesmar {

char base_capital(char base) { return base >= 'a' && base <= 'z' ? static_cast<char>(base - 'a' + 'A') : base; }

namespace {

// Every position to the gap detector; the changes, compactly, to the scan.
struct StrainPositions {
  StrainScan& scan;
  GapDetector& detector;
  std::int64_t positions = 0;

  void wt_only_positions(std::int64_t count) {
    detector.wt_only_positions(count);
    positions += count;
  }

  void position(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
                std::string_view reference_window) {
    detector.first_count(wt_reads);
    detector.second_count(mut_reads);
    ++positions;
    if (mut_reads < 1 || positions > std::numeric_limits<std::int32_t>::max()) return;
    StrainChange change;
    change.position = static_cast<std::int32_t>(positions);
    change.wt_reads = wt_reads;
    change.mut_reads = mut_reads;
    const std::size_t column = hit_column(read_window, reference_window);
    if (column < read_window.size() && column < reference_window.size()) {
      change.ref = reference_window[column];
      change.alt = read_window[column];
      change.windows = true;
    }
    scan.changes.push_back(change);
  }
};

}  // namespace

Result<StrainScan> scan_strain(LineReader& reader) {
  StrainScan scan;
  GapTable gaps;
  GapDetector detector(gaps);
  StrainPositions positions{scan, detector};
  if (Status read = read_positions(reader, positions); !read.ok()) return read.failure();
  detector.finish();
  for (std::size_t i = 0; i < gaps.size(); ++i) {
    const GapEntry& gap = gaps[i];
    if (gap.gap_length <= 0) continue;  // the trace of an insertion covers no position
    scan.stretches.push_back(UncoveredStretch{static_cast<std::int32_t>(gap_start(gap)), gap.gap_end});
  }
  scan.positions = positions.positions;
  return scan;
}

}  // namespace vesmar
