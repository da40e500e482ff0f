#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/line_scan.h"
#include "engine/number_reader.h"
#include "formats/alignment_results/alignment_record.h"
#include "formats/alignment_results/count_line.h"
#include "formats/alignment_results/record_walk.h"

namespace vesmar {

// Point scanner reader: frames records by their place in the record (two
// lines when mut_reads is 0, four otherwise). For each record whose counts
// satisfy wanted(wt_reads, mut_reads) it calls use_record(record), in order;
// the windows are valid during the call only. A record cut off after its
// count lines is still given, with the windows that were read; one cut off
// after its first line is not. When `zero_mutants_wanted` is false, no record
// with mut_reads 0 is wanted, whatever wanted() would say, and such records
// are passed over quickly.
template <class Wanted, class UseRecord>
class PointRecordFramer {
 public:
  PointRecordFramer(bool zero_mutants_wanted, Wanted& wanted, UseRecord& use_record)
      : zero_mutants_wanted_(zero_mutants_wanted), wanted_(wanted), use_record_(use_record) {}

  // The lines of one block. Nine records in ten are a count and "0": the loop
  // keeps its state in locals and hands every other line to other_line().
  void whole_lines(const char* begin, const char* stop) {
    Expect expect = expect_;
    std::int64_t position = record_.position;
    const char* wt_line = nullptr;
    std::size_t wt_length = 0;
    const bool skip_zero = !zero_mutants_wanted_;
    LineCursor cursor(begin, stop);
    const char* line;
    std::size_t length;
    for (;;) {
      if (expect == Expect::WtReads && skip_zero) {
        // A count, then "0": no mutant read, so not wanted. The records
        // with mutant reads are read here too, windows and all, wanted or
        // not; what the walk cannot see whole is left to the loop below.
        walk_records<QuickRecord::NoMutantReads>(
            cursor,
            [&](std::int64_t count) { position += count; },
            [&](const char* first_line, const LineEnds& ends) -> const char* {
              const char* first_end = ends.line_end(first_line);
              if (first_end == nullptr) return nullptr;
              const char* second_end = ends.line_end(first_end + 1);
              if (second_end == nullptr) return nullptr;
              const std::int32_t mut_reads = read_count(
                  first_end + 1, static_cast<std::size_t>(second_end - first_end - 1));
              if (mut_reads == 0) {
                ++position;
                return second_end + 1;
              }
              const char* read_window_end = ends.line_end(second_end + 1);
              if (read_window_end == nullptr) return nullptr;
              const char* reference_window_end = ends.line_end(read_window_end + 1);
              if (reference_window_end == nullptr) return nullptr;
              const std::int32_t wt_reads =
                  read_count(first_line, static_cast<std::size_t>(first_end - first_line));
              ++position;
              if (wanted_(wt_reads, mut_reads)) {
                record_.position = position;
                record_.wt_reads = wt_reads;
                record_.mut_reads = mut_reads;
                record_.read_window = std::string_view(
                    second_end + 1, static_cast<std::size_t>(read_window_end - second_end - 1));
                record_.reference_window = std::string_view(
                    read_window_end + 1,
                    static_cast<std::size_t>(reference_window_end - read_window_end - 1));
                use_record_(static_cast<const AlignmentRecord&>(record_));
              }
              return reference_window_end + 1;
            });
      }
      if (!cursor.next(line, length)) break;
      if (expect == Expect::WtReads) {
        wt_line = line;
        wt_length = length;
        expect = Expect::MutReads;
      } else if (expect == Expect::MutReads && skip_zero && length == 1 && *line == '0') {
        ++position;
        expect = Expect::WtReads;
      } else if (expect == Expect::ReadWindow && !keep_) {
        expect = Expect::ReferenceWindow;  // the windows of a record not wanted
      } else if (expect == Expect::ReferenceWindow && !keep_) {
        expect = Expect::WtReads;
      } else {
        if (expect == Expect::MutReads && wt_line != nullptr) {
          record_.wt_reads = read_count(wt_line, wt_length);
        }
        record_.position = position;
        expect = other_line(expect, std::string_view(line, length));
        position = record_.position;
      }
    }
    // The block moves before the next one is read: keep the first count.
    if (expect == Expect::MutReads && wt_line != nullptr) {
      record_.wt_reads = read_count(wt_line, wt_length);
    }
    expect_ = expect;
    record_.position = position;
  }

  // The records completed so far: after the last line, the file's.
  std::int64_t positions() const { return record_.position; }

  // The piece after the file's last line feed.
  void last_line(std::string_view line) {
    switch (expect_) {
      case Expect::WtReads:
        break;  // a record that never begins
      case Expect::MutReads:
        // The empty piece after a final line feed is no line of the record.
        if (line.empty()) break;
        if (other_line(expect_, line) == Expect::ReadWindow) {
          read_window_.clear();
          windows_read(std::string_view());
        }
        break;
      case Expect::ReadWindow:
        read_window_.assign(line);
        windows_read(std::string_view());
        break;
      case Expect::ReferenceWindow:
        windows_read(line);
        break;
    }
  }

 private:
  enum class Expect { WtReads, MutReads, ReadWindow, ReferenceWindow };

  // A mutant count, a window, or a first count whose record is not the
  // quick kind; the first count is already in record_.wt_reads.
  [[gnu::noinline]] Expect other_line(Expect expect, std::string_view line) {
    switch (expect) {
      case Expect::WtReads:
        record_.wt_reads = read_atoi(line);
        return Expect::MutReads;
      case Expect::MutReads:
        record_.mut_reads = read_count(line.data(), line.size());
        ++record_.position;
        keep_ = wanted_(record_.wt_reads, record_.mut_reads);
        if (record_.mut_reads != 0) return Expect::ReadWindow;
        if (keep_) {
          record_.read_window = record_.reference_window = std::string_view();
          use_record_(static_cast<const AlignmentRecord&>(record_));
        }
        return Expect::WtReads;
      case Expect::ReadWindow:
        if (keep_) read_window_.assign(line);
        return Expect::ReferenceWindow;
      case Expect::ReferenceWindow:
        windows_read(line);
        return Expect::WtReads;
    }
    return expect;
  }

  void windows_read(std::string_view reference_window) {
    if (!keep_) return;
    record_.read_window = read_window_;
    record_.reference_window = reference_window;
    use_record_(static_cast<const AlignmentRecord&>(record_));
  }

  const bool zero_mutants_wanted_;
  Wanted& wanted_;
  UseRecord& use_record_;
  Expect expect_ = Expect::WtReads;
  AlignmentRecord record_;
  bool keep_ = false;        // whether the current record is wanted
  std::string read_window_;  // kept while the next line is read
};

// `positions`, when given, gets the number of records the file holds (as
// far as it was read).
template <class Wanted, class UseRecord>
Status read_alignment_records(LineReader& reader, bool zero_mutants_wanted, Wanted&& wanted,
                              UseRecord&& use_record, std::int64_t* positions = nullptr) {
  PointRecordFramer<std::remove_reference_t<Wanted>, std::remove_reference_t<UseRecord>> framer(
      zero_mutants_wanted, wanted, use_record);
  Status read = read_in_blocks(
      reader, [&](const char* begin, const char* stop) { framer.whole_lines(begin, stop); },
      [&](std::string_view line) { framer.last_line(line); });
  if (positions != nullptr) *positions = framer.positions();
  return read;
}

}  // namespace vesmar
