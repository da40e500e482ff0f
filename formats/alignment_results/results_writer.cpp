#include "formats/alignment_results/results_writer.h"

#include <string>

namespace vesmar {

namespace {

// A stretch of uncovered positions, written a block at a time.
const std::string& uncovered_block() {
  static const std::string block = [] {
    std::string text;
    for (int i = 0; i < 1024; ++i) text += "0\n0\n";
    return text;
  }();
  return block;
}

}  // namespace

void AlignmentResultsWriter::add_uncovered(std::int64_t count) {
  const std::string& block = uncovered_block();
  const std::int64_t per_block = static_cast<std::int64_t>(block.size() / 4);
  summary_.positions += count;
  summary_.uncovered_positions += count;
  summary_.lines += 2 * count;
  summary_.bytes += 4 * count;
  for (; count >= per_block; count -= per_block) file_.write(block);
  file_.write(std::string_view(block).substr(0, static_cast<std::size_t>(count) * 4));
}

}  // namespace vesmar
