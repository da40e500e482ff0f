#include "engine/command_line.h"
#include "engine/program_main.h"
#include "feature_import/feature_import_dialogue.h"
#include "feature_import/feature_import_run.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"annotation", "NAME", "the annotation file on the Desktop, GFF3 or GTF, plain or gzip"},
    {.name = "fasta",
     .value = "NAME",
     .help = "a chromosome FASTA file on the Desktop, once per file in genome order",
     .takes = OptionTakes::Values},
    {.name = "skip-sequence",
     .value = "NAME",
     .help = "leave out the annotation's features on this sequence (MtDNA, a scaffold)",
     .takes = OptionTakes::Values,
     .optional = true},
    {.name = "all-transcripts",
     .value = "",
     .help = "keep every coding transcript, not only each gene's longest CDS",
     .takes = OptionTakes::Nothing},
    {"genetic-code", "N", "the NCBI translation table of the genetic_code.txt written", "1"},
};

constexpr CommandLineSyntax kSyntax{
    kFeatureImport,
    "Feature_import: writes the six feature location files that the scanners\n"
    "read, Desktop/vesmar/Feature_locations/cexons.txt, cintrons.txt,\n"
    "cintergenic.txt, exon_sequences.txt, exon_frames.txt and genetic_code.txt,\n"
    "from a genome annotation (GFF3 or GTF) and the chromosome FASTA files on the\n"
    "Desktop, and the chromosome layout chromosomes.txt when there is none. Run\n"
    "it in the folder that holds Desktop/, or name that folder with -C.",
    kAnswers,
    "",
    "",
    "Feature_import -C ~ --annotation c_elegans.WS290.gff3.gz --fasta genome.fa --skip-sequence MtDNA",
};

Result<FeatureImportSettings> settings_from(const Arguments& arguments) {
  Result<int> code = integer_option(arguments, "genetic-code");
  if (!code.ok()) return code.failure();
  Result<FeatureImportSettings> settings =
      feature_import_settings(arguments["annotation"], arguments.all("fasta"), arguments.has("all-transcripts"),
                              code.value(), arguments.all("skip-sequence"));
  if (!settings.ok()) return usage_failure(settings.failure().message);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv,
                      ProgramPieces<FeatureImportSettings>{kSyntax, run_feature_import_dialogue, settings_from,
                                                           run_feature_import});
}
