#include "chromosome_join/join_dialogue.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chromosome_join/chromosome_count.h"
#include "chromosome_join/genome_join.h"
#include "chromosome_join/join_failure.h"
#include "chromosome_join/typed_path.h"
#include "common/output_file.h"
#include "common/package_paths.h"

namespace vesmar {

namespace {

constexpr std::string_view kGenomeQuestion = "Name of concatenated genome file? ";

// Reads the answers and counts the lines that standard input has given, for
// the "no such file name" line.
struct Answers {
  Console& console;
  std::int64_t lines_read = 0;

  std::string next() {
    LineAnswer answer = read_line_answer(console);
    if (!answer.at_end) ++lines_read;
    return std::move(answer.text);
  }
};

void print_banner(Console& console) {
  console.print(
      "               Chromosome_join\n"
      "               ---------------\n"
      "An application for converting chromosome sequences into a\n"
      "'vesmar' compatible genomic sequence file\n\n"
      "PLEASE PLACE FASTA FILES ON THE DESKTOP\n\n"
      "Do you have separate files for each chromosome (m) or one\n"
      "FASTA file in which each chromosome begins with '>' (s)? ");
}

Result<std::unique_ptr<OutputFile>> create_genome_file(const std::string& genome) {
  return OutputFile::create(typed_file_path(kGenomeSequencesFolder, genome), OutputFile::Mode::InPlace);
}

// Flushes and closes the genome sequence file after a failed join: the
// chromosomes joined before the failure stay. The join's failure is the one
// to report; a write failure as well is only told.
Failure end_after_failed_join(OutputFile& genome_file, Failure failure, std::ostream& warnings) {
  if (Status written = genome_file.commit(); !written.ok()) {
    warnings << "Chromosome_join: " << written.failure().message << '\n';
    warnings.flush();
  }
  return failure;
}

Status join_separate_chromosome_files(Answers& answers, std::ostream& warnings) {
  Console& console = answers.console;
  console.print("How many chromosome files in Fasta format do you have? ");
  const ChromosomeCount count = chromosome_count(answers.next());

  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= count.files; ++i) {
    console.print("chromosome ");
    console.print(std::to_string(i));
    console.print(" file name: ");
    std::string path = typed_file_path(kDesktopFolder, answers.next());
    // Checked as soon as it is named, so that a typing error ends the run
    // before any more questions; it is opened again for the join.
    Result<LineReader> check = open_chromosome_file(path);
    if (!check.ok()) {
      return no_such_file_name(JoinLocation::check, answers.lines_read, check.failure().error_number);
    }
    names.push_back(std::move(path));
  }

  console.print(kGenomeQuestion);
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(answers.next());
  if (!genome_file.ok()) return genome_file.failure();

  if (std::optional<JoinStop> stop = join_separate_files(*genome_file.value(), names, count.number_value)) {
    if (stop->opened) return end_after_failed_join(*genome_file.value(), stop->failure, warnings);
    // Only for the first file was the last line read an answer.
    const std::optional<std::int64_t> line =
        stop->index == 0 ? std::optional<std::int64_t>(answers.lines_read) : std::nullopt;
    return end_after_failed_join(*genome_file.value(),
                                 no_such_file_name(JoinLocation::join, line, stop->failure.error_number), warnings);
  }
  return genome_file.value()->commit();
}

Status join_single_chromosome_file(Answers& answers, std::ostream& warnings) {
  Console& console = answers.console;
  console.print("Name of chromosome file: ");
  const std::string path = typed_file_path(kDesktopFolder, answers.next());
  console.print(kGenomeQuestion);
  const std::string genome = answers.next();

  // Opened before the genome sequence file is created, so that a mistyped
  // name leaves an older genome sequence file as it was.
  Result<LineReader> chromosome = open_chromosome_file(path);
  if (!chromosome.ok()) {
    return no_such_file_name(JoinLocation::join, answers.lines_read, chromosome.failure().error_number);
  }
  Result<std::unique_ptr<OutputFile>> genome_file = create_genome_file(genome);
  if (!genome_file.ok()) return genome_file.failure();

  if (Status read = join_single_file(*genome_file.value(), chromosome.value()); !read.ok()) {
    return end_after_failed_join(*genome_file.value(), read.failure(), warnings);
  }
  return genome_file.value()->commit();
}

}  // namespace

Status run_chromosome_join(Console& console, std::ostream& warnings) {
  console.shell("clear");
  print_banner(console);
  Answers answers{console};
  const std::string type = answers.next();
  if (type == "m") return join_separate_chromosome_files(answers, warnings);
  if (type == "s") return join_single_chromosome_file(answers, warnings);
  console.print("no such option, type m or s");
  return {};
}

}  // namespace vesmar
