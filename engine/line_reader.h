#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/byte_source.h"
#include "engine/failure.h"
#include "engine/line_scan.h"
#include "engine/read_ahead.h"

namespace vesmar {

// Streams a file as whole lines, a block at a time: the one reader of every
// input file of the suite.
//
// The lines are the pieces of the file between line feeds, each with nothing
// removed but its line feed (a carriage return stays). A file holding k line
// feeds has k + 1 pieces: the last one, after the last line feed, is empty
// when the file ends with a line feed. Readers take them through
// read_in_blocks() (or read_each_line()), which documents the three ways a
// read ends.
class LineReader {
 public:
  // How the bytes of a file are taken: as they stand, or, for a file that
  // starts with the gzip magic bytes (whatever its name), as the text they
  // decompress to.
  enum class Decoding { Plain, GzipByMagic };

  // Opens `path` for reading. A folder cannot be opened. Regular files are
  // read ahead on a thread of their own; pipes are read as they are asked.
  // (Tests read in small blocks, so that block boundaries fall all through
  // a short text.)
  static Result<LineReader> open(const std::string& path, Decoding decoding = Decoding::Plain,
                                 std::size_t block_size = ReadAhead::kDefaultBlockSize);

  // Reads `source`; `name` is used in messages.
  LineReader(std::unique_ptr<ByteSource> source, std::string name, ReadAhead::Mode mode,
             std::size_t block_size = ReadAhead::kDefaultBlockSize);

  const std::string& name() const { return name_; }

  // The next stretch of whole lines, [begin, stop), which ends with a line
  // feed and is followed by kScanSlack readable bytes:
  //   Lines      a stretch is in [begin, stop), valid until the next call;
  //   End        the file has ended; last_piece() holds what follows its
  //              last line feed (empty when it ends with one);
  //   ReadError  the file could not be read on; read_failure() tells why.
  enum class Next { Lines, End, ReadError };
  Next next_lines(const char*& begin, const char*& stop);
  // After End: the piece after the file's last line feed, followed by
  // kScanSlack readable bytes.
  std::string_view last_piece() const;
  Failure read_failure() const;

  // Whether the file's first line ends with a carriage return before its
  // line feed: a file written with Windows line ends, whose carriage returns
  // stay in its lines. Seen in the first stretch that next_lines() gives, so
  // it costs nothing per line; false until then, and for a file without a
  // line feed.
  bool windows_line_ends() const { return windows_line_ends_; }

 private:
  Next next_stretch(const char*& begin, const char*& stop);
  void look_at_first_line(const char* begin, const char* stop);
  // A line longer than the room before a block is put together here.
  void append_to_long_line(const char* begin, const char* end);

  std::string name_;
  std::unique_ptr<ReadAhead> blocks_;
  // The bytes of the current block not yet handed out.
  const char* unread_begin_ = nullptr;
  const char* unread_end_ = nullptr;
  // The start of a line that the last block ended with, still in that block.
  const char* carry_begin_ = nullptr;
  const char* carry_end_ = nullptr;
  bool in_long_line_ = false;
  std::vector<char> long_line_;
  std::size_t long_line_size_ = 0;
  bool first_line_seen_ = false;
  bool windows_line_ends_ = false;
};

// The names of the files read whose first line ends with a carriage return
// before its line feed (LineReader::windows_line_ends()), in the order they
// were read: for the programs that warn of them.
using WindowsLineEndFiles = std::vector<std::string>;

// Reads the whole file through `reader`, for parsers that scan bytes rather
// than take lines one by one. whole_lines(begin, stop) gets stretches of
// whole lines in file order: every line in [begin, stop) ends with a line
// feed before `stop`, and 64 readable bytes follow `stop` (see line_scan.h).
// A line longer than a block arrives whole. Then last_line(piece) gets the
// piece after the last line feed of the file (empty when the file ends with
// one; a record that it holds is cut short), exactly once. The result:
//   ok        the file was read to its end;
//   failure   it could not be read on (the failure names the file and the
//             reason); the lines given before stand, and last_line is not
//             called.
// A whole_lines that returns bool stops the reading by returning false (its
// reader has nowhere left to put what it reads): read_in_blocks then returns
// ok at once and calls no last_line.
template <class WholeLines, class LastLine>
Status read_in_blocks(LineReader& reader, WholeLines&& whole_lines, LastLine&& last_line) {
  const char* begin;
  const char* stop;
  for (;;) {
    switch (reader.next_lines(begin, stop)) {
      case LineReader::Next::Lines:
        if constexpr (std::is_same_v<std::invoke_result_t<WholeLines&, const char*, const char*>, bool>) {
          if (!whole_lines(begin, stop)) return {};
        } else {
          whole_lines(begin, stop);
        }
        break;
      case LineReader::Next::End:
        last_line(reader.last_piece());
        return {};
      case LineReader::Next::ReadError:
        return reader.read_failure();
    }
  }
}

// Calls use_line(line) for every line of the file, the piece after the last
// line feed included, finding the line feeds 64 bytes at a time.
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

// The same for the file at `path`. When `windows_line_ends` is given, the
// path is added to it if the file turns out to have Windows line ends (as
// far as it was read).
template <class UseLine>
Status read_each_line(const std::string& path, UseLine&& use_line,
                      WindowsLineEndFiles* windows_line_ends = nullptr) {
  Result<LineReader> opened = LineReader::open(path);
  if (!opened.ok()) return opened.failure();
  Status read = read_each_line(opened.value(), use_line);
  if (windows_line_ends != nullptr && opened.value().windows_line_ends()) windows_line_ends->push_back(path);
  return read;
}

}  // namespace vesmar
