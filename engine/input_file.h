#pragma once

#include <string>

#include "engine/failure.h"

namespace vesmar {

// Opens a file for reading and returns its descriptor. A folder is not a file
// that can be read: it fails with EISDIR, as a missing file fails with ENOENT.
// A path holding a NUL byte, which the system would cut short and take for
// another, fails with ENOENT too. The failure names the path and the reason,
// and keeps the error number.
Result<int> open_for_reading(const std::string& path);

// Whether a file at `path` can be opened for reading (a folder cannot): the
// failure says why not.
Status check_can_open_for_reading(const std::string& path);

// Whether anything, a file or a folder, exists at `path`: the failure says
// why not. A path holding a NUL byte, which the system would cut short and
// take for another, names nothing.
Status check_exists(const std::string& path);

}  // namespace vesmar
