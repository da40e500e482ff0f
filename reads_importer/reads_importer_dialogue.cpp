#include "reads_importer/reads_importer_dialogue.h"

#include "common/input_file.h"
#include "common/package_paths.h"
#include "reads_importer/file_count.h"
#include "reads_importer/reads_importer_run.h"

namespace vesmar {

namespace {

// A name holding a NUL byte would be cut short by the system and name some
// other file, so it names nothing.
bool names_something(const std::string& path) {
  return path.find('\0') == std::string::npos && path_exists(path);
}

Result<ReadFormat> ask_format(Console& console) {
  for (;;) {
    console.print("Input file format (gseq, fastq, fasta): ");
    const LineAnswer answer = read_line_answer(console);
    if (std::optional<ReadFormat> format = read_format_named(answer.text)) return *format;
    if (answer.at_end) {
      return Failure{"standard input ended before the input file format (gseq, fastq, fasta) was given"};
    }
  }
}

Result<std::string> ask_file_name(Console& console, std::int64_t number) {
  for (;;) {
    console.print("Input file name number ");
    console.print(std::to_string(number));
    console.print(": ");
    const LineAnswer answer = read_line_answer(console);
    std::string path = path_in(kDesktopFolder, answer.text);
    if (names_something(path)) return path;
    if (answer.at_end) {
      return Failure{"standard input ended before input file name number " + std::to_string(number) +
                     " was given (nothing exists at " + path + ")"};
    }
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
  console.print("Your first name: ");
  const LineAnswer name = read_line_answer(console);
  settings.reads_file_path = reads_file_path(name.text);

  Result<ReadFormat> format = ask_format(console);
  if (!format.ok()) return format.failure();
  settings.format = format.value();

  console.print("How many sequence read files do you have? ");
  const LineAnswer count_answer = read_line_answer(console);
  const std::optional<std::int64_t> count = input_file_count(count_answer.text);
  if (!count) {
    return Failure{"the count \"" + count_answer.text +
                   "\" is more sequence read files than one run takes (at most " + std::to_string(kMaxInputFiles) +
                   ")"};
  }

  for (std::int64_t i = 0; i < *count; ++i) {
    Result<std::string> path = ask_file_name(console, i + 1);
    if (!path.ok()) return path.failure();
    settings.input_paths.push_back(std::move(path.value()));
  }
  return settings;
}

Status run_reads_importer_dialogue(Console& console) {
  Result<ReadsImporterSettings> settings = ask_reads_importer_settings(console);
  if (!settings.ok()) return settings.failure();
  return run_reads_importer(settings.value(), console);
}

}  // namespace vesmar
