#include "bench/alignment_file_writer.h"

#include <charconv>
#include <memory>

#include "bench/alignment_source.h"
#include "common/output_file.h"

namespace vesmar::bench {

namespace {

void write_count_line(OutputFile& file, std::int32_t count, AlignmentFileSummary& summary) {
  char digits[16];
  char* end = std::to_chars(digits, digits + sizeof digits - 1, count).ptr;
  *end++ = '\n';
  file.write(std::string_view(digits, end - digits));
  summary.bytes += end - digits;
  ++summary.lines;
}

void write_window_line(OutputFile& file, const std::array<char, kWindowLength>& window,
                       AlignmentFileSummary& summary) {
  file.write(std::string_view(window.data(), window.size()));
  file.put('\n');
  summary.bytes += kWindowLength + 1;
  ++summary.lines;
}

}  // namespace

Result<AlignmentFileSummary> write_alignment_file(const std::string& path, const Reference& reference,
                                                  std::uint64_t seed, std::int64_t positions,
                                                  bool stress) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& file = *created.value();
  AlignmentFileSummary summary;
  AlignmentSource source(reference, seed, stress);
  for (std::int64_t i = 0; i < positions; ++i) {
    const PositionRecord record = source.next();
    write_count_line(file, record.wt_reads, summary);
    write_count_line(file, record.mut_reads, summary);
    if (record.wt_reads == 0 && record.mut_reads == 0) ++summary.uncovered_positions;
    if (is_usual_hit(record)) ++summary.usual_hits;
    if (record.mut_reads != 0) {
      const Windows windows = windows_for(record, reference);
      write_window_line(file, windows.read, summary);
      write_window_line(file, windows.reference, summary);
      ++summary.records_with_windows;
    }
  }
  summary.positions = positions;
  if (Status committed = file.commit(); !committed.ok()) return committed.failure();
  return summary;
}

}  // namespace vesmar::bench
