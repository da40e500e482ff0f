#include "common/mapped_windows.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "common/line_reader.h"
#include "common/line_scan.h"

namespace vesmar {

namespace {
constexpr std::uint64_t kWindow = std::uint64_t{2} << 20;
}

MappedWindows::MappedWindows(LineReader& reader) {
  fd_ = reader.mappable_descriptor();
  if (fd_ < 0) return;
  struct stat status;
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return;
  const off_t at = ::lseek(fd_, 0, SEEK_CUR);
  if (at < 0) return;
  offset_ = static_cast<std::uint64_t>(at);
  done_ = false;
}

MappedWindows::~MappedWindows() {
  unmap();
  if (!done_) hand_back();
}

void MappedWindows::unmap() {
  if (map_ != nullptr) ::munmap(map_, kWindow);
  map_ = nullptr;
}

void MappedWindows::hand_back() {
  done_ = true;
  ::lseek(fd_, static_cast<off_t>(offset_), SEEK_SET);
}

bool MappedWindows::next() {
  if (done_) return false;
  if (stop_ != nullptr) {
    offset_ += static_cast<std::uint64_t>(stop_ - begin_);
    stop_ = begin_ = nullptr;
  }
  unmap();
  static const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  const std::uint64_t start = offset_ - offset_ % page;
  // Only where a whole window lies before the end of the file, as it is now:
  // bytes of a mapping that a file no longer has cannot be read at all, so a
  // file cut short while it is read is left to the buffer, which sees the
  // end of the file where it now is.
  struct stat status;
  if (::fstat(fd_, &status) != 0 || static_cast<std::uint64_t>(status.st_size) < start + kWindow) {
    hand_back();
    return false;
  }
  void* map = ::mmap(nullptr, kWindow, PROT_READ, MAP_PRIVATE, fd_,
                     static_cast<off_t>(start));
  if (map == MAP_FAILED) {
    hand_back();
    return false;
  }
  map_ = map;
  const char* base = static_cast<const char*>(map);
  const char* from = base + (offset_ - start);
  const char* limit = base + kWindow - kScanSlack;
  const void* last_feed = from < limit ? ::memrchr(from, '\n', static_cast<std::size_t>(limit - from)) : nullptr;
  if (last_feed == nullptr) {
    unmap();
    hand_back();
    return false;
  }
  begin_ = from;
  stop_ = static_cast<const char*>(last_feed) + 1;
  return true;
}

}  // namespace vesmar
