#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/line_scan.h"

namespace vesmar {

// A file's lines one at a time, for readers that take several files in step
// (a merge of sorted files) and so cannot be handed each file's lines in one
// go as read_each_line does. The lines are the LineReader's, each without
// its line feed; the empty piece after a final line feed is no line, and a
// last line without a line feed is one.
class LineStream {
 public:
  explicit LineStream(LineReader reader) : reader_(std::move(reader)) {}

  // The next line, valid until the next call; false at the end of the file
  // and when it cannot be read on (failure() then says why).
  bool next(std::string_view& line);

  // Which line next() gave last, counted from 1.
  std::int64_t line_number() const { return line_number_; }
  const std::optional<Failure>& failure() const { return failure_; }
  const std::string& name() const { return reader_.name(); }

 private:
  LineReader reader_;
  std::optional<LineCursor> cursor_;
  bool ended_ = false;
  std::int64_t line_number_ = 0;
  std::optional<Failure> failure_;
};

}  // namespace vesmar
