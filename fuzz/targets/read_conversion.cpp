// The conversion of one read file in each of the three formats, whatever the
// bytes: the reads file holds, for every line of the file (as an editor shows
// them), the line's read cut to 32 bytes with A-Z lowered and "." turned into
// "n", and a line feed, where the read is
//   gseq   field 9 of a line of exactly 11 white-space separated fields (a
//          leading blank makes an empty first field) whose field 11 reads as
//          the number 1;
//   fastq  the second line of every four, counted on from the state the
//          previous file left;
//   fasta  every line without ">";
// and the line count and the FASTQ state come out as the lines say. A file
// that starts like gzip is read as the text it decompresses to; the decoder
// gives the same text whether it is fed its input in small blocks or large
// ones (before damage, the smaller blocks may leave the text shorter), and
// on damage the reads are those of the whole lines before it.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/line_reader.h"
#include "engine/number_reader.h"
#include "engine/output_file.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "engine/gzip_source.h"
#include "reads_importer/read_file_conversion.h"

namespace vesmar::fuzz {
namespace {

bool is_field_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The fields of a gseq line, split the plain way.
std::vector<std::string_view> gseq_fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    std::size_t end = at;
    while (end < line.size() && !is_field_space(line[end])) ++end;
    fields.push_back(line.substr(at, end - at));
    at = end;
    while (at < line.size() && is_field_space(line[at])) ++at;
  }
  return fields;
}

std::string normalised(std::string_view read) {
  std::string text(read.substr(0, 32));
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '.') c = 'n';
  }
  return text + "\n";
}

// The text a gzip file decompresses to, fed to the decoder `block` bytes at a
// time, and whether the decoder failed on the way.
struct Decoded {
  std::string text;
  bool failed = false;
};

Decoded decompressed(std::string_view file, std::size_t block) {
  Decoded decoded;
  GzipSource source(std::make_unique<FileSource>(memory_file(file)), block);
  std::vector<char> bytes(std::size_t{1} << 20);
  for (;;) {
    const ssize_t got = source.read(bytes.data(), bytes.size());
    if (got == 0) break;
    if (got < 0) {
      decoded.failed = true;
      break;
    }
    decoded.text.append(bytes.data(), static_cast<std::size_t>(got));
  }
  return decoded;
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choices = input.byte();
  const ReadFormat format = choices % 3 == 0   ? ReadFormat::gseq
                            : choices % 3 == 1 ? ReadFormat::fastq
                                               : ReadFormat::fasta;
  const int fastq_line_before = (choices >> 2) & 3;
  // One input in four is read in blocks of 64 to 319 bytes, so that block
  // boundaries fall all through it.
  const bool small_blocks = (choices & 0xC0) == 0xC0;
  const std::size_t gzip_block = 1 + input.byte() % 64;
  const std::size_t block = small_blocks ? 64 + std::size_t{input.byte()} : ReadAhead::kDefaultBlockSize;
  const std::string_view text = input.rest();

  const std::string input_path = scratch_path("reads.in");
  write_file(input_path, text);
  const bool gzip = starts_like_gzip(std::string_view(text).substr(0, 2));
  const Decoded decoded =
      gzip ? decompressed(text, GzipSource::kInputBlock) : Decoded{std::string(text), false};
  if (gzip) {
    const Decoded in_small_blocks = decompressed(text, gzip_block);
    FUZZ_CHECK(in_small_blocks.failed == decoded.failed);
    if (decoded.failed) {
      FUZZ_CHECK(decoded.text.starts_with(in_small_blocks.text),
                 std::to_string(in_small_blocks.text.size()) + " bytes in small blocks, " +
                     std::to_string(decoded.text.size()) + " in large ones");
    } else {
      FUZZ_CHECK(in_small_blocks.text == decoded.text);
    }
  }

  const std::string path = scratch_path("reads.txt");
  Result<std::unique_ptr<OutputFile>> output = OutputFile::create(path, OutputFile::Mode::InPlace);
  FUZZ_CHECK(output.ok(), output.failure().message);
  Result<LineReader> reader = LineReader::open(input_path, LineReader::Decoding::GzipByMagic, block);
  FUZZ_CHECK(reader.ok(), reader.failure().message);
  ConversionState state{format, fastq_line_before};
  const FileConversion conversion = convert_file(reader.value(), state, *output.value());
  FUZZ_CHECK(conversion.read_failure.has_value() == decoded.failed);
  const Status committed = output.value()->commit();
  FUZZ_CHECK(committed.ok(), committed.failure().message);

  std::string expected;
  int fastq_line = fastq_line_before;
  // A read failure ends the file at a whole line before the damage.
  std::vector<std::string_view> lines = decoded.failed ? pieces(decoded.text) : editor_lines(decoded.text);
  if (decoded.failed) {
    lines.pop_back();
    FUZZ_CHECK(conversion.lines <= lines.size());
    lines.resize(conversion.lines);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // In FASTQ and FASTA a carriage return before a line feed ends the line.
    std::string_view line = lines[i];
    const bool ends_with_feed = decoded.failed || i + 1 < lines.size() || decoded.text.ends_with('\n');
    if (format != ReadFormat::gseq && ends_with_feed && line.ends_with('\r')) line.remove_suffix(1);
    switch (format) {
      case ReadFormat::gseq: {
        const std::vector<std::string_view> fields = gseq_fields(line);
        if (fields.size() == 11 && read_leading_decimal(fields[10]) == 1.0) expected += normalised(fields[8]);
        break;
      }
      case ReadFormat::fastq:
        fastq_line = fastq_line + 1 == 4 ? 0 : fastq_line + 1;
        if (fastq_line == 2) expected += normalised(line);
        break;
      case ReadFormat::fasta:
        if (line.find('>') == std::string_view::npos) expected += normalised(line);
        break;
    }
  }
  FUZZ_CHECK(conversion.lines == lines.size());
  FUZZ_CHECK(state.fastq_line == fastq_line, std::to_string(state.fastq_line) + " left, " + std::to_string(fastq_line) + " expected");
  FUZZ_CHECK(read_file(path) == expected);
  return 0;
}
