#pragma once

#include <string>

#include "common/failure.h"

namespace vesmar {

// Opens a file for reading and returns its descriptor. A folder is not a file
// that can be read: it fails with EISDIR, as a missing file fails with ENOENT.
// The failure names the path and the reason, and keeps the error number.
Result<int> open_for_reading(const std::string& path);

// Whether a file at `path` can be opened for reading (a folder cannot).
bool can_open_for_reading(const std::string& path);

// Whether anything, a file or a folder, exists at `path`.
bool path_exists(const std::string& path);

}  // namespace vesmar
