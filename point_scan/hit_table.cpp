#include "point_scan/hit_table.h"

#include "scan_input/point_record_reader.h"

namespace vesmar {

Result<HitTable> collect_hits(LineReader& reader, const HitThresholds& thresholds,
                              RegionMatcher& matcher) {
  HitTable table;
  Status status = scan_hits(reader, thresholds, matcher,
                            [&](const AlignmentRecord& record, std::size_t region) {
                              Hit hit;
                              hit.position = record.position;
                              hit.wt_reads = record.wt_reads;
                              hit.mut_reads = record.mut_reads;
                              hit.region = region;
                              hit.windows_begin = table.windows.size();
                              hit.read_window_size = record.read_window.size();
                              hit.reference_window_size = record.reference_window.size();
                              table.windows.append(record.read_window);
                              table.windows.append(record.reference_window);
                              table.hits.push_back(hit);
                            });
  if (!status.ok()) return status.failure();
  return table;
}

}  // namespace vesmar
