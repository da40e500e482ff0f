#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"

namespace vesmar {

// One strain of a batch: its name, which names its output files, and its
// alignment results file.
struct StrainFile {
  std::string name;
  std::string alignment_path;  // Alignment_results/ + the given file name
  bool ranked = true;          // false: background only (the parent)
};

enum class Mutagen { Ems, None };

// What a Candidate_rank run is asked to do.
struct CandidateRankSettings {
  std::vector<StrainFile> strains;  // the ranked ones first, then the background
  std::int32_t min_mut_reads = 2;   // the least mutant reads of a change that counts
  std::int32_t min_depth = 3;       // the least WT + mutant reads of a change that counts
  double homozygous_share = 0.8;    // the mutant share from which a change is homozygous
  Mutagen mutagen = Mutagen::Ems;
};

// The strain and file of a "NAME=RESULTS" answer. A name is 1 to 64 letters,
// digits, "-", "_" or ".", not starting with "." (it begins file names);
// the file name must not be empty. A wrong answer is a usage failure that
// says why.
Result<StrainFile> strain_file_from(std::string_view answer, bool ranked);

// The settings of the answers; the strains' names must all differ and at
// least one strain is ranked. The thresholds: mutant reads and depth at
// least 1, the homozygous share above 0 and at most 1.
Result<CandidateRankSettings> candidate_rank_settings(const std::vector<std::string>& strains,
                                                      const std::vector<std::string>& backgrounds,
                                                      std::int32_t min_mut_reads, std::int32_t min_depth,
                                                      double homozygous_share, Mutagen mutagen);

// The mutagen's name as the options and the files give it.
std::string_view mutagen_name(Mutagen mutagen);

}  // namespace vesmar
