#include "feature_import/feature_import_run.h"

#include <memory>

#include "engine/input_file.h"
#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "feature_import/annotation_reader.h"
#include "feature_import/feature_tables.h"
#include "feature_import/gene_model.h"
#include "feature_import/genome_fasta.h"
#include "genome/chromosome_layout.h"
#include "genome/package_paths.h"
#include "formats/feature_locations/feature_location_files.h"

namespace vesmar {

namespace {

std::string joined(const std::vector<std::string>& texts) {
  std::string text;
  for (const std::string& piece : texts) text += (text.empty() ? "" : ", ") + piece;
  return text;
}

std::string counted(std::int64_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string counts_text(std::int64_t features) { return counted(features, "feature line", "feature lines"); }

// The first names of a list, and how many more there are.
std::string first_names(const std::vector<std::string>& names) {
  constexpr std::size_t kShown = 10;
  if (names.size() <= kShown) return joined(names);
  return joined(std::vector<std::string>(names.begin(), names.begin() + kShown)) + " and " +
         std::to_string(names.size() - kShown) + " more";
}

// The genome's layout: the package's layout file when there is one (it must
// agree with the FASTA files), else the one the FASTA files give, which is
// then written beside the feature location files.
struct GenomeLayout {
  ChromosomeLayout layout;
  bool write_file = false;
};

Result<GenomeLayout> genome_layout(const std::vector<GenomeChromosome>& chromosomes,
                                   const FeatureImportSettings& settings) {
  std::vector<NamedLength> lengths;
  for (const GenomeChromosome& chromosome : chromosomes) {
    lengths.push_back({chromosome.name, static_cast<std::int64_t>(chromosome.bases.size())});
  }
  Result<ChromosomeLayout> from_fasta = layout_from_lengths(lengths, "the FASTA files " + joined(settings.fasta_paths));
  if (!from_fasta.ok()) return from_fasta.failure();
  const std::string layout_path(kChromosomeLayoutPath);
  if (!check_exists(layout_path).ok()) return GenomeLayout{std::move(from_fasta.value()), true};
  Result<ChromosomeLayout> from_file = read_layout_file(layout_path);
  if (!from_file.ok()) return from_file.failure();
  if (Status agree = check_layouts_agree(from_file.value(), from_fasta.value()); !agree.ok()) return agree.failure();
  return GenomeLayout{std::move(from_file.value()), false};
}

Result<GeneModels> read_gene_models(const FeatureImportSettings& settings, const ChromosomeLayout& layout) {
  Result<LineReader> reader = LineReader::open(settings.annotation_path, LineReader::Decoding::GzipByMagic);
  if (!reader.ok()) return reader.failure();
  GeneModelBuilder builder(layout, settings.skipped_sequences);
  if (Status read = read_annotation(reader.value(), [&](const AnnotationFeature& feature) { return builder.add(feature); });
      !read.ok()) {
    return read.failure();
  }
  return builder.build(settings.annotation_path);
}

void warn_of(const ModelCounts& counts, const std::string& annotation, Console& console) {
  if (counts.unknown_sequence_features > 0) {
    console.warn(counts_text(counts.unknown_sequence_features) + " of " + annotation +
                 " on sequences that the FASTA files lack (" + first_names(counts.unknown_sequences) + ") left out");
  }
  if (counts.phase_disagreements > 0) {
    console.warn(counted(counts.phase_disagreements, "CDS line of ", "CDS lines of ") + annotation +
                 " with a phase that the coding bases before it contradict: the frames follow the coding bases");
  }
  if (counts.renamed_transcripts > 0) {
    console.warn(counted(counts.renamed_transcripts, "transcript name", "transcript names") +
                 " held \"exon\" or were taken by another transcript: written with \"Exon\" for \"exon\" and \"_2\", "
                 "\"_3\", ... after a name taken, so that the scanners find each exon's neighbours");
  }
  if (counts.unsplittable_transcripts > 0) {
    console.warn(counted(counts.unsplittable_transcripts, "transcript", "transcripts") +
                 " with CDS pieces that overlap or share one exon (a frameshift) left out: an exon's frame cannot say "
                 "it");
  }
}

std::vector<std::string> summary_of(const GeneModels& models, const FeatureLocations& tables,
                                    std::size_t chosen, const FeatureImportSettings& settings,
                                    const std::vector<std::string>& files, std::size_t chromosomes) {
  const ModelCounts& counts = models.counts;
  const auto size = [](const auto& list) { return static_cast<std::int64_t>(list.size()); };
  std::vector<std::string> summary = {
      "read " + counted(counts.genes, "gene", "genes") + " and " + counted(counts.transcripts, "transcript", "transcripts") +
          " (" + std::to_string(counts.coding_transcripts) + " coding) from " + settings.annotation_path + ", kept " +
          counted(static_cast<std::int64_t>(chosen), "transcript", "transcripts") + " (" +
          (settings.all_transcripts ? "every coding one" : "one per gene") + ")",
      "wrote " + files[0] + ": " + counted(size(tables.exons), "exon", "exons"),
      "wrote " + files[1] + ": " + counted(size(tables.introns), "intron", "introns"),
      "wrote " + files[2] + ": " + counted(size(tables.intergenic), "intergenic stretch", "intergenic stretches"),
      "wrote " + files[3] + " and " + files[4] + ": their bases and frames",
      "wrote " + files[5] + ": NCBI translation table " + std::to_string(settings.genetic_code)};
  if (files.size() > 6) summary.push_back("wrote " + files[6] + ": " + counted(static_cast<std::int64_t>(chromosomes), "chromosome", "chromosomes"));
  std::vector<std::string> left_out;
  if (counts.unknown_sequence_features > 0) {
    left_out.push_back(counts_text(counts.unknown_sequence_features) + " on sequences the FASTA files lack");
  }
  if (counts.skipped_features > 0) {
    left_out.push_back(counts_text(counts.skipped_features) + " on sequences left out by name");
  }
  if (counts.parentless_parts > 0) {
    left_out.push_back(counted(counts.parentless_parts, "exon or CDS line that names", "exon or CDS lines that name") +
                       " no transcript (old gene models)");
  }
  if (counts.unsplittable_transcripts > 0) {
    left_out.push_back(counted(counts.unsplittable_transcripts, "transcript", "transcripts") +
                       " whose CDS pieces overlap or share an exon");
  }
  if (!left_out.empty()) summary.push_back("left out: " + joined(left_out));
  return summary;
}

}  // namespace

Result<RunOutcome> run_feature_import(const FeatureImportSettings& settings, Console& console) {
  console.print("Reading the genome...\n");
  Result<std::vector<GenomeChromosome>> genome = read_genome_fasta(settings.fasta_paths);
  if (!genome.ok()) return genome.failure();
  Result<GenomeLayout> layout = genome_layout(genome.value(), settings);
  if (!layout.ok()) return layout.failure();
  const ChromosomeLayout& chromosomes = layout.value().layout;

  console.print("Reading the annotation...\n");
  Result<GeneModels> models = read_gene_models(settings, chromosomes);
  if (!models.ok()) return models.failure();
  if (models.value().counts.coding_transcripts == 0) {
    return Failure{settings.annotation_path + " holds no coding transcript (a CDS line with its parent) on the " +
                   "genome's chromosomes: nothing was written"};
  }
  warn_of(models.value().counts, settings.annotation_path, console);
  const std::vector<std::size_t> chosen = chosen_transcripts(models.value(), settings.all_transcripts);
  std::vector<const std::string*> bases;
  for (const GenomeChromosome& chromosome : genome.value()) bases.push_back(&chromosome.bases);
  FeatureLocations tables =
      feature_tables(models.value(), chosen, chromosomes, bases, settings.skipped_sequences);
  tables.amino_acids = settings.amino_acids;

  console.print("Writing the feature location files...\n");
  Result<std::vector<std::unique_ptr<OutputFile>>> files = fill_feature_locations(std::string(kFeatureLocationsFolder), tables);
  if (!files.ok()) return files.failure();
  if (layout.value().write_file) {
    Result<std::unique_ptr<OutputFile>> layout_file =
        OutputFile::create(std::string(kChromosomeLayoutPath), OutputFile::Mode::Replace);
    if (!layout_file.ok()) return layout_file.failure();
    write_layout(*layout_file.value(), chromosomes);
    files.value().push_back(std::move(layout_file.value()));
  }
  std::vector<OutputFile*> together;
  RunOutcome outcome;
  for (const std::unique_ptr<OutputFile>& file : files.value()) {
    together.push_back(file.get());
    outcome.files.push_back(file->path());
  }
  if (Status written = commit_together(together); !written.ok()) return written.failure();
  outcome.summary = summary_of(models.value(), tables, chosen.size(), settings, outcome.files, chromosomes.chromosomes.size());
  console.print("Done.\n");
  return outcome;
}

}  // namespace vesmar
