#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

namespace vesmar {

// Writes all `size` bytes at `data` to `fd`, again after an interruption
// or a short write; 0, or the error number of the write that failed.
int write_all(int fd, const char* data, std::size_t size);

// Writes a file's buffers on a thread of its own, one at a time, in the
// order they are handed over.
//
// The scanners write reports of up to gigabytes, and copying the bytes into
// the kernel's page cache can cost as much as making them: on a virtual
// machine that gives freed memory back to its host, every new page of the
// cache is first a fault on the host. On a thread of its own that copy runs
// beside the work that fills the next buffer.
class WriteBehind {
 public:
  explicit WriteBehind(int fd);
  // Waits for the bytes handed over.
  ~WriteBehind();
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;

  // Waits until the bytes handed over before are written, then hands over
  // `size` bytes at `data`, which must stay as they are until the next
  // start() or wait() returns. Returns the error number of a failed write
  // before (the bytes are then not handed over), or 0.
  int start(const char* data, std::size_t size);
  // Waits until the bytes handed over are written. Returns the error number
  // of the first write that failed, or 0; after a failure nothing more is
  // written.
  int wait();

 private:
  void run();

  const int fd_;
  // Set by the handing side before it counts the hand-over.
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  // Set by the writing thread before it counts the buffer done.
  int error_number_ = 0;
  std::atomic<std::uint64_t> handed_{0};
  std::atomic<std::uint64_t> done_{0};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace vesmar
