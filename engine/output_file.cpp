#include "engine/output_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace vesmar {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

// The folder part of a path, with its slash ("" for a bare name).
std::string folder_of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string base_name_of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permissions a file created with open(..., 0666) would get.
mode_t default_file_mode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

OutputFile::OutputFile(int fd, std::string path, std::string temporary_path, Writing writing)
    : fd_(fd),
      path_(std::move(path)),
      temporary_path_(std::move(temporary_path)),
      buffer_(new char[kBufferSize]),
      capacity_(kBufferSize),
      writing_(writing) {}

Result<std::unique_ptr<OutputFile>> OutputFile::create(const std::string& path, Mode mode, Writing writing) {
  if (mode == Mode::InPlace) {
    int fd;
    do {
      fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      int error_number = errno;
      return Failure::cannot_write("cannot create " + path + ": " + error_text(error_number), error_number);
    }
    return std::unique_ptr<OutputFile>(new OutputFile(fd, path, "", writing));
  }
  // A folder where the file should go could never be replaced: say so now,
  // before the work that would fill the file.
  struct stat status;
  if (!path.empty() && (path.back() == '/' || (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)))) {
    return Failure::cannot_write("cannot create " + path + ": " + error_text(EISDIR), EISDIR);
  }
  // A hidden name beside the report, so that the rename stays in one folder.
  std::string pattern = folder_of(path) + "." + base_name_of(path) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    int error_number = errno;
    return Failure::cannot_write("cannot create " + path + ": " + error_text(error_number), error_number);
  }
  ::fchmod(fd, default_file_mode());
  return std::unique_ptr<OutputFile>(new OutputFile(fd, path, std::string(name.data()), writing));
}

OutputFile::~OutputFile() {
  behind_.reset();
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_path_.empty()) ::unlink(temporary_path_.c_str());
}

void OutputFile::fill(char c, std::size_t count) {
  while (count > 0) {
    if (used_ == capacity_) flush_buffer();
    std::size_t run = std::min(count, capacity_ - used_);
    std::memset(buffer_.get() + used_, c, run);
    used_ += run;
    count -= run;
  }
}

void OutputFile::write_slow(std::string_view bytes) {
  flush_buffer();
  if (bytes.size() >= capacity_) {
    write_through(bytes.data(), bytes.size());
  } else {
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    used_ = bytes.size();
  }
}

void OutputFile::make_room(std::size_t size) {
  flush_buffer();
  // The buffer now being filled is not the one being written.
  if (size > capacity_) {
    buffer_.reset(new char[size]);
    capacity_ = size;
  }
}

void OutputFile::flush_buffer() {
  if (writing_ == Writing::InCaller) {
    write_through(buffer_.get(), used_);
    used_ = 0;
    return;
  }
  if (used_ == 0 || error_number_ != 0) {
    used_ = 0;
    return;
  }
  if (!behind_) {
    behind_ = std::make_unique<WriteBehind>(fd_);
    written_buffer_.reset(new char[capacity_]);
    written_capacity_ = capacity_;
  }
  if (const int error_number = behind_->start(buffer_.get(), used_); error_number != 0) {
    error_number_ = error_number;
  }
  std::swap(buffer_, written_buffer_);
  std::swap(capacity_, written_capacity_);
  used_ = 0;
}

void OutputFile::wait_for_writes() {
  if (!behind_) return;
  if (const int error_number = behind_->wait(); error_number != 0 && error_number_ == 0) {
    error_number_ = error_number;
  }
}

void OutputFile::write_through(const char* data, std::size_t size) {
  wait_for_writes();
  if (error_number_ == 0) error_number_ = write_all(fd_, data, size);
}

Failure OutputFile::failure(std::string_view action, int error_number) const {
  return Failure::cannot_write(std::string(action) + " " + path_ + ": " + error_text(error_number), error_number);
}

Status OutputFile::finish() {
  flush_buffer();
  wait_for_writes();
  if (error_number_ != 0) return failure("cannot write", error_number_);
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return failure("cannot write", errno);
  return {};
}

Status OutputFile::commit() {
  OutputFile* const file = this;
  return commit_together(std::span<OutputFile* const>(&file, 1));
}

namespace {

// How a finished file took its path, so that it can be put back.
enum class Placed { Exchanged, Renamed };

// Gives `temporary` the name `path`. An older file there trades places with
// it (it then stands at `temporary`), so that it can be put back.
Result<Placed> place(const std::string& temporary, const std::string& path) {
  // A folder that has come to stand at the path is no older file to trade.
  struct stat status;
  if (::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return Failure::cannot_write("", EISDIR);
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
    return Placed::Exchanged;
  }
  // No older file, or a file system that cannot trade places.
  if (errno != ENOENT && errno != EINVAL && errno != ENOSYS) return Failure::cannot_write("", errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return Failure::cannot_write("", errno);
  return Placed::Renamed;
}

void put_back(const std::string& temporary, const std::string& path, Placed placed) {
  if (placed == Placed::Exchanged) {
    ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE);
  } else {
    ::rename(path.c_str(), temporary.c_str());
  }
}

}  // namespace

Status commit_together(std::span<OutputFile* const> files) {
  for (OutputFile* file : files) {
    if (Status finished = file->finish(); !finished.ok()) return finished;
  }
  std::vector<Placed> placed(files.size(), Placed::Renamed);
  for (std::size_t i = 0; i < files.size(); ++i) {
    OutputFile& file = *files[i];
    if (file.temporary_path_.empty()) continue;  // written in place
    Result<Placed> done = place(file.temporary_path_, file.path_);
    if (!done.ok()) {
      // The files placed before this one go back to where they were.
      for (std::size_t j = i; j-- > 0;) {
        if (!files[j]->temporary_path_.empty()) put_back(files[j]->temporary_path_, files[j]->path_, placed[j]);
      }
      return file.failure("cannot replace", done.failure().error_number);
    }
    placed[i] = done.value();
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    // An older file that traded places now stands at the temporary name.
    if (!files[i]->temporary_path_.empty() && placed[i] == Placed::Exchanged) {
      ::unlink(files[i]->temporary_path_.c_str());
    }
    files[i]->committed_ = true;
  }
  return {};
}

}  // namespace vesmar
