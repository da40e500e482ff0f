#include "chromosome_join/genome_join.h"

#include <cstdint>
#include <cstring>

#include "chromosome_join/padding_writer.h"
#include "engine/line_scan.h"
#include "engine/number_reader.h"

namespace vesmar {

namespace {

// Reads one chromosome file a block at a time. Sequence lines stand in the
// genome sequence file exactly as in the chromosome file, each with its line
// feed, so the lines between two header lines go to `output` as one piece
// (line by line only where carriage returns stand before the line feeds);
// `length` grows by their characters, line feeds not counted. header(line) is
// called for every header line, in its place. The last line of a file that
// does not end with a line feed gets one. Stops early, without a failure,
// once `output` has failed.
template <class Header>
Status join_lines(LineReader& input, OutputFile& output, std::uint64_t& length, Header&& header) {
  const auto put_line = [&](std::string_view line) {
    output.write(line);
    output.put('\n');
    length += line.size();
  };
  const auto sequence = [&](const char* begin, const char* end) {
    const auto size = static_cast<std::size_t>(end - begin);
    if (std::memchr(begin, '\r', size) == nullptr) {
      output.write(std::string_view(begin, size));
      length += size - count_line_feeds(begin, end);
      return;
    }
    // A carriage return before a line feed belongs to the line's end (Windows
    // line ends): it is neither written nor counted.
    for_each_line(begin, end, [&](const char* line, const char* line_end) {
      if (line_end > line && line_end[-1] == '\r') --line_end;
      put_line(std::string_view(line, static_cast<std::size_t>(line_end - line)));
    });
  };
  const auto whole_lines = [&](const char* begin, const char* stop) {
    const char* at = begin;
    while (at < stop) {
      const auto left = static_cast<std::size_t>(stop - at);
      const char* bracket = static_cast<const char*>(std::memchr(at, '>', left));
      if (bracket == nullptr) {
        sequence(at, stop);
        return !output.failed();
      }
      // The header line runs from the line feed before the ">" to the one
      // after it; the text ends with a line feed, so there is one.
      const char* feed_before =
          static_cast<const char*>(::memrchr(at, '\n', static_cast<std::size_t>(bracket - at)));
      const char* header_begin = feed_before == nullptr ? at : feed_before + 1;
      if (header_begin > at) {
        sequence(at, header_begin);
        if (output.failed()) return false;
      }
      const char* header_end =
          static_cast<const char*>(std::memchr(bracket, '\n', static_cast<std::size_t>(stop - bracket)));
      header(std::string_view(header_begin, static_cast<std::size_t>(header_end - header_begin)));
      if (output.failed()) return false;
      at = header_end + 1;
    }
    return true;
  };
  // The piece after the last line feed is a line only when it holds a byte.
  const auto last_line = [&](std::string_view line) {
    if (line.empty()) return;
    if (is_header_line(line)) {
      header(line);
    } else {
      put_line(line);
    }
  };
  return read_in_blocks(input, whole_lines, last_line);
}

}  // namespace

std::string chromosome_name(std::string_view header_line) {
  std::string_view name = header_line.substr(header_line.find('>') + 1);
  while (!name.empty() && is_c_space(name.front())) name.remove_prefix(1);
  std::size_t end = 0;
  while (end < name.size() && !is_c_space(name[end])) ++end;
  return std::string(name.substr(0, end));
}

std::optional<JoinStop> join_separate_files(OutputFile& output, const std::vector<std::string>& names,
                                            double number_value, std::vector<NamedLength>* joined) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    Result<LineReader> chromosome = LineReader::open(names[i]);
    if (!chromosome.ok()) return JoinStop{i, false, chromosome.failure()};
    std::uint64_t length = 0;
    // Header lines are passed over: the file is one chromosome, named by the first.
    std::string name;
    bool named = false;
    const auto header = [&](std::string_view line) {
      if (!named) name = chromosome_name(line);
      named = true;
    };
    if (Status read = join_lines(chromosome.value(), output, length, header); !read.ok()) {
      return JoinStop{i, true, read.failure()};
    }
    write_padding(output, length);
    if (joined != nullptr) joined->push_back({name, static_cast<std::int64_t>(length)});
    if (static_cast<double>(i + 1) != number_value) output.put('\n');
    if (output.failed()) return std::nullopt;
  }
  return std::nullopt;
}

Status join_single_file(OutputFile& output, LineReader& chromosome, std::vector<NamedLength>* joined) {
  std::uint64_t length = 0;
  // The header line that stands last before a chromosome's sequence names it.
  std::string name;
  const auto close = [&] {
    write_padding(output, length);
    if (joined != nullptr) joined->push_back({name, static_cast<std::int64_t>(length)});
  };
  Status read = join_lines(chromosome, output, length, [&](std::string_view line) {
    if (length > 0) {
      close();
      output.put('\n');
      length = 0;
    }
    name = chromosome_name(line);
  });
  if (!read.ok()) return read;
  close();
  return {};
}

}  // namespace vesmar
