#include "candidate_rank/strain_scan.h"

#include <limits>

#include "gap_scan/gap_detector.h"
#include "point_scan/codon_change.h"
#include "scan_input/point_record_reader.h"

namespace vesmar {

char base_capital(char base) { return base >= 'a' && base <= 'z' ? static_cast<char>(base - 'a' + 'A') : base; }

Result<StrainScan> scan_strain(LineReader& reader) {
  StrainScan scan;
  GapTable gaps;
  GapDetector detector(gaps);
  std::int64_t positions = 0;
  const Status read = read_alignment_records(
      reader, true,
      [&](std::int32_t wt_reads, std::int32_t mut_reads) {
        detector.first_count(wt_reads);
        detector.second_count(mut_reads);
        ++positions;
        return mut_reads >= 1;
      },
      [&](const AlignmentRecord& record) {
        if (record.position > std::numeric_limits<std::int32_t>::max()) return;
        StrainChange change;
        change.position = static_cast<std::int32_t>(record.position);
        change.wt_reads = record.wt_reads;
        change.mut_reads = record.mut_reads;
        const std::size_t column = hit_column(record.read_window, record.reference_window);
        if (column < record.read_window.size() && column < record.reference_window.size()) {
          change.ref = record.reference_window[column];
          change.alt = record.read_window[column];
          change.windows = true;
        }
        scan.changes.push_back(change);
      });
  if (!read.ok()) return read.failure();
  detector.finish();
  for (std::size_t i = 0; i < gaps.size(); ++i) {
    const GapEntry& gap = gaps[i];
    if (gap.gap_length <= 0) continue;  // the trace of an insertion covers no position
    scan.stretches.push_back(UncoveredStretch{static_cast<std::int32_t>(gap_start(gap)), gap.gap_end});
  }
  scan.positions = positions;
  return scan;
}

}  // namespace vesmar
