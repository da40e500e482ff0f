// The two joins of chromosome FASTA files, whatever the files hold:
//   separate files: each file's lines without ">" (as an editor shows them),
//     each with a line feed, then "g" up to the next multiple of 50
//     characters (a whole 50 when the length is one already), then a line
//     feed unless the file's 1-based index equals the count typed; the join
//     stops at the first file that does not open, keeping what came before;
//   one file: a chromosome ends at the first header line after some sequence
//     (padding and a line feed), header lines before any sequence are passed
//     over, and the last chromosome's padding ends the file.
// The genome sequence file never holds ">", and its characters other than
// line feeds fill whole blocks of 50.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "chromosome_join/genome_join.h"
#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"

namespace vesmar::fuzz {
namespace {

bool is_header(std::string_view line) { return line.find('>') != std::string_view::npos; }

std::string padding(std::size_t length) { return std::string(50 - length % 50, 'g'); }

// The lines as the joins take them: a carriage return before a line feed
// belongs to the line's end.
std::vector<std::string_view> joined_lines(std::string_view file) {
  std::vector<std::string_view> lines = editor_lines(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool ends_with_feed = i + 1 < lines.size() || file.ends_with('\n');
    if (ends_with_feed && lines[i].ends_with('\r')) lines[i].remove_suffix(1);
  }
  return lines;
}

std::string joined_separately(const std::vector<std::string>& files, std::size_t opened,
                              double number_value) {
  std::string text;
  for (std::size_t i = 0; i < opened; ++i) {
    std::size_t length = 0;
    for (const std::string_view line : joined_lines(files[i])) {
      if (is_header(line)) continue;
      text.append(line);
      text += '\n';
      length += line.size();
    }
    text += padding(length);
    if (static_cast<double>(i + 1) != number_value) text += '\n';
  }
  return text;
}

std::string joined_from_one_file(std::string_view file) {
  std::string text;
  std::size_t length = 0;
  for (const std::string_view line : joined_lines(file)) {
    if (!is_header(line)) {
      text.append(line);
      text += '\n';
      length += line.size();
    } else if (length > 0) {
      text += padding(length) + "\n";
      length = 0;
    }
  }
  return text + padding(length);
}

// The characters other than line feeds come in whole blocks of 50.
void check_blocks(const std::string& genome) {
  FUZZ_CHECK(genome.find('>') == std::string::npos);
  const std::size_t feeds = static_cast<std::size_t>(std::count(genome.begin(), genome.end(), '\n'));
  FUZZ_CHECK((genome.size() - feeds) % 50 == 0);
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choices = input.byte();
  const bool single_file = (choices & 1) != 0;

  const std::string genome_path = scratch_path("genome.txt");
  Result<std::unique_ptr<OutputFile>> output = OutputFile::create(genome_path, OutputFile::Mode::InPlace);
  FUZZ_CHECK(output.ok(), output.failure().message);

  std::string expected;
  if (single_file) {
    const std::string file(input.rest());
    LineReader reader = memory_reader(file, "chromosomes");
    const Status joined = join_single_file(*output.value(), reader);
    FUZZ_CHECK(joined.ok(), joined.failure().message);
    expected = joined_from_one_file(file);
  } else {
    // Files separated by 0xFF bytes; one of them, now and then, is missing.
    const std::size_t file_count = (choices >> 1) & 7;
    const std::size_t missing = (choices >> 4) & 7;
    const int count_kind = input.pick(4);
    std::vector<std::string> files;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < file_count; ++i) {
      files.emplace_back(input.text_until('\xFF', 1 << 16));
      names.push_back(scratch_path("chromosome" + std::to_string(i) + ".fa"));
      if (i == missing) {
        ::unlink(names.back().c_str());
      } else {
        write_file(names.back(), files.back());
      }
    }
    const double whole = static_cast<double>(file_count);
    // A fractional count, 0, the number of files, or 1 (a line feed left
    // out after the first chromosome).
    const double number_value = count_kind == 0   ? whole + 0.5
                                : count_kind == 1 ? 0.0
                                : count_kind == 2 ? whole
                                                  : 1.0;
    const std::optional<JoinStop> stop = join_separate_files(*output.value(), names, number_value);
    const std::size_t opened = missing < file_count ? missing : file_count;
    if (missing < file_count) {
      FUZZ_CHECK(stop.has_value() && stop->index == missing && !stop->opened);
    } else {
      FUZZ_CHECK(!stop.has_value(), stop->failure.message);
    }
    expected = joined_separately(files, opened, number_value);
  }
  const Status committed = output.value()->commit();
  FUZZ_CHECK(committed.ok(), committed.failure().message);
  const std::string genome = read_file(genome_path);
  FUZZ_CHECK(genome == expected);
  check_blocks(genome);
  return 0;
}
