#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/output_file.h"

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

// Writes a file of one group of lines per item, as the feature location
// files are: `lines_of(item)` gives the item's lines, a range of texts.
template <class Items, class LinesOf>
Status write_line_groups(const std::string& path, const Items& items, LinesOf lines_of) {
  return write_whole_file(path, [&](OutputFile& file) {
    for (const auto& item : items) {
      for (std::string_view line : lines_of(item)) write_line(file, line);
    }
  });
}

}  // namespace vesmar::generator
