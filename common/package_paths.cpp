#include "common/package_paths.h"

namespace vesmar {

std::string path_in(std::string_view folder, std::string_view file_name) {
  std::string path;
  path.reserve(folder.size() + file_name.size());
  path.append(folder);
  path.append(file_name);
  return path;
}

}  // namespace vesmar
