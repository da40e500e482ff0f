#include "reads_importer/read_file_conversion.h"

#include "reads_importer/read_normalisation.h"

namespace vesmar {

FileConversion convert_file(LineReader& input, ConversionState& state, OutputFile& output) {
  FileConversion result;
  std::string_view line;
  for (;;) {
    const LineReader::Next next = input.next(line);
    if (next == LineReader::Next::EndOfFile) break;
    if (next == LineReader::Next::ReadError) {
      result.read_failure = input.read_failure();
      break;
    }
    // The empty piece after a final line feed is not a line of the file.
    if (!input.terminated() && line.empty()) break;
    ++result.lines;
    if (std::optional<std::string_view> read = read_in_line(state, line)) {
      output.write(normalised_read_line(*read).text());
      if (output.failed()) break;
    }
  }
  return result;
}

}  // namespace vesmar
