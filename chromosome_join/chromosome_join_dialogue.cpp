#include "chromosome_join/chromosome_join_dialogue.h"

#include <string>
#include <utility>

#include "chromosome_join/chromosome_count.h"
#include "chromosome_join/chromosome_join_run.h"
#include "chromosome_join/genome_join.h"
#include "chromosome_join/join_failure.h"
#include "chromosome_join/typed_path.h"
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

Result<ChromosomeJoinSettings> ask_separate_files(Answers& answers) {
  Console& console = answers.console;
  ChromosomeJoinSettings settings;
  settings.mode = JoinMode::SeparateFiles;
  console.print("How many chromosome files in Fasta format do you have? ");
  const ChromosomeCount count = chromosome_count(answers.next());
  settings.number_value = count.number_value;
  for (std::int64_t i = 1; i <= count.files; ++i) {
    console.print("chromosome ");
    console.print(std::to_string(i));
    console.print(" file name: ");
    std::string path = typed_file_path(kDesktopFolder, answers.next());
    // Checked as soon as it is named, so that a typing error ends the run
    // before any more questions; it is opened again for the join.
    Result<LineReader> check = open_chromosome_file(path);
    if (!check.ok()) return no_such_file_name(JoinLocation::check, answers.lines_read, check.failure().error_number);
    settings.chromosome_paths.push_back(std::move(path));
  }
  console.print(kGenomeQuestion);
  settings.genome_path = typed_file_path(kGenomeSequencesFolder, answers.next());
  settings.answer_lines = answers.lines_read;
  return settings;
}

ChromosomeJoinSettings ask_single_file(Answers& answers) {
  Console& console = answers.console;
  ChromosomeJoinSettings settings;
  settings.mode = JoinMode::SingleFile;
  console.print("Name of chromosome file: ");
  settings.chromosome_paths.push_back(typed_file_path(kDesktopFolder, answers.next()));
  console.print(kGenomeQuestion);
  settings.genome_path = typed_file_path(kGenomeSequencesFolder, answers.next());
  settings.answer_lines = answers.lines_read;
  return settings;
}

}  // namespace

Result<std::optional<ChromosomeJoinSettings>> ask_chromosome_join_settings(Console& console) {
  console.shell("clear");
  print_banner(console);
  Answers answers{console};
  const std::string type = answers.next();
  if (type == "m") {
    Result<ChromosomeJoinSettings> settings = ask_separate_files(answers);
    if (!settings.ok()) return settings.failure();
    return std::optional<ChromosomeJoinSettings>(std::move(settings.value()));
  }
  if (type == "s") return std::optional<ChromosomeJoinSettings>(ask_single_file(answers));
  console.print("no such option, type m or s");
  return std::optional<ChromosomeJoinSettings>();
}

Status run_chromosome_join_dialogue(Console& console) {
  Result<std::optional<ChromosomeJoinSettings>> settings = ask_chromosome_join_settings(console);
  if (!settings.ok()) return settings.failure();
  if (!settings.value()) return {};
  return run_chromosome_join(*settings.value(), console);
}

}  // namespace vesmar
