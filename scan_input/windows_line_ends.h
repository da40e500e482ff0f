#pragma once

#include <string>
#include <vector>

#include "common/console.h"

namespace vesmar {

// The scanners read their input files exactly as they stand, so a file
// written with Windows line ends keeps a carriage return at the end of each
// line, where it makes names and chromosomes match nothing and ends windows
// and sequences with a character that is no base. Warns of each such file
// among `paths`; the file is still read as it stands.
void warn_of_windows_line_ends(const std::vector<std::string>& paths, Console& console);

}  // namespace vesmar
