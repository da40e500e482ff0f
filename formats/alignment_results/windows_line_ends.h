#pragma once

#include <string>
#include <vector>

#include "engine/console.h"

namespace vesmar {

// The scanners read their input files exactly as they stand, so a file
// written with Windows line ends keeps a carriage return at the end of each
// line, where it makes names and chromosomes match nothing and ends windows
// and sequences with a character that is no base. Warns of each such file,
// the alignment results file looked at as its text when it is compressed;
// the file is still read as it stands.
void warn_of_windows_line_ends(const std::string& alignment_path, const std::vector<std::string>& table_paths,
                               Console& console);

}  // namespace vesmar
