#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/output_file.h"

namespace vesmar::generator {

// Chromosome FASTA files as the lab receives them: a record is a header line
// ">" and the chromosome's name, then its bases as given, 60 to a line.

inline constexpr std::size_t kFastaLineLength = 60;

// Writes one record; returns its size in bytes.
std::int64_t write_fasta_record(OutputFile& file, std::string_view name, std::string_view bases);

// Writes a chromosome's own file, Desktop/chr<name>.fa under `home` (the
// working folder), with its one record; returns the file's size in bytes.
Result<std::int64_t> write_chromosome_file(const std::string& home, std::string_view name,
                                           std::string_view bases);

}  // namespace vesmar::generator
