#include "engine/line_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/gzip_source.h"
#include "engine/input_file.h"

namespace vesmar {

namespace {

constexpr std::size_t kMagicLength = 2;

// Takes up to kMagicLength bytes from a pipe; sets `error_number` when it
// cannot be read.
std::string take_start(int fd, int& error_number) {
  std::string taken;
  char bytes[kMagicLength];
  while (taken.size() < kMagicLength) {
    const ssize_t got = ::read(fd, bytes, kMagicLength - taken.size());
    if (got > 0) {
      taken.append(bytes, static_cast<std::size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      error_number = errno;
      break;
    }
  }
  return taken;
}

// The source of a file whose first bytes tell whether it is compressed. A
// file that can be read at any place is looked at without moving, so that a
// plain one is then read exactly as it stands, and one that cannot be read
// shows its read error when its lines are read, as any file does. A pipe's
// first bytes must be taken to be seen, and are handed on.
std::unique_ptr<ByteSource> decoding_source(int fd) {
  char start[kMagicLength];
  ssize_t got;
  do {
    got = ::pread(fd, start, kMagicLength, 0);
  } while (got < 0 && errno == EINTR);
  if (got >= 0 || errno != ESPIPE) {
    if (got == static_cast<ssize_t>(kMagicLength) && starts_like_gzip(std::string_view(start, kMagicLength))) {
      return std::make_unique<GzipSource>(std::make_unique<FileSource>(fd));
    }
    return std::make_unique<FileSource>(fd);
  }
  int error_number = 0;
  std::string taken = take_start(fd, error_number);
  if (error_number == 0 && starts_like_gzip(taken)) {
    return std::make_unique<GzipSource>(std::make_unique<FileSource>(fd, std::move(taken)));
  }
  // A pipe that cannot be read shows its error again when the lines are.
  return std::make_unique<FileSource>(fd, std::move(taken));
}

// The bytes of `fd` as a reader with `decoding` takes them.
std::unique_ptr<ByteSource> source_for(int fd, LineReader::Decoding decoding) {
  return decoding == LineReader::Decoding::GzipByMagic ? decoding_source(fd) : std::make_unique<FileSource>(fd);
}

}  // namespace

Result<LineReader> LineReader::open(const std::string& path, Decoding decoding, std::size_t block_size) {
  Result<int> opened = open_for_reading(path);
  if (!opened.ok()) return opened.failure();
  const int fd = opened.value();
  struct stat status;
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  return LineReader(source_for(fd, decoding), path, regular ? ReadAhead::Mode::Thread : ReadAhead::Mode::Inline,
                    block_size);
}

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::string name, ReadAhead::Mode mode,
                       std::size_t block_size)
    : name_(std::move(name)), blocks_(std::make_unique<ReadAhead>(std::move(source), mode, block_size)) {}

void LineReader::append_to_long_line(const char* begin, const char* end) {
  const auto size = static_cast<std::size_t>(end - begin);
  if (long_line_.size() < long_line_size_ + size + kScanSlack) {
    long_line_.resize(2 * (long_line_size_ + size + kScanSlack));
  }
  if (size > 0) std::memcpy(long_line_.data() + long_line_size_, begin, size);
  long_line_size_ += size;
  std::memset(long_line_.data() + long_line_size_, 0, kScanSlack);
}

LineReader::Next LineReader::next_lines(const char*& begin, const char*& stop) {
  const Next next = next_stretch(begin, stop);
  if (next == Next::Lines && !first_line_seen_) [[unlikely]] look_at_first_line(begin, stop);
  return next;
}

// The first stretch starts where the file does, and ends with a line feed.
void LineReader::look_at_first_line(const char* begin, const char* stop) {
  first_line_seen_ = true;
  const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(stop - begin)));
  windows_line_ends_ = feed != nullptr && feed > begin && feed[-1] == '\r';
}

LineReader::Next LineReader::next_stretch(const char*& begin, const char*& stop) {
  for (;;) {
    if (unread_begin_ == unread_end_) {
      const ReadAhead::Block block = blocks_->next();
      if (block.failed) return Next::ReadError;
      if (block.size == 0) return Next::End;
      char* data = block.data;
      // The start of a line that the last block ended with goes in front of
      // this one, or, when it is too long for that, into the long line.
      const auto carried = static_cast<std::size_t>(carry_end_ - carry_begin_);
      if (in_long_line_) {
        // already there
      } else if (carried <= ReadAhead::kCarryRoom) {
        if (carried > 0) std::memcpy(data - carried, carry_begin_, carried);
        data -= carried;
      } else {
        long_line_size_ = 0;
        append_to_long_line(carry_begin_, carry_end_);
        in_long_line_ = true;
      }
      carry_begin_ = carry_end_ = nullptr;
      unread_begin_ = data;
      unread_end_ = block.data + block.size;
    }
    if (in_long_line_) {
      const auto* feed = static_cast<const char*>(
          std::memchr(unread_begin_, '\n', static_cast<std::size_t>(unread_end_ - unread_begin_)));
      if (feed == nullptr) {
        append_to_long_line(unread_begin_, unread_end_);
        unread_begin_ = unread_end_;
        continue;
      }
      append_to_long_line(unread_begin_, feed + 1);
      unread_begin_ = feed + 1;
      in_long_line_ = false;
      begin = long_line_.data();
      stop = begin + long_line_size_;
      return Next::Lines;
    }
    const auto* last_feed = static_cast<const char*>(
        ::memrchr(unread_begin_, '\n', static_cast<std::size_t>(unread_end_ - unread_begin_)));
    if (last_feed == nullptr) {
      // No line ends in this block: all of it is the start of a line.
      carry_begin_ = unread_begin_;
      carry_end_ = unread_end_;
      unread_begin_ = unread_end_;
      continue;
    }
    begin = unread_begin_;
    stop = last_feed + 1;
    carry_begin_ = stop;
    carry_end_ = unread_end_;
    unread_begin_ = unread_end_;
    return Next::Lines;
  }
}

std::string_view LineReader::last_piece() const {
  if (in_long_line_) return std::string_view(long_line_.data(), long_line_size_);
  return std::string_view(carry_begin_, static_cast<std::size_t>(carry_end_ - carry_begin_));
}

Failure LineReader::read_failure() const {
  return Failure::cannot_read("cannot read " + name_ + ": " + blocks_->failure_reason());
}

}  // namespace vesmar
