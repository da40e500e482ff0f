#include "reads_importer/reads_importer_dialogue.h"

#include "engine/ask_then_run.h"
#include "engine/input_file.h"
#include "genome/package_paths.h"
#include "reads_importer/file_count.h"
#include "reads_importer/reads_importer_run.h"

namespace vesmar {

namespace {

constexpr std::string_view kNamePrompt = "Your first name: ";
constexpr std::string_view kFormatPrompt = "Input file format (gseq, fastq, fasta): ";
constexpr std::string_view kCountPrompt = "How many sequence read files do you have? ";
constexpr std::string_view kAskedAgain = "; the question is asked again";

Result<ReadFormat> ask_format(Console& console) {
  for (;;) {
    console.print(kFormatPrompt);
    const std::optional<std::string> answer = read_line_answer(console);
    if (!answer) return unanswered(console, kFormatPrompt);
    if (std::optional<ReadFormat> format = read_format_named(*answer)) return *format;
    console.warn("the answer \"" + *answer + "\" is none of gseq, fastq and fasta (as written here, in small letters)" +
                 std::string(kAskedAgain));
  }
}

Result<std::string> ask_file_name(Console& console, std::int64_t number) {
  const std::string prompt = "Input file name number " + std::to_string(number) + ": ";
  for (;;) {
    console.print(prompt);
    const std::optional<std::string> answer = read_line_answer(console);
    if (!answer) return unanswered(console, prompt);
    std::string path = path_in(kDesktopFolder, *answer);
    const Status found = check_exists(path);
    if (found.ok()) return path;
    console.warn(found.failure().message + std::string(kAskedAgain));
  }
}

void print_banner(Console& console) {
  console.print(
      "\t\t Reads_importer\n"
      "\t\t --------------\n\n"
      "This program converts three common Solexa output files (gseq, Fastq,\n"
      "or Fasta) to an output file compatible with the vesmar program.  For\n"
      "details on each output format, see the Read_me file.\n\n"
      "Output of this program is a file called 'yourname_reads.txt' located\n"
      "in the 'Sequence_reads' folder in the 'vesmar' folder.\n\n"
      "To begin, please place the file to be converted on the Desktop.\n\n");
}

}  // namespace

Result<ReadsImporterSettings> ask_reads_importer_settings(Console& console) {
  console.shell("clear");
  print_banner(console);
  ReadsImporterSettings settings;
  console.print(kNamePrompt);
  const std::optional<std::string> name = read_line_answer(console);
  if (!name) return unanswered(console, kNamePrompt);
  settings.reads_file_path = reads_file_path(*name);

  Result<ReadFormat> format = ask_format(console);
  if (!format.ok()) return format.failure();
  settings.format = format.value();

  console.print(kCountPrompt);
  const std::optional<std::string> count_answer = read_line_answer(console);
  if (!count_answer) return unanswered(console, kCountPrompt);
  const std::optional<std::int64_t> count = input_file_count(*count_answer);
  if (!count) {
    return Failure{"the count \"" + *count_answer + "\" is more sequence read files than one run takes (at most " +
                   std::to_string(kMaxInputFiles) + ")"};
  }
  if (*count == 0) {
    return Failure{"the count \"" + *count_answer + "\" asks for no sequence read file: a run converts 1 or more"};
  }

  for (std::int64_t i = 0; i < *count; ++i) {
    Result<std::string> path = ask_file_name(console, i + 1);
    if (!path.ok()) return path.failure();
    settings.input_paths.push_back(std::move(path.value()));
  }
  return settings;
}

Status run_reads_importer_dialogue(Console& console) {
  return ask_then_run(console, ask_reads_importer_settings, run_reads_importer, AfterRun::End);
}

}  // namespace vesmar
