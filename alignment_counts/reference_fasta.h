#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/line_scan.h"

namespace vesmar {

// The reference FASTA file holds the genome's chromosomes, each a record: a
// header line that starts with ">" and names it (the name is the text up to
// the first blank or tab), then its sequence lines. It is read one record at
// a time, so that only one chromosome's sequence is ever held; a gzip
// compressed file is read as the text it decompresses to. Lines before the
// first header belong to no record. White space in sequence lines (a
// carriage return before the line feed included) is not part of the
// sequence.

struct ReferenceRecord {
  std::string name;
  std::int64_t length = 0;
};

// The file's records in their order, with the lengths of their sequences.
Result<std::vector<ReferenceRecord>> list_reference_records(const std::string& path);

// The sequences of records of the file, asked for one by one. The file stays
// open between them, so that records asked for in file order (a reference
// in genome order, as the chromosomes are counted) cost one pass over the
// file, however many there are; a gzip file is decompressed once rather
// than from its start for each. A record that lies behind the last one read
// opens the file again.
class ReferenceSequences {
 public:
  explicit ReferenceSequences(std::string path) : path_(std::move(path)) {}

  // The sequence of the record at `index` of list_reference_records(), in
  // lowercase letters. `length` is its length in that list, room made for
  // it at once.
  Result<std::string> read(std::size_t index, std::int64_t length);

 private:
  // The next line of the file (the piece after its last line feed
  // included): Lines, End once it is passed, or ReadError.
  LineReader::Next next_line(std::string_view& line);

  std::string path_;
  std::optional<LineReader> reader_;
  // The lines of the stretch the reader handed out last that are not yet
  // taken; none before the first stretch and after the file's end.
  std::optional<LineCursor> cursor_;
  bool ended_ = false;
  // The header lines passed so far, and the first record whose sequence
  // lines have not been passed: the records before it need a new pass.
  std::size_t headers_ = 0;
  std::size_t unread_record_ = 0;
};

}  // namespace vesmar
