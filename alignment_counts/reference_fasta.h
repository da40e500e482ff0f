#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/failure.h"

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

// The sequence of the record at `index` of that list, in lowercase letters
// (the rest of the file is not read). `length` is its length in the list,
// room made for it at once.
Result<std::string> read_reference_sequence(const std::string& path, std::size_t index, std::int64_t length);

}  // namespace vesmar
