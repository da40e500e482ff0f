#include "chromosome_join/chromosome_join_run.h"

#include <memory>

#include "chromosome_join/genome_join.h"
#include "chromosome_join/join_failure.h"
#include "common/count_text.h"
#include "common/output_file.h"

namespace vesmar {

namespace {

// The genome sequence file is written beside its path and takes its name
// only once the join is complete, so that a join that fails (a chromosome
// file gone or unreadable, a full disk) leaves an older genome sequence file
// as it was.
Result<std::unique_ptr<OutputFile>> create_genome_file(const std::string& path) {
  return OutputFile::create(path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
}

Status join_separate_chromosome_files(const ChromosomeJoinSettings& settings) {
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(settings.genome_path);
  if (!genome_file.ok()) return genome_file.failure();
  const std::optional<JoinStop> stop =
      join_separate_files(*genome_file.value(), settings.chromosome_paths, settings.number_value);
  if (!stop) return genome_file.value()->commit();
  if (stop->opened) return stop->failure;
  // Only for the first file was the last line read an answer.
  const std::optional<std::int64_t> line = stop->index == 0 ? settings.answer_lines : std::nullopt;
  return no_such_file_name(JoinLocation::join, line, stop->failure.error_number);
}

Status join_single_chromosome_file(const ChromosomeJoinSettings& settings) {
  // Opened before the genome sequence file is created, so that a mistyped
  // name leaves an older genome sequence file as it was.
  Result<LineReader> chromosome = LineReader::open(settings.chromosome_paths.front());
  if (!chromosome.ok()) {
    return no_such_file_name(JoinLocation::join, settings.answer_lines, chromosome.failure().error_number);
  }
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(settings.genome_path);
  if (!genome_file.ok()) return genome_file.failure();
  if (Status read = join_single_file(*genome_file.value(), chromosome.value()); !read.ok()) return read;
  return genome_file.value()->commit();
}

}  // namespace

Result<RunOutcome> run_chromosome_join(const ChromosomeJoinSettings& settings, Console&) {
  const bool single = settings.mode == JoinMode::SingleFile;
  const Status joined = single ? join_single_chromosome_file(settings) : join_separate_chromosome_files(settings);
  if (!joined.ok()) return joined.failure();
  return RunOutcome{{settings.genome_path},
                    {"wrote " + settings.genome_path + ", joined from " +
                     (single ? "the records of " + settings.chromosome_paths.front()
                             : count_text(static_cast<std::int64_t>(settings.chromosome_paths.size()), "chromosome file",
                                          "chromosome files"))}};
}

}  // namespace vesmar
