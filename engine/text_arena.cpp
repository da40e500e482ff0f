#include "engine/text_arena.h"

#include <cstring>

namespace vesmar {

std::string_view TextArena::store(std::string_view text) {
  if (text.empty()) return std::string_view();
  if (text.size() > free_size_) {
    if (text.size() > kBlockSize / 4) {
      // A long text gets a block of its own; the current block stays open.
      blocks_.emplace_back(new char[text.size()]);
      std::memcpy(blocks_.back().get(), text.data(), text.size());
      return std::string_view(blocks_.back().get(), text.size());
    }
    blocks_.emplace_back(new char[kBlockSize]);
    free_ = blocks_.back().get();
    free_size_ = kBlockSize;
  }
  char* stored = free_;
  std::memcpy(stored, text.data(), text.size());
  free_ += text.size();
  free_size_ -= text.size();
  return std::string_view(stored, text.size());
}

}  // namespace vesmar
