// Candidate_rank's command line from the fuzzer's bytes, cut into arguments
// at NUL bytes: the parse and the settings of its answers end either in a
// usage failure (status 2, with a message) or in settings that hold what
// the options promise: at least one ranked strain, every name 1 to 64
// letters, digits, "-", "_", "." (not first) and no two alike, each file in
// the alignment results folder, the thresholds in their ranges.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "candidate_rank/candidate_rank_options.h"
#include "genome/package_paths.h"

namespace {

void require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "candidate_rank_command_line: %s\n", what);
    std::abort();
  }
}

bool good_name(const std::string& name) {
  if (name.empty() || name.size() > 64 || name.front() == '.') return false;
  for (const char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                    c == '_' || c == '.';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  std::vector<std::string> arguments{"Candidate_rank"};
  std::string current;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (!current.empty()) arguments.push_back(current);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  Result<CommandLine> line = parse_command_line(static_cast<int>(arguments.size()), argv.data(), kCandidateRankSyntax);
  if (!line.ok()) {
    require(line.failure().kind == FailureKind::usage && !line.failure().message.empty(), "a parse failure is a usage failure");
    return 0;
  }
  if (line.value().request != CommandLine::Request::Answers) return 0;
  Result<CandidateRankSettings> settings = candidate_rank_settings_from(line.value().arguments);
  if (!settings.ok()) {
    require(settings.failure().kind == FailureKind::usage && !settings.failure().message.empty(),
            "wrong answers are a usage failure");
    return 0;
  }
  const CandidateRankSettings& s = settings.value();
  require(!s.strains.empty() && s.strains.front().ranked, "a ranked strain comes first");
  for (std::size_t i = 0; i < s.strains.size(); ++i) {
    require(good_name(s.strains[i].name), "a strain name holds only the allowed characters");
    require(s.strains[i].alignment_path.starts_with(kAlignmentResultsFolder) &&
                s.strains[i].alignment_path.size() > kAlignmentResultsFolder.size(),
            "a file lies in the alignment results folder");
    for (std::size_t j = 0; j < i; ++j) require(s.strains[i].name != s.strains[j].name, "names differ");
  }
  require(s.min_mut_reads >= 1 && s.min_depth >= 1, "the read thresholds are at least 1");
  require(s.homozygous_share > 0 && s.homozygous_share <= 1, "the share is above 0 and at most 1");
  return 0;
}
