#pragma once

#include <string>
#include <string_view>

#include "engine/failure.h"

namespace vesmar::generator {

// Creates under `home` (the working folder the programs run in) the folder
// tree they expect: Desktop/ and the package folder Desktop/vesmar/ with its
// six sub-folders. Folders that are there already are kept as they are.
Status make_package_folders(const std::string& home);

// The path of `file_name` in `folder` (one of the folders of
// genome/package_paths.h, relative to the working folder) under `home`.
std::string path_under(const std::string& home, std::string_view folder, std::string_view file_name);

}  // namespace vesmar::generator
