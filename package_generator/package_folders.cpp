#include "package_generator/package_folders.h"

#include <filesystem>
#include <system_error>

#include "genome/package_paths.h"

namespace vesmar::generator {

Status make_package_folders(const std::string& home) {
  for (std::string_view sub : kPackageSubFolders) {
    const std::string folder = path_under(home, sub, "");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Failure::cannot_write("cannot create folder " + folder + ": " + error.message());
  }
  return {};
}

std::string path_under(const std::string& home, std::string_view folder, std::string_view file_name) {
  // An empty home is the working folder, where the programs run.
  return home.empty() ? path_in(folder, file_name) : home + "/" + path_in(folder, file_name);
}

}  // namespace vesmar::generator
