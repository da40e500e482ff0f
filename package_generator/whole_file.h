#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/output_file.h"

namespace vesmar::generator {

// Writes the file at `path` in one go: `fill(OutputFile&)` writes its bytes,
// and the new file takes the place of an older one only once every byte has
// reached it, so that a failed run leaves no half-written file behind.
template <class Fill>
Status write_whole_file(const std::string& path, Fill fill) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  fill(*created.value());
  return created.value()->commit();
}

// `text` and a line feed.
inline void write_line(OutputFile& file, std::string_view text) {
  file.write(text);
  file.put('\n');
}

}  // namespace vesmar::generator
