#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_reader.h"

namespace vesmar::fuzz {

// A folder of the fuzz run's own under $TMPDIR (or /tmp), made on first use
// and removed with everything in it when the process ends normally.
const std::string& scratch_root();

// `root` + "/" + `relative`.
std::string scratch_path(std::string_view relative);

// Whole-file helpers; a failure here is a broken test set-up, so it aborts.
void write_file(const std::string& path, std::string_view content);
std::string read_file(const std::string& path);

// An in-memory file holding `content`, open for reading from its start, for
// readers that take a descriptor (and close it). The file is the same one
// for every call, rewritten in place so that its pages are not made afresh
// each time: a descriptor is good until the next call.
int memory_file(std::string_view content);

// A reader of `content` (through memory_file), read inline in blocks of
// `block_size` bytes: small blocks put block boundaries all through a short
// text.
LineReader memory_reader(std::string_view content, std::string name,
                         std::size_t block_size = ReadAhead::kDefaultBlockSize);

// The pieces of `text` between line feeds: k line feeds give k + 1 pieces,
// the last one empty when the text ends with a line feed.
std::vector<std::string_view> pieces(std::string_view text);

// The lines as a text editor shows them: the pieces, less the empty piece
// after a final line feed (and an empty text has no lines).
std::vector<std::string_view> editor_lines(std::string_view text);


// An output stream that drops what it is given, for the dialogues' prompts.
class DiscardingBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

}  // namespace vesmar::fuzz
