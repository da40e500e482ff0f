#pragma once

#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "engine/failure.h"
#include "package_generator/read_files.h"

namespace vesmar::bench {

using generator::ReadFileFormat;
using generator::ReadFileSummary;

inline constexpr int kReadLength = 36;

// The instrument run the generated reads come from; the BAM file's reads are
// named as the read files name them.
inline constexpr generator::ReadSource kInstrument{"HWI-EAS285", "0001", "HWI-EAS285"};

// Where on the instrument's flow cell a read lies (its lane, tile, x, y).
void draw_place(RandomStream& random, generator::SolexaRead& read);

// The bases and qualities of a read of kReadLength bases from the reference
// from genome position `first_position` on, read from the forward strand or
// the other: in three reads of ten one base is drawn anew (a miscall, unless
// it draws the same base), in one of fifty one is unknown (N); qualities are
// Illumina 1.3 letters B to h.
void draw_bases(RandomStream& random, const Reference& reference, std::int64_t first_position, bool forward,
                generator::SolexaRead& read);

// Writes reads of 36 bases, taken from either strand of the reference within
// genome positions 1 to `positions`, with a miscalled base in some and an
// unknown base in a few, until the file holds at least `target_bytes`. Their
// names put them anywhere on eight lanes of 120 tiles; the gseq filter field
// is 1 for 9 reads in 10, and the qualities are Illumina 1.3 letters B to h.
// `part` chooses an independent set of reads for the same seed.
Result<ReadFileSummary> write_read_file(const std::string& path, ReadFileFormat format,
                                        const Reference& reference, std::uint64_t seed,
                                        std::int64_t positions, std::int64_t target_bytes,
                                        std::uint64_t part);

}  // namespace vesmar::bench
