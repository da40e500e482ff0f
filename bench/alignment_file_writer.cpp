#include "bench/alignment_file_writer.h"

#include "bench/alignment_source.h"

namespace vesmar::bench {

Result<WrittenAlignment> write_alignment_file(const std::string& path, const Reference& reference, std::uint64_t seed,
                                              std::int64_t positions, bool stress) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  AlignmentResultsWriter file(*created.value());
  WrittenAlignment written;
  AlignmentSource source(reference, seed, stress);
  for (std::int64_t i = 0; i < positions; ++i) {
    const PositionRecord record = source.next();
    if (is_usual_hit(record)) ++written.usual_hits;
    if (record.mut_reads == 0) {
      file.add(record.wt_reads, record.mut_reads, {}, {});
      continue;
    }
    const Windows windows = windows_for(record, reference);
    file.add(record.wt_reads, record.mut_reads, std::string_view(windows.read.data(), windows.read.size()),
             std::string_view(windows.reference.data(), windows.reference.size()));
  }
  if (Status committed = created.value()->commit(); !committed.ok()) return committed.failure();
  written.file = file.summary();
  return written;
}

}  // namespace vesmar::bench
