#pragma once

#include <cstdint>
#include <optional>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "reads_importer/read_selection.h"

namespace vesmar {

// What converting one input file came to.
struct FileConversion {
  // Lines as a text editor shows them: a file ending in a line feed has no
  // further empty line after it.
  std::uint64_t lines = 0;
  std::uint64_t reads = 0;
  // What its first lines look like, whatever the format it was read in: a
  // FASTA header line first, or a FASTQ record ("@" line, then a "+" line
  // two lines on).
  bool looks_like_fasta = false;
  bool looks_like_fastq = false;
  // Set when the file could not be read to its end; the reads of the lines
  // before the error are in the reads file.
  std::optional<Failure> read_failure;
};

// Reads `input` to its end and appends one line to `output` for every read
// found, normalised (see read_normalisation.h):
//   gseq   field 9 of a line with 11 fields whose field 11 is 1 (gseq_line.h);
//   fastq  the second line of every four, counted on from `state`;
//   fasta  every line without a ">" anywhere in it, the empty line too.
// In FASTQ and FASTA a carriage return at the end of a line belongs to the
// line's end (Windows line ends), not to the read; in gseq it is white space
// already.
// Stops early once `output` has failed, since nothing more can reach it;
// OutputFile::commit reports that.
FileConversion convert_file(LineReader& input, ConversionState& state, OutputFile& output);

}  // namespace vesmar
