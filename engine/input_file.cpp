#include "engine/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vesmar {

namespace {

// The system reads a path up to its first NUL byte, so a path that holds one
// would name another file, the one its start names.
bool is_cut_short(const std::string& path) { return path.find('\0') != std::string::npos; }

}  // namespace

Result<int> open_for_reading(const std::string& path) {
  int fd = -1;
  int error_number = ENOENT;
  if (!is_cut_short(path)) {
    do {
      fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    error_number = errno;
  }
  if (fd >= 0) {
    struct stat info;
    if (::fstat(fd, &info) != 0) {
      error_number = errno;
    } else if (S_ISDIR(info.st_mode)) {
      error_number = EISDIR;
    } else {
      return fd;
    }
    ::close(fd);
  }
  std::string message = "cannot open " + path + ": " + error_text(error_number);
  if (error_number == ENOENT) return Failure::not_found(std::move(message), error_number);
  return Failure::cannot_read(std::move(message), error_number);
}

Status check_can_open_for_reading(const std::string& path) {
  Result<int> fd = open_for_reading(path);
  if (!fd.ok()) return fd.failure();
  ::close(fd.value());
  return {};
}

Status check_exists(const std::string& path) {
  struct stat info;
  int error_number = ENOENT;
  if (!is_cut_short(path)) {
    if (::stat(path.c_str(), &info) == 0) return {};
    error_number = errno;
  }
  return Failure::not_found("cannot find " + path + ": " + error_text(error_number), error_number);
}

}  // namespace vesmar
