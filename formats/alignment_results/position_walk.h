#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/line_scan.h"
#include "engine/number_reader.h"
#include "formats/alignment_results/count_line.h"
#include "formats/alignment_results/record_walk.h"

namespace vesmar {

// Reads every position of an alignment results file, framed as the point
// scanner frames the records (two lines when mut_reads is 0, four
// otherwise), for a reader that needs both what the gap scanner needs (every
// position's counts) and what the point scanner needs (the windows of the
// positions with mutant reads), in one pass:
//   positions.wt_only_positions(n)  n positions in a row with at least one
//                                   WT read and no mutant read;
//   positions.position(wt_reads, mut_reads, read_window, reference_window)
//                                   any other position, with its windows
//                                   (empty where it has none or the file
//                                   ended before them; valid during the call).
// Calls come in genome order. Nine positions in ten are WT-only and are
// passed over in bulk, as the gap scanner passes over them; a record the
// bulk walk cannot frame (a window of six characters or fewer, which a
// well-formed file never has) is taken line by line. A count line of more
// than six characters (a count beyond 999999, which the format does not
// allow) is a window line to the bulk walk, as to the gap scanner, and the
// records around it may be framed as that scanner frames them. A record cut
// off after its first line is no position.
template <class Positions>
class PositionFramer {
 public:
  explicit PositionFramer(Positions& positions) : positions_(positions) {}

  void whole_lines(const char* begin, const char* stop) {
    LineCursor cursor(begin, stop);
    const char* line;
    std::size_t length;
    for (;;) {
      if (expect_ == Expect::WtReads) {
        walk_records<QuickRecord::WildTypeOnly>(
            cursor, [&](std::int64_t run) { positions_.wt_only_positions(run); },
            [&](const char* first_line, const LineEnds& ends) { return framed(first_line, ends); });
      }
      if (!cursor.next(line, length)) break;
      take_line(std::string_view(line, length));
    }
  }

  // The piece after the file's last line feed.
  void last_line(std::string_view line) {
    switch (expect_) {
      case Expect::WtReads:
        break;
      case Expect::MutReads:
        if (line.empty()) break;  // the empty piece after a final line feed
        take_line(line);
        if (expect_ == Expect::ReadWindow) positions_.position(wt_reads_, mut_reads_, {}, {});
        break;
      case Expect::ReadWindow:
        positions_.position(wt_reads_, mut_reads_, line, {});
        break;
      case Expect::ReferenceWindow:
        positions_.position(wt_reads_, mut_reads_, read_window_, line);
        break;
    }
  }

 private:
  enum class Expect { WtReads, MutReads, ReadWindow, ReferenceWindow };

  // A record that the walk found at `first_line`: where the records after
  // it begin, or nullptr to leave it to take_line(). Window lines do not
  // count among the walk's count lines, so taking them keeps its framing.
  const char* framed(const char* first_line, const LineEnds& ends) {
    const char* first_end = ends.line_end(first_line);
    if (first_end == nullptr) return nullptr;
    const char* second_line = first_end + 1;
    const char* second_end = ends.line_end(second_line);
    if (second_end == nullptr || static_cast<std::size_t>(second_end - second_line) > kLongestCountLine) return nullptr;
    const std::int32_t wt_reads = read_count(first_line, static_cast<std::size_t>(first_end - first_line));
    const std::int32_t mut_reads = read_count(second_line, static_cast<std::size_t>(second_end - second_line));
    if (mut_reads == 0) {
      positions_.position(wt_reads, mut_reads, {}, {});
      return second_end + 1;
    }
    const char* read_end = ends.line_end(second_end + 1);
    if (read_end == nullptr || static_cast<std::size_t>(read_end - second_end - 1) <= kLongestCountLine) return nullptr;
    const char* reference_end = ends.line_end(read_end + 1);
    if (reference_end == nullptr || static_cast<std::size_t>(reference_end - read_end - 1) <= kLongestCountLine) {
      return nullptr;
    }
    positions_.position(wt_reads, mut_reads,
                        std::string_view(second_end + 1, static_cast<std::size_t>(read_end - second_end - 1)),
                        std::string_view(read_end + 1, static_cast<std::size_t>(reference_end - read_end - 1)));
    return reference_end + 1;
  }

  // One line of a record taken line by line; the read window is kept, as
  // the reference window may come in the next block.
  void take_line(std::string_view line) {
    switch (expect_) {
      case Expect::WtReads:
        wt_reads_ = read_atoi(line);
        expect_ = Expect::MutReads;
        return;
      case Expect::MutReads:
        mut_reads_ = read_atoi(line);
        if (mut_reads_ == 0) {
          positions_.position(wt_reads_, mut_reads_, {}, {});
          expect_ = Expect::WtReads;
        } else {
          expect_ = Expect::ReadWindow;
        }
        return;
      case Expect::ReadWindow:
        read_window_.assign(line);
        expect_ = Expect::ReferenceWindow;
        return;
      case Expect::ReferenceWindow:
        positions_.position(wt_reads_, mut_reads_, read_window_, line);
        expect_ = Expect::WtReads;
        return;
    }
  }

  Positions& positions_;
  Expect expect_ = Expect::WtReads;
  std::int32_t wt_reads_ = 0;
  std::int32_t mut_reads_ = 0;
  std::string read_window_;
};

template <class Positions>
Status read_positions(LineReader& reader, Positions& positions) {
  PositionFramer<Positions> framer(positions);
  return read_in_blocks(
      reader, [&](const char* begin, const char* stop) { framer.whole_lines(begin, stop); },
      [&](std::string_view line) { framer.last_line(line); });
}

}  // namespace vesmar
