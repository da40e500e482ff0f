#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace vesmar {

// Holds many short texts (names, sequences) in large blocks, so that a table
// of hundreds of thousands of them costs their bytes, not an allocation each.
// A stored text stays where it is until the arena goes.
class TextArena {
 public:
  std::string_view store(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t free_size_ = 0;
};

}  // namespace vesmar
