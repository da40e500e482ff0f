#pragma once

#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "common/failure.h"

namespace vesmar::bench {

// The three kinds of read files a Solexa instrument writes.
enum class ReadFileFormat { Fastq, Gseq, Fasta };

struct ReadFileSummary {
  std::int64_t reads = 0;
  std::int64_t lines = 0;
  std::int64_t bytes = 0;
};

// Writes reads of 36 bases, taken from either strand of the reference within
// genome positions 1 to `positions`, with a miscalled base in some and an
// unknown base ("N", or "." in gseq) in a few, until the file holds at least
// `target_bytes`.
//   FASTQ: "@" name, bases, "+", qualities (Illumina 1.3 letters B to h).
//   gseq:  11 tab-separated fields: machine, run, lane, tile, x, y, index,
//          read number, bases, qualities, filter (1 for 9 reads in 10).
//   FASTA: ">" name, bases.
// `part` chooses an independent set of reads for the same seed.
Result<ReadFileSummary> write_read_file(const std::string& path, ReadFileFormat format,
                                        const Reference& reference, std::uint64_t seed,
                                        std::int64_t positions, std::int64_t target_bytes,
                                        std::uint64_t part);

}  // namespace vesmar::bench
