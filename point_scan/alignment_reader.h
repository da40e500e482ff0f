#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/line_reader.h"
#include "common/number_reader.h"

namespace vesmar {

// The alignment results file holds one record per genome position, in order,
// the k-th record for position k. A record is two count lines (wt_reads,
// mut_reads) and, when mut_reads is not 0, two window lines (the read and the
// reference over the same columns). Counts are read as atoi reads them.
//
// Two readers frame the records differently, as the two scanners always have.

// One record as the point scanner frames it. The windows are empty where the
// record has none (mut_reads 0) or where the file ended before them.
struct AlignmentRecord {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  std::string_view read_window;
  std::string_view reference_window;
};

// Point scanner reader: frames records by their place in the record (two
// lines when mut_reads is 0, four otherwise) and calls use_record(record) for
// each, in order; the windows are valid during the call only. A record cut
// off after its count lines is still given, with the windows that were read;
// one cut off after its first line is not. The empty line after a final line
// feed starts a record that is never completed and so changes nothing.
template <class UseRecord>
Status read_alignment_records(LineReader& reader, UseRecord&& use_record) {
  enum class Expect { WtReads, MutReads, ReadWindow, ReferenceWindow };
  Expect expect = Expect::WtReads;
  AlignmentRecord record;
  std::string read_window;  // kept while the next line is read
  std::string_view line;
  LineReader::Next next;
  while ((next = reader.next(line)) == LineReader::Next::Line) {
    switch (expect) {
      case Expect::WtReads:
        record.wt_reads = read_atoi(line);
        expect = Expect::MutReads;
        break;
      case Expect::MutReads:
        record.mut_reads = read_atoi(line);
        ++record.position;
        if (record.mut_reads == 0) {
          record.read_window = record.reference_window = std::string_view();
          use_record(static_cast<const AlignmentRecord&>(record));
          expect = Expect::WtReads;
        } else {
          expect = Expect::ReadWindow;
        }
        break;
      case Expect::ReadWindow:
        read_window.assign(line);
        expect = Expect::ReferenceWindow;
        break;
      case Expect::ReferenceWindow:
        record.read_window = read_window;
        record.reference_window = line;
        use_record(static_cast<const AlignmentRecord&>(record));
        expect = Expect::WtReads;
        break;
    }
  }
  if (next == LineReader::Next::ReadError) return reader.read_failure();
  if (expect == Expect::ReadWindow || expect == Expect::ReferenceWindow) {
    if (expect == Expect::ReadWindow) read_window.clear();
    record.read_window = read_window;
    record.reference_window = std::string_view();
    use_record(static_cast<const AlignmentRecord&>(record));
  }
  return std::nullopt;
}

// Gap scanner reader: lines of more than 6 characters are window lines and
// are passed over, by their length alone; every other line is a count line.
// Count lines alternate: first_count(wt_reads), then second_count(mut_reads),
// each complete pair one genome position. A lone first count at the end (the
// empty line after a final line feed among them) reaches first_count only;
// that empty line never completes a pair.
inline constexpr std::size_t kLongestCountLine = 6;

template <class Counts>
Status read_count_pairs(LineReader& reader, Counts& counts) {
  bool second = false;
  std::string_view line;
  LineReader::Next next;
  while ((next = reader.next(line)) == LineReader::Next::Line) {
    if (line.size() > kLongestCountLine) continue;
    if (second && line.empty() && !reader.terminated()) break;
    const std::int32_t count = read_atoi(line);
    if (second) {
      counts.second_count(count);
    } else {
      counts.first_count(count);
    }
    second = !second;
  }
  if (next == LineReader::Next::ReadError) return reader.read_failure();
  return std::nullopt;
}

}  // namespace vesmar
