#include "engine/read_ahead.h"

#include <cstring>

#include "engine/line_scan.h"

namespace vesmar {

ReadAhead::ReadAhead(std::unique_ptr<ByteSource> source, Mode mode, std::size_t block_size)
    : source_(std::move(source)), block_size_(block_size) {
  for (auto& slot : slots_) slot.reset(new char[kCarryRoom + block_size_ + kScanSlack]);
  if (mode == Mode::Thread) thread_ = std::thread([this] { produce(); });
}

ReadAhead::~ReadAhead() {
  if (!thread_.joinable()) return;
  stopping_.store(true, std::memory_order_release);
  // A change of released_ wakes the reading thread if it waits for room.
  released_.fetch_add(1, std::memory_order_release);
  released_.notify_all();
  thread_.join();
}

ReadAhead::Filled ReadAhead::fill(std::uint64_t index) {
  char* const data = data_of(index);
  Filled filled;
  while (source_ending_ == Ending::None && filled.size < block_size_) {
    const ssize_t got = source_->read(data + filled.size, block_size_ - filled.size);
    if (got > 0) {
      filled.size += static_cast<std::size_t>(got);
    } else {
      source_ending_ = got == 0 ? Ending::End : Ending::Failed;
    }
  }
  // The bytes read before the end or a failure come first, in a block of
  // their own; the block after them says how the source ended.
  if (filled.size == 0) filled.ending = source_ending_;
  // What lies behind the bytes is read by byte scanners but never used;
  // keep it defined.
  std::memset(data + filled.size, 0, kScanSlack);
  return filled;
}

void ReadAhead::produce() {
  for (std::uint64_t index = 0;; ++index) {
    for (;;) {
      const std::uint64_t released = released_.load(std::memory_order_acquire);
      if (stopping_.load(std::memory_order_acquire)) return;
      if (index < released + kSlots) break;
      released_.wait(released, std::memory_order_acquire);
    }
    const Filled filled = fill(index);
    filled_[index % kSlots] = filled;
    produced_.store(index + 1, std::memory_order_release);
    produced_.notify_one();
    if (filled.size == 0) return;
  }
}

ReadAhead::Block ReadAhead::next() {
  const std::uint64_t index = consumed_;
  if (thread_.joinable()) {
    // The blocks before the one before this are done with. They are given
    // back half a ring at a time, so that a reading thread that waits for
    // room (the parsing being the slower) wakes once to fill many blocks,
    // not once for each.
    if (index >= 2 && index - 1 >= released_.load(std::memory_order_relaxed) + kSlots / 2) {
      released_.store(index - 1, std::memory_order_release);
      released_.notify_one();
    }
    for (std::uint64_t produced; (produced = produced_.load(std::memory_order_acquire)) <= index;) {
      produced_.wait(produced, std::memory_order_acquire);
    }
  } else {
    filled_[index % kSlots] = fill(index);
  }
  const Filled& filled = filled_[index % kSlots];
  Block block;
  if (filled.size == 0) {
    // The last block: every later call is answered the same.
    block.failed = filled.ending == Ending::Failed;
    return block;
  }
  ++consumed_;
  block.data = data_of(index);
  block.size = filled.size;
  return block;
}

}  // namespace vesmar
