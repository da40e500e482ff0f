#include "point_scan/hit_table.h"

#include "point_scan/alignment_reader.h"

namespace vesmar {

Result<HitTable> collect_hits(LineReader& reader, const HitThresholds& thresholds,
                              RegionMatcher& matcher) {
  HitTable table;
  auto wanted = [&](std::int32_t wt_reads, std::int32_t mut_reads) {
    return is_hit(wt_reads, mut_reads, thresholds);
  };
    // A record without mutant reads passes only when the minimum allows 0.
  const bool zero_mutants_wanted = thresholds.min_mut_reads <= 0;
  Status status = read_alignment_records(reader, zero_mutants_wanted, wanted, [&](const AlignmentRecord& record) {
    std::optional<std::size_t> region = matcher.match(record.position);
    if (!region) return;
    Hit hit;
    hit.position = record.position;
    hit.wt_reads = record.wt_reads;
    hit.mut_reads = record.mut_reads;
    hit.region = *region;
    hit.windows_begin = table.windows.size();
    hit.read_window_size = record.read_window.size();
    hit.reference_window_size = record.reference_window.size();
    table.windows.append(record.read_window);
    table.windows.append(record.reference_window);
    table.hits.push_back(hit);
  });
  if (status) return *status;
  return table;
}

}  // namespace vesmar
