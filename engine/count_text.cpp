#include "engine/count_text.h"

namespace vesmar {

std::string count_text(std::int64_t count, std::string_view one, std::string_view many) {
  std::string text = std::to_string(count);
  text += ' ';
  text += count == 1 ? one : many;
  return text;
}

}  // namespace vesmar
