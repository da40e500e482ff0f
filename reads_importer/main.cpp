#include "genome/package_paths.h"
#include "engine/program_main.h"
#include "reads_importer/reads_importer_dialogue.h"
#include "reads_importer/reads_importer_run.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"name", "NAME", "your first name, which names the reads file"},
    {"format", "gseq|fastq|fasta", "the format of the read files"},
};

constexpr CommandLineSyntax kSyntax{
    kReadsImporter,
    "Reads_importer converts Solexa sequence read files (gseq, FASTQ or FASTA), plain or\n"
    "gzip-compressed, placed on the Desktop into the vesmar reads file\n"
    "Desktop/vesmar/Sequence_reads/<name>_reads.txt. Run it in the folder that holds\n"
    "Desktop/, or name that folder with -C.",
    kAnswers,
    "FILE...",
    "the read files, on the Desktop, in the order they are converted",
    "Reads_importer -C ~ --name Anna --format fastq lane1.fastq lane2.fastq.gz",
};

Result<ReadsImporterSettings> settings_from(const Arguments& arguments) {
  Result<std::string> format = choice_option(arguments, "format", {"gseq", "fastq", "fasta"});
  if (!format.ok()) return format.failure();
  ReadsImporterSettings settings;
  settings.reads_file_path = reads_file_path(arguments["name"]);
  settings.format = *read_format_named(format.value());
  for (const std::string& file : arguments.files) settings.input_paths.push_back(option_file_path(kDesktopFolder, file));
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv, ProgramPieces<ReadsImporterSettings>{kSyntax, run_reads_importer_dialogue,
                                                                     settings_from, run_reads_importer});
}
