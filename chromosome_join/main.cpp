#include "chromosome_join/chromosome_join_dialogue.h"
#include "chromosome_join/chromosome_join_run.h"
#include "chromosome_join/join_failure.h"
#include "genome/package_paths.h"
#include "engine/program_main.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"mode", "m|s", "m: one file per chromosome; s: one file with a header line per chromosome"},
    {"genome", "NAME", "the genome sequence file, in Desktop/vesmar/Genome_sequences/"},
};

constexpr CommandLineSyntax kSyntax{
    kChromosomeJoin,
    "Chromosome_join joins chromosome sequences in FASTA format, one file per chromosome\n"
    "or one file with a header line per chromosome, placed on the Desktop, into the\n"
    "vesmar genome sequence file in Desktop/vesmar/Genome_sequences/. Run it in the\n"
    "folder that holds Desktop/, or name that folder with -C.",
    kAnswers,
    "FILE...",
    "the chromosome files on the Desktop, in the order I, II, III, IV, V, X (one with --mode s)",
    "Chromosome_join -C ~ --mode m --genome genome.txt chrI.fa chrII.fa chrIII.fa chrIV.fa chrV.fa chrX.fa",
};

Result<ChromosomeJoinSettings> settings_from(const Arguments& arguments) {
  Result<std::string> mode = choice_option(arguments, "mode", {"m", "s"});
  if (!mode.ok()) return mode.failure();
  return chromosome_join_settings(mode.value() == "s" ? JoinMode::SingleFile : JoinMode::SeparateFiles,
                                  arguments.files, arguments["genome"]);
}

// As the dialogue checks each chromosome file as it is named, the files are
// checked before the genome sequence file is begun.
Result<RunOutcome> checked_run(const ChromosomeJoinSettings& settings, Console& console) {
  if (settings.mode == JoinMode::SeparateFiles) {
    for (const std::string& path : settings.chromosome_paths) {
      if (Status checked = check_chromosome_file(path, std::nullopt); !checked.ok()) return checked.failure();
    }
  }
  return run_chromosome_join(settings, console);
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv,
                      ProgramPieces<ChromosomeJoinSettings>{kSyntax, run_chromosome_join_dialogue, settings_from,
                                                           checked_run});
}
