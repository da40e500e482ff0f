#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "common/byte_source.h"

namespace vesmar {

// Reads a ByteSource in blocks, on a thread of its own (Mode::Thread) or
// only when a block is asked for (Mode::Inline).
//
// The scanners read files of hundreds of megabytes, the importer gigabytes,
// and decompressing a gzip file costs more than parsing it: on a thread of
// its own the reading (the kernel's copy, or the decoding) runs beside the
// parsing instead of before it. The blocks are reused, so that their pages
// stay mapped and in the processor's tables: a file mapped into memory
// instead costs a page fault for every few pages, which is dear on some
// virtual machines. Pipes and terminals are read inline, since a thread
// waiting on them could not be stopped.
//
// Every block has room before it (carry_room() bytes), where a reader may
// put the start of a line that the block before ended with, and kScanSlack
// readable bytes after it, so that byte scanners may read whole words past
// its end.
class ReadAhead {
 public:
  enum class Mode { Inline, Thread };
  static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 20;

  ReadAhead(std::unique_ptr<ByteSource> source, Mode mode, std::size_t block_size = kDefaultBlockSize);
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  struct Block {
    char* data = nullptr;
    std::size_t size = 0;  // 0 at the end of the bytes, and after a failure
    bool failed = false;   // the source failed; failure_reason() tells why
  };

  // The next block of bytes. The block before it stays as it is until the
  // call after this one, so that its last bytes can be copied in front of
  // this one.
  Block next();
  std::size_t carry_room() const { return carry_room_; }
  std::string failure_reason() const { return source_->failure_reason(); }

 private:
  static constexpr std::size_t kSlots = 4;
  enum class Ending { None, End, Failed };

  struct Filled {
    std::size_t size;
    Ending ending;  // the source ended or failed after these bytes
  };

  void produce();
  // Reads block `index` into its slot, unless the source has already
  // `ending`.
  Filled fill(std::uint64_t index, Ending ending);
  // Takes note of what fill() gave (under the lock when on a thread).
  void record(std::uint64_t index, const Filled& filled);
  char* data_of(std::uint64_t index) const { return slots_[index % kSlots].get() + carry_room_; }

  std::unique_ptr<ByteSource> source_;
  const std::size_t block_size_;
  const std::size_t carry_room_;
  std::array<std::unique_ptr<char[]>, kSlots> slots_;
  std::array<std::size_t, kSlots> sizes_{};
  // How the source ended, and the block that says so (read under the lock
  // when on a thread).
  Ending ending_ = Ending::None;
  std::uint64_t ending_index_ = UINT64_MAX;

  // Blocks filled, handed out, and given back for filling again.
  std::mutex mutex_;
  std::condition_variable filled_;
  std::condition_variable freed_;
  std::uint64_t produced_ = 0;
  std::uint64_t consumed_ = 0;
  std::uint64_t released_ = 0;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vesmar
