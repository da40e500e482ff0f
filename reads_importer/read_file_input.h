#pragma once

#include <string>

#include "common/failure.h"
#include "common/line_reader.h"

namespace vesmar {

// Opens an input read file for conversion. A file that starts with the gzip
// magic bytes, whatever its name, is read as the text it decompresses to
// (sequencing facilities deliver reads gzip-compressed); any other file, a
// plain one named .gz too, is read as it stands. Fails, naming the path,
// when the file cannot be opened.
Result<LineReader> open_read_file(const std::string& path);

}  // namespace vesmar
