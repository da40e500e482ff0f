#include "common/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/input_file.h"
#include "common/line_scan.h"

namespace vesmar {

namespace {
constexpr std::size_t kBlockSize = std::size_t{1} << 20;
}

LineReader::LineReader(int fd, std::string name)
    : fd_(fd),
      name_(std::move(name)),
      buffer_(allocate(kBlockSize)),
      capacity_(kBlockSize),
      begin_(buffer_.get()),
      end_(buffer_.get()) {}

std::unique_ptr<char[]> LineReader::allocate(std::size_t capacity) {
  // The room behind the block lets the byte scanners read whole words.
  std::unique_ptr<char[]> block(new char[capacity + kScanSlack]);
  std::memset(block.get() + capacity, 0, kScanSlack);
  return block;
}

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::string name)
    : LineReader(-1, std::move(name)) {
  source_ = std::move(source);
}

LineReader::~LineReader() {
  if (fd_ >= 0) ::close(fd_);
}

LineReader::LineReader(LineReader&& other) noexcept
    : fd_(other.fd_),
      source_(std::move(other.source_)),
      name_(std::move(other.name_)),
      buffer_(std::move(other.buffer_)),
      capacity_(other.capacity_),
      begin_(other.begin_),
      end_(other.end_),
      at_end_(other.at_end_),
      finished_(other.finished_),
      terminated_(other.terminated_),
      error_number_(other.error_number_) {
  other.fd_ = -1;
  other.begin_ = other.end_ = nullptr;
}

Result<LineReader> LineReader::open(const std::string& path) {
  Result<int> fd = open_for_reading(path);
  if (!fd.ok()) return fd.failure();
  return LineReader(fd.value(), path);
}

Failure LineReader::read_failure() const {
  if (source_) return Failure{"cannot read " + name_ + ": " + source_->failure_reason(), 1};
  return Failure{"cannot read " + name_ + ": " + error_text(error_number_), 1};
}

bool LineReader::refill() {
  if (at_end_) return true;
  char* base = buffer_.get();
  std::size_t kept = end_ - begin_;
  if (begin_ != base) {
    std::memmove(base, begin_, kept);
  } else if (kept == capacity_) {
    // One line fills the whole block: make room for the rest of it.
    std::size_t grown = capacity_ * 2;
    std::unique_ptr<char[]> bigger = allocate(grown);
    std::memcpy(bigger.get(), base, kept);
    buffer_ = std::move(bigger);
    capacity_ = grown;
    base = buffer_.get();
  }
  begin_ = base;
  end_ = base + kept;
  for (;;) {
    ssize_t got =
        source_ ? source_->read(base + kept, capacity_ - kept) : ::read(fd_, base + kept, capacity_ - kept);
    if (got > 0) {
      end_ = base + kept + got;
      // What lies behind the new end is read by the byte scanners but never
      // used; keep it defined.
      std::memset(base + kept + got, 0, std::min<std::size_t>(kScanSlack, capacity_ - kept - got));
      return true;
    }
    if (got == 0) {
      at_end_ = true;
      return true;
    }
    if (source_) {
      error_number_ = EIO;
      return false;
    }
    if (errno != EINTR) {
      error_number_ = errno;
      return false;
    }
  }
}

Result<std::size_t> count_line_feeds(const std::string& path) {
  Result<LineReader> opened = LineReader::open(path);
  if (!opened.ok()) return opened.failure();
  std::size_t feeds = 0;
  Status status = read_in_blocks(
      opened.value(),
      [&](const char* begin, const char* stop) { feeds += count_line_feeds(begin, stop); },
      [](std::string_view) {});
  if (!status.ok()) return status.failure();
  return feeds;
}

}  // namespace vesmar
