#include "genome_scan/gap_detector.h"

#include "formats/alignment_results/count_pair_reader.h"

namespace vesmar {

Result<GapTable> detect_gaps(LineReader& reader, std::int64_t* positions) {
  GapTable table;
  GapDetector detector(table);
  if (Status read = read_count_pairs(reader, detector); !read.ok()) return read.failure();
  detector.finish();
  if (positions != nullptr) *positions = detector.positions();
  return table;
}

}  // namespace vesmar
