#include "chromosome_join/genome_join.h"

#include <cerrno>
#include <cstdint>

#include "chromosome_join/genome_padding.h"

namespace vesmar {

namespace {

// Calls `use_line` for each line of `input` as a text editor shows them (the
// empty piece after a final line feed is no line). Stops early, without a
// failure, once `output` has failed.
template <class UseLine>
Status for_each_line(LineReader& input, const OutputFile& output, UseLine use_line) {
  std::string_view line;
  for (;;) {
    const LineReader::Next next = input.next(line);
    if (next == LineReader::Next::EndOfFile) return std::nullopt;
    if (next == LineReader::Next::ReadError) return input.read_failure();
    if (!input.terminated() && line.empty()) return std::nullopt;
    use_line(line);
    if (output.failed()) return std::nullopt;
  }
}

// A sequence line and its line feed; returns its length.
std::uint64_t write_sequence_line(OutputFile& output, std::string_view line) {
  output.write(line);
  output.put('\n');
  return line.size();
}

}  // namespace

Result<LineReader> open_chromosome_file(const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    return Failure{"cannot open " + path + ": " + error_text(ENOENT), ENOENT};
  }
  return LineReader::open(path);
}

std::optional<JoinStop> join_separate_files(OutputFile& output, const std::vector<std::string>& names,
                                            double number_value) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    Result<LineReader> chromosome = open_chromosome_file(names[i]);
    if (!chromosome.ok()) return JoinStop{i, false, chromosome.failure()};
    std::uint64_t length = 0;
    Status read = for_each_line(chromosome.value(), output, [&](std::string_view line) {
      if (!is_header_line(line)) length += write_sequence_line(output, line);
    });
    if (read) return JoinStop{i, true, *read};
    write_padding(output, length);
    if (static_cast<double>(i + 1) != number_value) output.put('\n');
    if (output.failed()) return std::nullopt;
  }
  return std::nullopt;
}

Status join_single_file(OutputFile& output, LineReader& chromosome) {
  std::uint64_t length = 0;
  Status read = for_each_line(chromosome, output, [&](std::string_view line) {
    if (!is_header_line(line)) {
      length += write_sequence_line(output, line);
    } else if (length > 0) {
      write_padding(output, length);
      output.put('\n');
      length = 0;
    }
  });
  if (read) return read;
  write_padding(output, length);
  return std::nullopt;
}

}  // namespace vesmar
