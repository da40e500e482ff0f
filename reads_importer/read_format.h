#pragma once

#include <optional>
#include <string_view>

namespace vesmar {

// The three Solexa output formats the importer reads. One format holds for
// every input file of a run.
enum class ReadFormat { gseq, fastq, fasta };

// The format named by the answer "gseq", "fastq" or "fasta", compared exactly
// (case, blanks and carriage returns count). Any other answer names none.
std::optional<ReadFormat> read_format_named(std::string_view answer);

}  // namespace vesmar
