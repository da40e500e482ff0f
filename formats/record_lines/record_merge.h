#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/line_stream.h"
#include "formats/record_lines/input_record.h"

namespace vesmar {

// One input file read a record at a time; the lines that are no records are
// tallied as they are passed over. `Record` has key(): its place, in the
// order of the genome.
template <class Record>
class RecordFile {
 public:
  using ReadLine = std::function<LineKind(std::string_view line, Record& record, FileTally& tally)>;

  RecordFile(LineStream lines, ReadLine read_line) : lines_(std::move(lines)), read_line_(std::move(read_line)) {
    tally_.path = lines_.name();
    advance();
  }

  // The record at hand; null once the file has ended (or cannot be read on).
  const Record* current() const { return has_current_ ? &current_ : nullptr; }

  // Reads on to the next record.
  void advance() {
    const bool had_one = has_current_;
    const auto last = current_.key();
    has_current_ = false;
    std::string_view line;
    while (lines_.next(line)) {
      switch (read_line_(line, current_, tally_)) {
        case LineKind::Record:
          ++tally_.records;
          if (had_one && current_.key() < last && tally_.first_out_of_order_line == 0) {
            tally_.first_out_of_order_line = lines_.line_number();
          }
          has_current_ = true;
          return;
        case LineKind::Header:
          break;
        case LineKind::OtherChromosome:
          ++tally_.other_chromosomes;
          break;
        case LineKind::Malformed:
          if (tally_.malformed++ == 0) tally_.first_malformed_line = lines_.line_number();
          break;
      }
    }
  }

  const FileTally& tally() const { return tally_; }
  const std::optional<Failure>& failure() const { return lines_.failure(); }

 private:
  LineStream lines_;
  ReadLine read_line_;
  FileTally tally_;
  Record current_;
  bool has_current_ = false;
};

// Takes the records of `files`, each in genome order, in genome order: the
// records at one place (one key), from all files and several from one,
// are handed together to use_group(group), once for each place. A file that
// is out of order is still read whole; its records then meet the others'
// later than their place, and may be handed twice. Fails when a file cannot
// be read on.
template <class Record, class UseGroup>
Status merge_in_order(std::vector<RecordFile<Record>>& files, UseGroup&& use_group) {
  std::vector<Record> group;
  for (;;) {
    const Record* first = nullptr;
    for (const RecordFile<Record>& file : files) {
      if (file.current() && (!first || file.current()->key() < first->key())) first = file.current();
    }
    if (!first) break;
    const auto key = first->key();
    group.clear();
    for (RecordFile<Record>& file : files) {
      while (file.current() && file.current()->key() == key) {
        group.push_back(*file.current());
        file.advance();
      }
    }
    use_group(group);
  }
  for (const RecordFile<Record>& file : files) {
    if (file.failure()) return *file.failure();
  }
  return {};
}

}  // namespace vesmar
