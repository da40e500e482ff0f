#include "chromosome_join/chromosome_join_dialogue.h"

#include <string>
#include <utility>

#include "chromosome_join/chromosome_count.h"
#include "chromosome_join/chromosome_join_run.h"
#include "chromosome_join/join_failure.h"
#include "chromosome_join/typed_path.h"
#include "engine/ask_then_run.h"
#include "genome/package_paths.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "               Chromosome_join\n"
    "               ---------------\n"
    "An application for converting chromosome sequences into a\n"
    "'vesmar' compatible genomic sequence file\n\n"
    "PLEASE PLACE FASTA FILES ON THE DESKTOP\n\n";
constexpr std::string_view kModeQuestion =
    "Do you have separate files for each chromosome (m) or one\n"
    "FASTA file in which each chromosome begins with '>' (s)? ";
constexpr std::string_view kCountQuestion = "How many chromosome files in Fasta format do you have? ";
constexpr std::string_view kChromosomeFileQuestion = "Name of chromosome file: ";
constexpr std::string_view kGenomeQuestion = "Name of concatenated genome file? ";

// Asks the questions, each answered by a line, and counts the lines that
// standard input has given, for the "no such file name" line.
struct Answers {
  Console& console;
  std::int64_t lines_read = 0;

  // Prints the question and reads its answer; fails, naming the question,
  // when standard input has ended.
  Result<std::string> ask(std::string_view question) {
    console.print(question);
    std::optional<std::string> answer = read_line_answer(console);
    if (!answer) return unanswered(console, question);
    ++lines_read;
    return std::move(*answer);
  }
};

Result<ChromosomeJoinSettings> ask_separate_files(Answers& answers) {
  ChromosomeJoinSettings settings;
  settings.mode = JoinMode::SeparateFiles;
  Result<std::string> count_answer = answers.ask(kCountQuestion);
  if (!count_answer.ok()) return count_answer.failure();
  const ChromosomeCount count = chromosome_count(count_answer.value());
  if (count.files == 0) {
    return Failure{"the count \"" + count_answer.value() + "\" asks for no chromosome file: a genome has 1 or more"};
  }
  settings.number_value = count.number_value;
  for (std::int64_t i = 1; i <= count.files; ++i) {
    Result<std::string> name = answers.ask("chromosome " + std::to_string(i) + " file name: ");
    if (!name.ok()) return name.failure();
    std::string path = typed_file_path(kDesktopFolder, name.value());
    // Checked as soon as it is named, so that a typing error ends the run
    // before any more questions; it is opened again for the join.
    if (Status checked = check_chromosome_file(path, answers.lines_read); !checked.ok()) return checked.failure();
    settings.chromosome_paths.push_back(std::move(path));
  }
  return settings;
}

Result<ChromosomeJoinSettings> ask_single_file(Answers& answers) {
  ChromosomeJoinSettings settings;
  settings.mode = JoinMode::SingleFile;
  Result<std::string> name = answers.ask(kChromosomeFileQuestion);
  if (!name.ok()) return name.failure();
  settings.chromosome_paths.push_back(typed_file_path(kDesktopFolder, name.value()));
  return settings;
}

}  // namespace

Result<ChromosomeJoinSettings> ask_chromosome_join_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  Answers answers{console};
  Result<std::string> mode = answers.ask(kModeQuestion);
  if (!mode.ok()) return mode.failure();
  if (mode.value() != "m" && mode.value() != "s") {
    console.print("no such option, type m or s");
    return Failure{"the answer \"" + mode.value() + "\" is neither m nor s: nothing was joined"};
  }
  Result<ChromosomeJoinSettings> settings =
      mode.value() == "m" ? ask_separate_files(answers) : ask_single_file(answers);
  if (!settings.ok()) return settings;
  Result<std::string> genome = answers.ask(kGenomeQuestion);
  if (!genome.ok()) return genome.failure();
  settings.value().genome_path = typed_file_path(kGenomeSequencesFolder, genome.value());
  settings.value().layout_path = std::string(kChromosomeLayoutPath);
  settings.value().answer_lines = answers.lines_read;
  return settings;
}

Status run_chromosome_join_dialogue(Console& console) {
  return ask_then_run(console, ask_chromosome_join_settings, run_chromosome_join, AfterRun::End);
}

}  // namespace vesmar
