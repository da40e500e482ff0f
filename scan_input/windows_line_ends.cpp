#include "scan_input/windows_line_ends.h"

#include "common/line_reader.h"

namespace vesmar {

void warn_of_windows_line_ends(const std::vector<std::string>& paths, Console& console) {
  for (const std::string& path : paths) {
    // A compressed alignment results file is looked at as its text.
    if (!has_windows_line_ends(path, LineReader::Decoding::GzipByMagic)) continue;
    console.warn(path +
                 " has Windows line ends (a carriage return before each line feed); they are read as part of "
                 "the lines, where names and chromosomes then match nothing (convert the file with dos2unix)");
  }
}

}  // namespace vesmar
