#pragma once

#include "reads_importer/read_format.h"

namespace vesmar {

// What the conversion carries from line to line and from file to file: the
// chosen format and, for FASTQ, how many lines of the current four-line
// record have been read (`fastq_line`, 0 to 3). It starts at 0 once per run
// and is never reset between input files, so a file whose line count is not
// a multiple of four shifts which lines of the next file are taken as reads.
struct ConversionState {
  ReadFormat format;
  int fastq_line = 0;
};

// Counts one more FASTQ line in `fastq_line` and tells whether that line is
// the read of its record: the second of every four. Lines are counted, never
// examined.
inline bool fastq_line_is_read(int& fastq_line) {
  if (++fastq_line == 4) {
    fastq_line = 0;
    return false;
  }
  return fastq_line == 2;
}

}  // namespace vesmar
