#include "common/read_ahead.h"

#include <algorithm>
#include <cstring>

#include "common/line_scan.h"

namespace vesmar {

ReadAhead::ReadAhead(std::unique_ptr<ByteSource> source, Mode mode, std::size_t block_size)
    : source_(std::move(source)),
      block_size_(block_size),
      carry_room_(std::max<std::size_t>(block_size / 16, 64)) {
  for (auto& slot : slots_) slot.reset(new char[carry_room_ + block_size_ + kScanSlack]);
  if (mode == Mode::Thread) thread_ = std::thread([this] { produce(); });
}

ReadAhead::~ReadAhead() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  freed_.notify_all();
  thread_.join();
}

ReadAhead::Filled ReadAhead::fill(std::uint64_t index, Ending ending) {
  char* const data = data_of(index);
  Filled filled{0, ending};
  while (filled.ending == Ending::None && filled.size < block_size_) {
    const ssize_t got = source_->read(data + filled.size, block_size_ - filled.size);
    if (got > 0) {
      filled.size += static_cast<std::size_t>(got);
    } else {
      filled.ending = got == 0 ? Ending::End : Ending::Failed;
    }
  }
  // What lies behind the bytes is read by byte scanners but never used;
  // keep it defined.
  std::memset(data + filled.size, 0, kScanSlack);
  return filled;
}

void ReadAhead::record(std::uint64_t index, const Filled& filled) {
  sizes_[index % kSlots] = filled.size;
  if (filled.ending != Ending::None && ending_ == Ending::None) {
    ending_ = filled.ending;
    // The bytes read before the end or a failure come first, in a block of
    // their own.
    ending_index_ = filled.size > 0 ? index + 1 : index;
  }
}

void ReadAhead::produce() {
  Ending ending = Ending::None;
  for (std::uint64_t index = 0;; ++index) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      freed_.wait(lock, [&] { return stopping_ || index < released_ + kSlots; });
      if (stopping_) return;
    }
    const Filled filled = fill(index, ending);
    ending = filled.ending;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      record(index, filled);
      produced_ = index + 1;
    }
    filled_.notify_one();
    if (ending != Ending::None && filled.size == 0) return;
  }
}

ReadAhead::Block ReadAhead::next() {
  const std::uint64_t index = consumed_;
  std::uint64_t ending_index;
  Ending ending;
  if (thread_.joinable()) {
    std::unique_lock<std::mutex> lock(mutex_);
    // The block before the one before this is done with.
    if (index >= 2 && released_ < index - 1) {
      released_ = index - 1;
      freed_.notify_one();
    }
    filled_.wait(lock, [&] { return produced_ > index; });
    ending_index = ending_index_;
    ending = ending_;
  } else {
    if (index < ending_index_) record(index, fill(index, ending_));
    ending_index = ending_index_;
    ending = ending_;
  }
  Block block;
  if (index >= ending_index) {
    block.failed = ending == Ending::Failed;
    return block;
  }
  ++consumed_;
  block.data = data_of(index);
  block.size = sizes_[index % kSlots];
  return block;
}

}  // namespace vesmar
