#include "reads_importer/read_file_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "common/input_file.h"
#include "reads_importer/gzip_source.h"

namespace vesmar {

namespace {

constexpr std::size_t kMagicLength = 2;

// A plain text read from a pipe whose first bytes were taken to see whether
// it is compressed: those bytes first, then the rest of the pipe.
class TakenStartSource : public ByteSource {
 public:
  TakenStartSource(int fd, std::string taken, int error_number)
      : fd_(fd), taken_(std::move(taken)), error_number_(error_number) {}
  ~TakenStartSource() override { ::close(fd_); }
  TakenStartSource(const TakenStartSource&) = delete;
  TakenStartSource& operator=(const TakenStartSource&) = delete;

  ssize_t read(char* into, std::size_t room) override {
    if (given_ < taken_.size()) {
      const std::size_t count = std::min(room, taken_.size() - given_);
      std::memcpy(into, taken_.data() + given_, count);
      given_ += count;
      return static_cast<ssize_t>(count);
    }
    if (error_number_ != 0) return -1;
    for (;;) {
      const ssize_t got = ::read(fd_, into, room);
      if (got >= 0 || errno != EINTR) {
        if (got < 0) error_number_ = errno;
        return got;
      }
    }
  }
  std::string failure_reason() const override { return error_text(error_number_); }

 private:
  int fd_;
  std::string taken_;
  std::size_t given_ = 0;
  int error_number_;
};

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

}  // namespace

Result<LineReader> open_read_file(const std::string& path) {
  Result<int> opened = open_for_reading(path);
  if (!opened.ok()) return opened.failure();
  const int fd = opened.value();

  // A file that can be read at any place is looked at without moving: a
  // plain one is then read exactly as before, and one that cannot be read
  // shows its read error when its lines are read, as any file does.
  char start[kMagicLength];
  ssize_t got;
  do {
    got = ::pread(fd, start, kMagicLength, 0);
  } while (got < 0 && errno == EINTR);
  if (got >= 0 || errno != ESPIPE) {
    if (got == static_cast<ssize_t>(kMagicLength) &&
        starts_like_gzip(std::string_view(start, kMagicLength))) {
      return LineReader(std::make_unique<GzipSource>(fd, ""), path);
    }
    return LineReader(fd, path);
  }

  // A pipe: its first bytes must be taken to be seen, and are handed on.
  int error_number = 0;
  std::string taken = take_start(fd, error_number);
  if (error_number == 0 && starts_like_gzip(taken)) {
    return LineReader(std::make_unique<GzipSource>(fd, taken), path);
  }
  return LineReader(std::make_unique<TakenStartSource>(fd, std::move(taken), error_number), path);
}

}  // namespace vesmar
