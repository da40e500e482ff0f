#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "formats/record_lines/input_record.h"
#include "genome_overview/overview.h"

namespace vesmar {

// A VCF to read, and the class of its records whose INFO names none.
struct SnpFile {
  std::string path;
  SnpClass file_class;
};

// Reads the VCFs in step, in one pass each, into `overview`, place by place
// (so an SNP in several files is one place), their chromosomes found in the
// overview's layout; what each held. Fails when a file cannot be opened or
// read on.
Result<std::vector<FileTally>> read_snp_files(std::span<const SnpFile> files, Overview& overview);

// The same for the BEDs of uncovered stretches.
Result<std::vector<FileTally>> read_gap_files(std::span<const std::string> paths, Overview& overview);

// The warnings a file's tally calls for (lines left out, records on none of
// the chromosomes of `layout`, records out of order); `item` names one of
// its records ("an SNP", "a stretch").
std::vector<std::string> tally_warnings(const FileTally& tally, std::string_view item, const ChromosomeLayout& layout);

}  // namespace vesmar
