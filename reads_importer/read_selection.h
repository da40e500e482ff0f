#pragma once

#include "reads_importer/read_format.h"

namespace vesmar {

// What the conversion carries from line to line and from file to file: the
// chosen format and, for FASTQ, the position `hh` within the current
// four-line record. `hh` starts at 0 once per run and is never reset between
// input files, so a file whose line count is not a multiple of four shifts
// which lines of the next file are taken as reads.
struct ConversionState {
  ReadFormat format;
  int hh = 0;
};

// Counts one more FASTQ line in `hh` and tells whether that line is the read
// of its record: the second of every four. Lines are counted, never examined.
inline bool fastq_line_is_read(int& hh) {
  if (++hh == 4) {
    hh = 0;
    return false;
  }
  return hh == 2;
}

}  // namespace vesmar
