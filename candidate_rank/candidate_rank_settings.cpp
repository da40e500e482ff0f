#include "candidate_rank/candidate_rank_settings.h"

#include <cmath>

#include "engine/command_line.h"
#include "genome/package_paths.h"

namespace vesmar {

namespace {

constexpr std::size_t kLongestName = 64;

bool name_character(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.';
}

}  // namespace

Result<StrainFile> strain_file_from(std::string_view answer, bool ranked) {
  // Built by appending: g++ 12 warns wrongly (-Wrestrict) of "\"" + string.
  std::string quoted(1, '"');
  quoted.append(answer).push_back('"');
  const std::size_t equals = answer.find('=');
  if (equals == std::string_view::npos) return usage_failure(quoted + " is not NAME=RESULTS");
  const std::string_view name = answer.substr(0, equals);
  const std::string_view file = answer.substr(equals + 1);
  if (name.empty()) return usage_failure(quoted + " has no strain name before \"=\"");
  if (name.size() > kLongestName) {
    return usage_failure(quoted + ": a strain name has at most " + std::to_string(kLongestName) + " characters");
  }
  for (const char c : name) {
    if (!name_character(c)) {
      return usage_failure(quoted + ": a strain name holds only letters, digits, \"-\", \"_\" and \".\"");
    }
  }
  if (name.front() == '.') return usage_failure(quoted + ": a strain name does not begin with \".\"");
  if (file.empty() || file.find('\0') != std::string_view::npos) {
    return usage_failure(quoted + " has no alignment results file after \"=\"");
  }
  return StrainFile{std::string(name), path_in(kAlignmentResultsFolder, file), ranked};
}

Result<CandidateRankSettings> candidate_rank_settings(const std::vector<std::string>& strains,
                                                      const std::vector<std::string>& backgrounds,
                                                      std::int32_t min_mut_reads, std::int32_t min_depth,
                                                      double homozygous_share, Mutagen mutagen) {
  CandidateRankSettings settings;
  if (strains.empty()) return usage_failure("no strain to rank: give --strain NAME=RESULTS");
  for (const bool ranked : {true, false}) {
    for (const std::string& answer : ranked ? strains : backgrounds) {
      Result<StrainFile> strain = strain_file_from(answer, ranked);
      if (!strain.ok()) return strain.failure();
      for (const StrainFile& before : settings.strains) {
        if (before.name == strain.value().name) {
          return usage_failure("the strain name \"" + before.name + "\" is given twice");
        }
      }
      settings.strains.push_back(std::move(strain.value()));
    }
  }
  if (min_mut_reads < 1) return usage_failure("--min-mut-reads must be at least 1");
  if (min_depth < 1) return usage_failure("--min-depth must be at least 1");
  if (!(homozygous_share > 0 && homozygous_share <= 1)) {
    return usage_failure("--homozygous-share must be above 0 and at most 1");
  }
  settings.min_mut_reads = min_mut_reads;
  settings.min_depth = min_depth;
  settings.homozygous_share = homozygous_share;
  settings.mutagen = mutagen;
  return settings;
}

std::string_view mutagen_name(Mutagen mutagen) { return mutagen == Mutagen::Ems ? "ems" : "none"; }

}  // namespace vesmar
