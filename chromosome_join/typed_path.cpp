#include "chromosome_join/typed_path.h"

#include "genome/package_paths.h"

namespace vesmar {

namespace {

bool is_trailing_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\n'; }

}  // namespace

std::string typed_file_path(std::string_view folder, std::string_view typed) {
  std::size_t end = typed.size();
  while (end > 0 && is_trailing_space(typed[end - 1])) --end;
  return path_in(folder, typed.substr(0, end));
}

}  // namespace vesmar
