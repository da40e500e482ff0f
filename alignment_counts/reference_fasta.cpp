#include "alignment_counts/reference_fasta.h"

#include <string_view>

#include "common/line_reader.h"
#include "common/line_scan.h"

namespace vesmar {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view record_name(std::string_view header) {
  header.remove_prefix(1);  // ">"
  std::size_t end = 0;
  while (end < header.size() && !is_blank(header[end])) ++end;
  return header.substr(0, end);
}

char lowercase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads the file's lines in order until use_line(line) returns false.
template <class UseLine>
Status read_lines_while(const std::string& path, UseLine&& use_line) {
  Result<LineReader> reader = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  if (!reader.ok()) return reader.failure();
  bool going = true;
  return read_in_blocks(
      reader.value(),
      [&](const char* begin, const char* stop) {
        LineCursor cursor(begin, stop);
        const char* line;
        std::size_t length;
        while (going && cursor.next(line, length)) going = use_line(std::string_view(line, length));
        return going;
      },
      [&](std::string_view last) {
        if (going) use_line(last);
      });
}

}  // namespace

Result<std::vector<ReferenceRecord>> list_reference_records(const std::string& path) {
  std::vector<ReferenceRecord> records;
  const Status read = read_lines_while(path, [&](std::string_view line) {
    if (line.starts_with('>')) {
      records.push_back({std::string(record_name(line)), 0});
    } else if (!records.empty()) {
      std::int64_t bases = 0;
      for (char c : line) bases += is_blank(c) ? 0 : 1;
      records.back().length += bases;
    }
    return true;
  });
  if (!read.ok()) return read.failure();
  return records;
}

Result<std::string> read_reference_sequence(const std::string& path, std::size_t index, std::int64_t length) {
  std::string sequence;
  sequence.reserve(static_cast<std::size_t>(length));
  std::size_t headers = 0;
  const Status read = read_lines_while(path, [&](std::string_view line) {
    if (line.starts_with('>')) return ++headers <= index + 1;
    if (headers == index + 1) {
      for (char c : line) {
        if (!is_blank(c)) sequence += lowercase(c);
      }
    }
    return true;
  });
  if (!read.ok()) return read.failure();
  return sequence;
}

}  // namespace vesmar
