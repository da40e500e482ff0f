#include "chromosome_join/chromosome_join_run.h"

#include <memory>

#include "chromosome_join/genome_join.h"
#include "chromosome_join/join_failure.h"
#include "common/output_file.h"

namespace vesmar {

namespace {

// Flushes and closes the genome sequence file after a failed join: the
// chromosomes joined before the failure stay. The join's failure is the one
// to report; a write failure as well is only told.
Failure end_after_failed_join(OutputFile& genome_file, Failure failure, Console& console) {
  if (Status written = genome_file.commit(); !written.ok()) console.warn(written.failure().message);
  return failure;
}

Status join_separate_chromosome_files(const ChromosomeJoinSettings& settings, Console& console) {
  Result<std::unique_ptr<OutputFile>> genome_file =
      OutputFile::create(settings.genome_path, OutputFile::Mode::InPlace);
  if (!genome_file.ok()) return genome_file.failure();
  const std::optional<JoinStop> stop =
      join_separate_files(*genome_file.value(), settings.chromosome_paths, settings.number_value);
  if (!stop) return genome_file.value()->commit();
  if (stop->opened) return end_after_failed_join(*genome_file.value(), stop->failure, console);
  // Only for the first file was the last line read an answer.
  const std::optional<std::int64_t> line = stop->index == 0 ? settings.answer_lines : std::nullopt;
  return end_after_failed_join(*genome_file.value(),
                               no_such_file_name(JoinLocation::join, line, stop->failure.error_number), console);
}

Status join_single_chromosome_file(const ChromosomeJoinSettings& settings, Console& console) {
  // Opened before the genome sequence file is created, so that a mistyped
  // name leaves an older genome sequence file as it was.
  Result<LineReader> chromosome = open_chromosome_file(settings.chromosome_paths.front());
  if (!chromosome.ok()) {
    return no_such_file_name(JoinLocation::join, settings.answer_lines, chromosome.failure().error_number);
  }
  Result<std::unique_ptr<OutputFile>> genome_file =
      OutputFile::create(settings.genome_path, OutputFile::Mode::InPlace);
  if (!genome_file.ok()) return genome_file.failure();
  if (Status read = join_single_file(*genome_file.value(), chromosome.value()); !read.ok()) {
    return end_after_failed_join(*genome_file.value(), read.failure(), console);
  }
  return genome_file.value()->commit();
}

}  // namespace

Status run_chromosome_join(const ChromosomeJoinSettings& settings, Console& console) {
  if (settings.mode == JoinMode::SingleFile) return join_single_chromosome_file(settings, console);
  return join_separate_chromosome_files(settings, console);
}

}  // namespace vesmar
