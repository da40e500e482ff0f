#include "chromosome_join/chromosome_join_run.h"

#include <memory>

#include "chromosome_join/genome_join.h"
#include "chromosome_join/join_failure.h"
#include "engine/input_file.h"
#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "engine/count_text.h"

namespace vesmar {

namespace {

// The genome sequence file is written beside its path and takes its name
// only once the join is complete, so that a join that fails (a chromosome
// file gone or unreadable, a full disk) leaves an older genome sequence file
// as it was.
Result<std::unique_ptr<OutputFile>> create_genome_file(const std::string& path) {
  return OutputFile::create(path, OutputFile::Mode::Replace, OutputFile::Writing::Behind);
}

// The chromosomes' names in the layout: a chromosome whose header line names
// none gets "chromosome_K", K its place in the genome, and a name that
// stands before gets "_K" after it, so that each names one chromosome.
void name_each_once(std::vector<NamedLength>& chromosomes, Console& console) {
  ChromosomeLayout named;
  for (std::size_t i = 0; i < chromosomes.size(); ++i) {
    std::string& name = chromosomes[i].name;
    const std::string place = std::to_string(i + 1);
    if (name.empty()) {
      name = "chromosome_" + place;
    } else if (find_chromosome_exactly(named, name)) {
      console.warn("the chromosome name " + name + " stands twice: chromosome " + place + " is " + name + "_" +
                   place + " in " + std::string(kChromosomeLayoutPath));
      name += "_" + place;
    }
    named.chromosomes.push_back({name, 0, 0});
  }
}

// The genome sequence file and, where the package has its Feature_locations
// folder, the layout of the chromosomes joined into it: both take their
// names together once complete. `written` gets the layout's path when it is.
Status commit_genome(const ChromosomeJoinSettings& settings, OutputFile& genome_file,
                     std::vector<NamedLength> joined, Console& console, std::vector<std::string>& written) {
  if (settings.layout_path.empty()) return genome_file.commit();
  const std::string folder = settings.layout_path.substr(0, settings.layout_path.rfind('/') + 1);
  if (!check_exists(folder).ok()) {
    console.warn("no folder " + folder + " for the chromosome layout of " + settings.genome_path +
                 ": the scanners will take the built-in one");
    return genome_file.commit();
  }
  name_each_once(joined, console);
  Result<ChromosomeLayout> layout = layout_from_lengths(joined, settings.genome_path);
  if (!layout.ok()) {
    console.warn(layout.failure().message + ": no chromosome layout is written for it");
    return genome_file.commit();
  }
  Result<std::unique_ptr<OutputFile>> layout_file =
      OutputFile::create(settings.layout_path, OutputFile::Mode::Replace);
  if (!layout_file.ok()) return layout_file.failure();
  write_layout(*layout_file.value(), layout.value());
  OutputFile* const files[] = {&genome_file, layout_file.value().get()};
  if (Status committed = commit_together(files); !committed.ok()) return committed;
  written.push_back(settings.layout_path);
  return {};
}

Status join_separate_chromosome_files(const ChromosomeJoinSettings& settings, Console& console,
                                      std::vector<std::string>& written) {
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(settings.genome_path);
  if (!genome_file.ok()) return genome_file.failure();
  std::vector<NamedLength> joined;
  const std::optional<JoinStop> stop =
      join_separate_files(*genome_file.value(), settings.chromosome_paths, settings.number_value, &joined);
  if (!stop) return commit_genome(settings, *genome_file.value(), std::move(joined), console, written);
  if (stop->opened) return stop->failure;
  // Only for the first file was the last line read an answer.
  const std::optional<std::int64_t> line = stop->index == 0 ? settings.answer_lines : std::nullopt;
  return no_such_file_name(JoinLocation::join, line, stop->failure.error_number);
}

Status join_single_chromosome_file(const ChromosomeJoinSettings& settings, Console& console,
                                      std::vector<std::string>& written) {
  // Opened before the genome sequence file is created, so that a mistyped
  // name leaves an older genome sequence file as it was.
  Result<LineReader> chromosome = LineReader::open(settings.chromosome_paths.front());
  if (!chromosome.ok()) {
    return no_such_file_name(JoinLocation::join, settings.answer_lines, chromosome.failure().error_number);
  }
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(settings.genome_path);
  if (!genome_file.ok()) return genome_file.failure();
  std::vector<NamedLength> joined;
  if (Status read = join_single_file(*genome_file.value(), chromosome.value(), &joined); !read.ok()) return read;
  return commit_genome(settings, *genome_file.value(), std::move(joined), console, written);
}

}  // namespace

Result<RunOutcome> run_chromosome_join(const ChromosomeJoinSettings& settings, Console& console) {
  const bool single = settings.mode == JoinMode::SingleFile;
  std::vector<std::string> written{settings.genome_path};
  const Status joined = single ? join_single_chromosome_file(settings, console, written)
                               : join_separate_chromosome_files(settings, console, written);
  if (!joined.ok()) return joined.failure();
  RunOutcome outcome{written,
                     {"wrote " + settings.genome_path + ", joined from " +
                      (single ? "the records of " + settings.chromosome_paths.front()
                              : count_text(static_cast<std::int64_t>(settings.chromosome_paths.size()), "chromosome file",
                                           "chromosome files"))}};
  if (written.size() > 1) outcome.summary.push_back("wrote " + written.back() + ", the layout of its chromosomes");
  return outcome;
}

}  // namespace vesmar
