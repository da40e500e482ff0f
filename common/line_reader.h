#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/byte_source.h"
#include "common/failure.h"
#include "common/line_scan.h"
#include "common/mapped_windows.h"

namespace vesmar {

// Streams a file as lines, reading it in large blocks.
//
// The lines are the pieces of the file between line feeds. Each comes without
// its line feed and with nothing else removed (a carriage return stays). So a
// file holding k line feeds gives k + 1 lines: a file that ends with a line
// feed gives a last, empty line, and an empty file gives one empty line. This
// is what a loop "while not at end of file: read a line, use it" sees; readers
// that want only the lines a text editor shows pass over the last line when
// `terminated()` is false and the line is empty.
//
// next() returns:
//   Line       a line is in `line`, valid until the next call;
//   EndOfFile  every line has been returned;
//   ReadError  the file could not be read on (error_number() tells why);
//              the lines returned before it stand.
// Memory is one block plus the longest line.
class LineReader {
 public:
  enum class Next { Line, EndOfFile, ReadError };

  // Takes ownership of an open descriptor; `name` is used in messages.
  LineReader(int fd, std::string name);
  // Reads the bytes that `source` gives instead (a decoded file).
  LineReader(std::unique_ptr<ByteSource> source, std::string name);
  ~LineReader();
  LineReader(LineReader&& other) noexcept;
  LineReader& operator=(LineReader&&) = delete;
  LineReader(const LineReader&) = delete;

  // Opens `path` (a folder cannot be opened) and reads it.
  static Result<LineReader> open(const std::string& path);

  Next next(std::string_view& line) {
    for (;;) {
      const char* newline = static_cast<const char*>(std::memchr(begin_, '\n', end_ - begin_));
      if (newline != nullptr) {
        line = std::string_view(begin_, newline - begin_);
        begin_ = newline + 1;
        terminated_ = true;
        return Next::Line;
      }
      if (at_end_) {
        if (finished_) return Next::EndOfFile;
        finished_ = true;
        line = std::string_view(begin_, end_ - begin_);
        begin_ = end_;
        terminated_ = false;
        return Next::Line;
      }
      if (!refill()) return Next::ReadError;
    }
  }

  // Whether the line last returned ended with a line feed.
  bool terminated() const { return terminated_; }
  int error_number() const { return error_number_; }
  const std::string& name() const { return name_; }
  // A failure naming the file and the read error.
  Failure read_failure() const;

  // The bytes of the current block that no line has taken yet, for readers
  // that parse a block directly; consume(n) takes n of them.
  const char* unread_begin() const { return begin_; }
  const char* unread_end() const { return end_; }
  void consume_to(const char* position) { begin_ = position; }
  // Reads more input behind the unread bytes (keeping them). False on a read
  // error; at_end() tells whether the file has ended.
  bool refill();
  bool at_end() const { return at_end_; }
  // The descriptor of a plain file from which nothing has been read yet,
  // which may be mapped instead (see MappedWindows); -1 otherwise.
  int mappable_descriptor() const {
    return source_ == nullptr && begin_ == end_ && !at_end_ ? fd_ : -1;
  }

 private:
  static std::unique_ptr<char[]> allocate(std::size_t capacity);

  int fd_;
  std::unique_ptr<ByteSource> source_;  // when set, read instead of fd_
  std::string name_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  const char* begin_;
  const char* end_;
  bool at_end_ = false;
  bool finished_ = false;
  bool terminated_ = false;
  int error_number_ = 0;
};

// Reads the whole file through `reader` in blocks, for parsers that scan
// bytes rather than take lines one by one (64 readable bytes follow every
// block, see line_scan.h). whole_lines(begin, stop) gets the
// unread bytes of a block up to and including its last line feed, so every
// line in [begin, stop) ends with a line feed before `stop`, and it must read
// them all. last_line(line) then gets the piece after the last line feed of
// the file (empty when the file ends with one), exactly once, as next() would
// give it. A line longer than a block arrives whole in a larger block.
// A whole_lines that returns bool stops the reading by returning false (its
// reader has nowhere left to put what it reads): read_in_blocks then returns
// at once, reads no further block and calls no last_line.
template <class WholeLines, class LastLine>
Status read_in_blocks(LineReader& reader, WholeLines&& whole_lines, LastLine&& last_line) {
  // Hands whole_lines a span; false when it has stopped the reading.
  const auto take = [&](const char* begin, const char* stop) {
    if constexpr (std::is_same_v<std::invoke_result_t<WholeLines&, const char*, const char*>, bool>) {
      return static_cast<bool>(whole_lines(begin, stop));
    } else {
      whole_lines(begin, stop);
      return true;
    }
  };
  {
    MappedWindows windows(reader);
    while (windows.next()) {
      if (!take(windows.begin(), windows.stop())) return {};
    }
  }
  for (;;) {
    const char* begin = reader.unread_begin();
    const char* end = reader.unread_end();
    if (begin != end) {
      const char* last_feed = static_cast<const char*>(::memrchr(begin, '\n', end - begin));
      if (last_feed != nullptr) {
        const bool going_on = take(begin, last_feed + 1);
        reader.consume_to(last_feed + 1);
        if (!going_on) return {};
      }
    }
    if (reader.at_end()) {
      last_line(std::string_view(reader.unread_begin(), reader.unread_end() - reader.unread_begin()));
      reader.consume_to(reader.unread_end());
      return {};
    }
    if (!reader.refill()) return reader.read_failure();
  }
}

// The number of line feeds in the table file at `path`, for readers that
// size their tables before filling them (growing would hold two copies at
// its largest, and rehash).
Result<std::size_t> count_line_feeds(const std::string& path);

// Calls use_line(line) for every line of the file, exactly as a loop over
// next() would give them (the piece after the last line feed included), but
// reads the file in blocks and finds the line feeds 64 bytes at a time.
template <class UseLine>
Status read_each_line(LineReader& reader, UseLine&& use_line) {
  return read_in_blocks(
      reader,
      [&](const char* begin, const char* stop) {
        for_each_line(begin, stop, [&](const char* line, const char* end) {
          use_line(std::string_view(line, static_cast<std::size_t>(end - line)));
        });
      },
      [&](std::string_view line) { use_line(line); });
}

// The same for the table file at `path`.
template <class UseLine>
Status read_each_line(const std::string& path, UseLine&& use_line) {
  Result<LineReader> opened = LineReader::open(path);
  if (!opened.ok()) return opened.failure();
  return read_each_line(opened.value(), use_line);
}

}  // namespace vesmar
