#pragma once

#include <string>
#include <vector>

namespace vesmar {

// What a run wrote: the files, in the order they were written, and lines
// that say what they hold, for a run started with its answers on the command
// line to report.
struct RunOutcome {
  std::vector<std::string> files;
  std::vector<std::string> summary;
};

}  // namespace vesmar
