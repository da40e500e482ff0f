#pragma once

#include <cstddef>
#include <cstdint>

namespace vesmar {

class LineReader;

// Large files are read through windows of memory mapped onto them rather than
// copied into a buffer: the scanners read a file of hundreds of megabytes,
// and the kernel's copy alone would cost a quarter of their time. Each
// window is handed out up to its last line feed, with the file's next bytes
// (at least 64, see line_scan.h) still mapped behind it; the next window
// begins with the line after it. The end of the file, where no such bytes
// follow, is left to the reader's blocks, as is a line longer than a window,
// and the whole file where mapping is not possible (a pipe, a decoded file,
// a reader that has begun) or fails.
class MappedWindows {
 public:
  explicit MappedWindows(LineReader& reader);
  ~MappedWindows();
  MappedWindows(const MappedWindows&) = delete;
  MappedWindows& operator=(const MappedWindows&) = delete;

  // Maps the next window; false when the rest is left to the reader, which
  // then stands at the first byte that no window gave.
  bool next();
  // The window's whole lines: [begin(), stop()) ends with a line feed.
  const char* begin() const { return begin_; }
  const char* stop() const { return stop_; }

 private:
  void unmap();
  void hand_back();

  int fd_ = -1;
  std::uint64_t offset_ = 0;  // the first byte not yet handed out
  void* map_ = nullptr;  // the current window (2 MiB)
  const char* begin_ = nullptr;
  const char* stop_ = nullptr;
  bool done_ = true;
};

}  // namespace vesmar
