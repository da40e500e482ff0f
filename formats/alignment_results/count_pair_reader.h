#pragma once

#include <cstdint>
#include <string_view>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/line_scan.h"
#include "engine/number_reader.h"
#include "formats/alignment_results/count_line.h"
#include "formats/alignment_results/record_walk.h"

namespace vesmar {

// Gap scanner reader: lines of more than 6 characters are window lines and
// are passed over, by their length alone; every other line is a count line.
// Count lines alternate: first_count(wt_reads), then second_count(mut_reads),
// each complete pair one genome position. A run of n positions that have at
// least one WT read and no mutant read may come as wt_only_positions(n)
// instead, which must act as n such pairs would. A lone first count at the end
// reaches first_count only; the empty piece after a final line feed never
// completes a pair.
template <class Counts>
Status read_count_pairs(LineReader& reader, Counts& counts) {
  bool second = false;
  auto deliver = [&](std::int32_t count) {
    if (second) {
      counts.second_count(count);
    } else {
      counts.first_count(count);
    }
    second = !second;
  };
  auto whole_lines = [&](const char* begin, const char* stop) {
    LineCursor cursor(begin, stop);
    const char* line;
    std::size_t length;
    for (;;) {
      // Most positions have WT reads and no mutant read, and are passed
      // over in bulk with the window lines between them. Other pairs of
      // count lines are read here.
      if (!second) {
        walk_records<QuickRecord::WildTypeOnly>(
            cursor,
            [&](std::int64_t run) { counts.wt_only_positions(run); },
            [&](const char* first_line, const LineEnds& ends) -> const char* {
              const char* first_end = ends.line_end(first_line);
              if (first_end == nullptr) return nullptr;
              const char* second_line = first_end + 1;
              const char* second_end;
              while ((second_end = ends.line_end(second_line)) != nullptr &&
                     static_cast<std::size_t>(second_end - second_line) > kLongestCountLine) {
                second_line = second_end + 1;  // a window line
              }
              if (second_end == nullptr) return nullptr;
              counts.first_count(
                  read_count(first_line, static_cast<std::size_t>(first_end - first_line)));
              counts.second_count(
                  read_count(second_line, static_cast<std::size_t>(second_end - second_line)));
              return second_end + 1;
            });
      }
      if (!cursor.next(line, length)) break;
      if (length <= kLongestCountLine) deliver(read_count(line, length));
    }
  };
  auto last_line = [&](std::string_view line) {
    if (line.size() > kLongestCountLine) return;
    if (second && line.empty()) return;
    deliver(read_atoi(line));
  };
  return read_in_blocks(reader, whole_lines, last_line);
}

}  // namespace vesmar
