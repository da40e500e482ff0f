#include "engine/write_behind.h"

#include <unistd.h>

#include <cerrno>

namespace vesmar {

int write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(fd, data, size);
    if (done < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += done;
    size -= static_cast<std::size_t>(done);
  }
  return 0;
}

WriteBehind::WriteBehind(int fd) : fd_(fd), thread_([this] { run(); }) {}

WriteBehind::~WriteBehind() {
  wait();
  stopping_.store(true, std::memory_order_release);
  // A change of handed_ wakes the thread, which then sees stopping_.
  handed_.fetch_add(1, std::memory_order_release);
  handed_.notify_one();
  thread_.join();
}

int WriteBehind::start(const char* data, std::size_t size) {
  if (const int error_number = wait(); error_number != 0) return error_number;
  data_ = data;
  size_ = size;
  handed_.fetch_add(1, std::memory_order_release);
  handed_.notify_one();
  return 0;
}

int WriteBehind::wait() {
  const std::uint64_t handed = handed_.load(std::memory_order_relaxed);
  for (std::uint64_t done; (done = done_.load(std::memory_order_acquire)) != handed;) {
    done_.wait(done, std::memory_order_acquire);
  }
  return error_number_;
}

void WriteBehind::run() {
  for (std::uint64_t written = 0;;) {
    std::uint64_t handed;
    while ((handed = handed_.load(std::memory_order_acquire)) == written) {
      handed_.wait(handed, std::memory_order_acquire);
    }
    if (stopping_.load(std::memory_order_acquire)) return;
    if (error_number_ == 0) error_number_ = write_all(fd_, data_, size_);
    written = handed;
    done_.store(written, std::memory_order_release);
    done_.notify_one();
  }
}

}  // namespace vesmar
