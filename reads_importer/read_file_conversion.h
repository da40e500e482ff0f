#pragma once

#include <cstdint>
#include <optional>

#include "common/failure.h"
#include "common/line_reader.h"
#include "common/output_file.h"
#include "reads_importer/read_selection.h"

namespace vesmar {

// What converting one input file came to.
struct FileConversion {
  // Lines as a text editor shows them: a file ending in a line feed has no
  // further empty line after it.
  std::uint64_t lines = 0;
  // Set when the file could not be read to its end; the reads of the lines
  // before the error are in the reads file.
  std::optional<Failure> read_failure;
};

// Reads `input` to its end and appends one line to `output` for every read
// found (see read_in_line), normalised. Stops early once `output` has failed,
// since nothing more can reach it; OutputFile::commit reports that.
FileConversion convert_file(LineReader& input, ConversionState& state, OutputFile& output);

}  // namespace vesmar
