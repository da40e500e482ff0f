#include "alignment_counts/reference_fasta.h"

#include <utility>

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

Result<LineReader> open_reference(const std::string& path) {
  return LineReader::open(path, LineReader::Decoding::GzipByMagic);
}

}  // namespace

Result<std::vector<ReferenceRecord>> list_reference_records(const std::string& path) {
  Result<LineReader> reader = open_reference(path);
  if (!reader.ok()) return reader.failure();
  std::vector<ReferenceRecord> records;
  const Status read = read_each_line(reader.value(), [&](std::string_view line) {
    if (line.starts_with('>')) {
      records.push_back({std::string(record_name(line)), 0});
    } else if (!records.empty()) {
      std::int64_t bases = 0;
      for (char c : line) bases += is_blank(c) ? 0 : 1;
      records.back().length += bases;
    }
  });
  if (!read.ok()) return read.failure();
  return records;
}

LineReader::Next ReferenceSequences::next_line(std::string_view& line) {
  for (;;) {
    const char* begin;
    std::size_t length;
    if (cursor_ && cursor_->next(begin, length)) {
      line = std::string_view(begin, length);
      return LineReader::Next::Lines;
    }
    cursor_.reset();
    if (ended_) return LineReader::Next::End;
    const char* stop;
    switch (reader_->next_lines(begin, stop)) {
      case LineReader::Next::Lines:
        cursor_.emplace(begin, stop);
        break;
      case LineReader::Next::End:
        ended_ = true;
        line = reader_->last_piece();
        return LineReader::Next::Lines;
      case LineReader::Next::ReadError:
        return LineReader::Next::ReadError;
    }
  }
}

Result<std::string> ReferenceSequences::read(std::size_t index, std::int64_t length) {
  if (!reader_ || index < unread_record_) {
    // Drop the old reader first: its read-ahead blocks need not be held
    // twice.
    reader_.reset();
    cursor_.reset();
    Result<LineReader> opened = open_reference(path_);
    if (!opened.ok()) return opened.failure();
    reader_.emplace(std::move(opened.value()));
    ended_ = false;
    headers_ = 0;
    unread_record_ = 0;
  }
  std::string sequence;
  sequence.reserve(static_cast<std::size_t>(length));
  std::string_view line;
  for (;;) {
    const LineReader::Next next = next_line(line);
    if (next == LineReader::Next::ReadError) {
      const Failure failure = reader_->read_failure();
      cursor_.reset();
      reader_.reset();
      return failure;
    }
    if (next == LineReader::Next::End) break;
    if (line.starts_with('>')) {
      // The next record's header ends this one: the reader stands at that
      // record's first sequence line.
      if (++headers_ > index + 1) break;
    } else if (headers_ == index + 1) {
      for (char c : line) {
        if (!is_blank(c)) sequence += lowercase(c);
      }
    }
  }
  unread_record_ = index + 1;
  return sequence;
}

}  // namespace vesmar
