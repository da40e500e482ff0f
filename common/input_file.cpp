#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vesmar {

Result<int> open_for_reading(const std::string& path) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  int error_number = errno;
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
  return Failure{"cannot open " + path + ": " + error_text(error_number), 1, error_number};
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
  if (path.find('\0') == std::string::npos) {
    if (::stat(path.c_str(), &info) == 0) return {};
    error_number = errno;
  }
  return Failure{"cannot find " + path + ": " + error_text(error_number), 1, error_number};
}

}  // namespace vesmar
