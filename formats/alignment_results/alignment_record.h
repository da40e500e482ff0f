#pragma once

#include <cstdint>
#include <string_view>

namespace vesmar {

// The alignment results file holds one record per genome position, in order,
// the k-th record for position k. A record is two count lines (wt_reads,
// mut_reads) and, when mut_reads is not 0, two window lines (the read and the
// reference over the same columns). Counts are read as atoi reads them.
//
// Two readers frame the records differently, as the two scanners always have.
// Both see the file as the pieces between line feeds; the empty piece after a
// final line feed (or a record cut off after its first line) completes no
// record, so a file gives the same records with and without its final line
// feed. The file has a record per genome position, hundreds of millions of
// lines, so both parse whole blocks rather than take lines one by one.

// One record as the point scanner frames it. The windows are empty where the
// record has none (mut_reads 0) or where the file ended before them.
struct AlignmentRecord {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  std::string_view read_window;
  std::string_view reference_window;
};

}  // namespace vesmar
