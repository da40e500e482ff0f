#include "package_generator/alignment_file.h"

#include <charconv>

namespace vesmar::generator {

Result<AlignmentFile> AlignmentFile::create(const std::string& path) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  return AlignmentFile(std::move(created.value()));
}

void AlignmentFile::add(std::int32_t wt_reads, std::int32_t mut_reads, std::string_view read_window,
                        std::string_view reference_window) {
  for (std::int32_t count : {wt_reads, mut_reads}) {
    char digits[16];
    write_line(std::string_view(digits, std::to_chars(digits, digits + sizeof digits, count).ptr));
  }
  ++summary_.positions;
  if (wt_reads == 0 && mut_reads == 0) ++summary_.uncovered_positions;
  if (mut_reads == 0) return;
  write_line(read_window);
  write_line(reference_window);
  ++summary_.records_with_windows;
}

void AlignmentFile::write_line(std::string_view text) {
  file_->write(text);
  file_->put('\n');
  summary_.bytes += static_cast<std::int64_t>(text.size()) + 1;
  ++summary_.lines;
}

}  // namespace vesmar::generator
