#include "formats/alignment_results/windows_line_ends.h"

#include "engine/line_reader.h"

namespace vesmar {

namespace {

void warn_of(const std::string& path, Console& console) {
  console.warn(path +
               " has Windows line ends (a carriage return before each line feed); they are read as part of "
               "the lines, where names and chromosomes then match nothing (convert the file with dos2unix)");
}

}  // namespace

void warn_of_windows_line_ends(const std::string& alignment_path, const std::vector<std::string>& table_paths,
                               Console& console) {
  if (has_windows_line_ends(alignment_path, LineReader::Decoding::GzipByMagic)) warn_of(alignment_path, console);
  for (const std::string& path : table_paths) {
    if (has_windows_line_ends(path)) warn_of(path, console);
  }
}

}  // namespace vesmar
