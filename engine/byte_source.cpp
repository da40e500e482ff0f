#include "engine/byte_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/failure.h"

namespace vesmar {

FileSource::FileSource(int fd, std::string taken) : fd_(fd), taken_(std::move(taken)) {}

FileSource::~FileSource() { ::close(fd_); }

ssize_t FileSource::read(char* into, std::size_t room) {
  if (given_ < taken_.size()) {
    const std::size_t count = std::min(room, taken_.size() - given_);
    std::memcpy(into, taken_.data() + given_, count);
    given_ += count;
    return static_cast<ssize_t>(count);
  }
  for (;;) {
    const ssize_t got = ::read(fd_, into, room);
    if (got >= 0) return got;
    if (errno != EINTR) {
      error_number_ = errno;
      return -1;
    }
  }
}

std::string FileSource::failure_reason() const { return error_text(error_number_); }

}  // namespace vesmar
