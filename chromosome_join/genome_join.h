#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// A FASTA header line: one with ">" anywhere in it. Header lines are never
// written; every other line, the empty one included, is sequence and is
// written exactly as read.
inline bool is_header_line(std::string_view line) { return line.find('>') != std::string_view::npos; }

// Why joining the separate chromosome files stopped.
struct JoinStop {
  std::size_t index = 0;  // of the file among the names, from 0
  bool opened = false;    // false: it did not open; true: it could not be read to its end
  Failure failure;        // names the file and the reason; error number as exit status for an open
};

// Joins one chromosome per file, in the order of `names`, into `output`: each
// file's sequence lines (each with a line feed), then its padding run, then a
// line feed unless the file's 1-based index equals `number_value`. Stops at
// the first file that cannot be opened or read; what was joined before it
// stays in `output`. Stops quietly once `output` has failed, since nothing
// more can reach it (OutputFile::commit reports that). Each file's
// chromosome, named by its first header line (chromosome_name; empty
// without one), goes with its length to `joined` when there is one.
std::optional<JoinStop> join_separate_files(OutputFile& output, const std::vector<std::string>& names,
                                            double number_value, std::vector<NamedLength>* joined = nullptr);

// Joins the records of one FASTA file into `output`. A chromosome ends at the
// first header line that follows at least one character of sequence: its
// padding run and a line feed are written there. Header lines before any
// sequence are passed over, and empty lines there join the next chromosome.
// The last chromosome's padding run ends the file, without a line feed. Fails
// only when `chromosome` cannot be read to its end. Each chromosome, named by
// the last header line before its sequence (chromosome_name; empty without
// one), goes to `joined` when there is one.
Status join_single_file(OutputFile& output, LineReader& chromosome, std::vector<NamedLength>* joined = nullptr);

// The name a header line gives its chromosome: the first word after its
// ">" ("I" for ">I dna:chromosome"); empty when none follows.
std::string chromosome_name(std::string_view header_line);

}  // namespace vesmar
