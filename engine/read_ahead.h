#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "engine/byte_source.h"

namespace vesmar {

// Reads a ByteSource in blocks, on a thread of its own (Mode::Thread) or
// only when a block is asked for (Mode::Inline).
//
// The scanners read files of hundreds of megabytes, the importer gigabytes,
// and decompressing a gzip file costs more than parsing it: on a thread of
// its own the reading (the kernel's copy, or the decoding) runs beside the
// parsing instead of before it. The blocks are small and reused in a ring,
// so that they stay in the processors' caches and their pages stay mapped: a
// file mapped into memory instead costs a page fault every few pages, which
// is dear on some virtual machines. The two threads wait for each other only
// when the ring is full or empty. Pipes and terminals are read inline, since
// a thread waiting on them could not be stopped.
//
// Every block has room before it (kCarryRoom bytes), where a reader may put
// the start of a line that the block before ended with, and kScanSlack
// readable bytes after it, so that byte scanners may read whole words past
// its end.
class ReadAhead {
 public:
  enum class Mode { Inline, Thread };
  static constexpr std::size_t kDefaultBlockSize = std::size_t{64} << 10;
  static constexpr std::size_t kCarryRoom = std::size_t{16} << 10;

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
  std::string failure_reason() const { return source_->failure_reason(); }

 private:
  static constexpr std::size_t kSlots = 16;
  enum class Ending { None, End, Failed };
  struct Filled {
    std::size_t size = 0;  // 0 only for the last block, which says how the source ended
    Ending ending = Ending::None;
  };

  void produce();
  // Reads block `index` into its slot.
  Filled fill(std::uint64_t index);
  char* data_of(std::uint64_t index) const { return slots_[index % kSlots].get() + kCarryRoom; }

  std::unique_ptr<ByteSource> source_;
  const std::size_t block_size_;
  std::array<std::unique_ptr<char[]>, kSlots> slots_;
  // Written by the reading side before it publishes the block, read by the
  // taking side after.
  std::array<Filled, kSlots> filled_;
  Ending source_ending_ = Ending::None;  // the reading side's own

  // Blocks filled, and blocks given back for filling again; the taking side
  // holds the two it took last, and those it has not given back yet.
  std::atomic<std::uint64_t> produced_{0};
  std::atomic<std::uint64_t> released_{0};
  std::atomic<bool> stopping_{false};
  std::uint64_t consumed_ = 0;  // the taking side's own
  std::thread thread_;
};

}  // namespace vesmar
