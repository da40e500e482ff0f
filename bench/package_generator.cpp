#include "bench/package_generator.h"

#include <filesystem>
#include <system_error>

#include "bench/alignment_file_writer.h"
#include "bench/chromosome_files.h"
#include "bench/feature_files.h"
#include "bench/gene_layout.h"
#include "bench/read_files.h"
#include "bench/region_records.h"
#include "common/output_file.h"

namespace vesmar::bench {

namespace {

namespace fs = std::filesystem;

Status make_folders(const std::string& working_folder) {
  for (const char* sub : {"Sequence_reads", "Genome_sequences", "Alignment_results", "Feature_locations",
                          "SNP_results", "Deletion_results"}) {
    std::error_code error;
    const fs::path folder = fs::path(working_folder) / "Desktop" / "vesmar" / sub;
    fs::create_directories(folder, error);
    if (error) return Failure{"cannot create folder " + folder.string() + ": " + error.message(), 1};
  }
  return {};
}

void add_entry(std::string& manifest, std::string_view key, std::int64_t value) {
  manifest += std::string(key) + "=" + std::to_string(value) + "\n";
}

void add_alignment_entries(std::string& manifest, std::string_view prefix, const AlignmentFileSummary& summary) {
  const std::string p(prefix);
  add_entry(manifest, p + "positions", summary.positions);
  add_entry(manifest, p + "lines", summary.lines);
  add_entry(manifest, p + "bytes", summary.bytes);
  add_entry(manifest, p + "records_with_windows", summary.records_with_windows);
  add_entry(manifest, p + "uncovered_positions", summary.uncovered_positions);
  add_entry(manifest, p + "hits_3_2", summary.usual_hits);
}

Status write_read_files(const GeneratorSettings& settings, const Reference& reference, std::string& manifest) {
  struct Planned {
    std::string_view name;
    ReadFileFormat format;
    std::int64_t bytes;
  };
  const Planned planned[] = {
      {"reads.fastq", ReadFileFormat::Fastq, settings.scale.fastq_bytes()},
      {"reads_short.fastq", ReadFileFormat::Fastq, settings.scale.short_fastq_bytes()},
      {"reads.gseq", ReadFileFormat::Gseq, settings.scale.gseq_bytes()},
      {"reads.fasta", ReadFileFormat::Fasta, settings.scale.fasta_bytes()},
  };
  std::uint64_t part = 0;
  for (const Planned& file : planned) {
    Result<ReadFileSummary> written =
        write_read_file(settings.folder + "/Desktop/" + std::string(file.name), file.format, reference,
                        settings.seed, settings.scale.positions, file.bytes, part++);
    if (!written.ok()) return written.failure();
    const std::string key(file.name);
    add_entry(manifest, key + ".reads", written.value().reads);
    add_entry(manifest, key + ".bytes", written.value().bytes);
  }
  return {};
}

Status write_stress_folder(const GeneratorSettings& settings, const Reference& reference, std::string& manifest) {
  const std::string stress_folder = settings.folder + "/" + std::string(kStressFolderName);
  if (Status made = make_folders(stress_folder); !made.ok()) return made;
  const std::vector<RegionRecord> regions = stress_regions(
      reference.chromosomes(), settings.seed, settings.scale.positions, settings.scale.stress_region_count());
  if (Status written = write_region_file(stress_folder + "/Desktop/vesmar/Feature_locations/cintergenic.txt", regions); !written.ok())
    return written;
  add_entry(manifest, "stress_regions", static_cast<std::int64_t>(regions.size()));
  // The same alignment file, reached from the second working folder.
  const fs::path link = fs::path(stress_folder) / "Desktop/vesmar/Alignment_results" / kStressAlignmentFileName;
  std::error_code error;
  fs::remove(link, error);
  fs::create_symlink(fs::path("../../../../Desktop/vesmar/Alignment_results") / kStressAlignmentFileName, link, error);
  if (error) return Failure{"cannot link " + link.string() + ": " + error.message(), 1};
  return {};
}

}  // namespace

Result<std::string> generate_package(const GeneratorSettings& settings) {
  if (Status made = make_folders(settings.folder); !made.ok()) return made.failure();
  const std::string manifest_path = settings.folder + "/" + std::string(kManifestName);
  std::error_code ignored;
  fs::remove(manifest_path, ignored);

  std::string manifest = "generator=" + std::to_string(kGeneratorVersion) + "\n";
  manifest += "scale=" + std::string(settings.scale.name) + "\n";
  manifest += "seed=" + std::to_string(settings.seed) + "\n";
  manifest += std::string("stress=") + (settings.stress ? "yes" : "no") + "\n";
  const Reference reference(settings.seed);
  const std::string package = settings.folder + "/Desktop/vesmar/";

  Result<AlignmentFileSummary> alignment =
      write_alignment_file(package + "Alignment_results/" + std::string(kAlignmentFileName), reference,
                           settings.seed, settings.scale.positions, false);
  if (!alignment.ok()) return alignment.failure();
  add_alignment_entries(manifest, "alignment.", alignment.value());

  const std::vector<Gene> genes = generate_genes(reference.chromosomes(), settings.seed, settings.scale.positions);
  Result<FeatureSummary> features =
      write_feature_files(package + "Feature_locations", reference, genes, settings.scale.positions);
  if (!features.ok()) return features.failure();
  add_entry(manifest, "genes", features.value().genes);
  add_entry(manifest, "exons", features.value().exons);
  add_entry(manifest, "introns", features.value().introns);
  add_entry(manifest, "intergenic_regions", features.value().intergenic_regions);

  if (Status written = write_read_files(settings, reference, manifest); !written.ok()) return written.failure();

  Result<ChromosomeFilesSummary> chromosomes =
      write_chromosome_files(settings.folder + "/Desktop", reference, settings.scale.fraction);
  if (!chromosomes.ok()) return chromosomes.failure();
  add_entry(manifest, "chromosome_bases", chromosomes.value().bases);
  add_entry(manifest, "chromosome_file_bytes", chromosomes.value().bytes);

  if (settings.stress) {
    Result<AlignmentFileSummary> stress =
        write_alignment_file(package + "Alignment_results/" + std::string(kStressAlignmentFileName), reference,
                             settings.seed, settings.scale.positions, true);
    if (!stress.ok()) return stress.failure();
    add_alignment_entries(manifest, "stress_alignment.", stress.value());
    if (Status written = write_stress_folder(settings, reference, manifest); !written.ok()) return written.failure();
  }

  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(manifest_path, OutputFile::Mode::Replace);
  if (!file.ok()) return file.failure();
  file.value()->write(manifest);
  if (Status committed = file.value()->commit(); !committed.ok()) return committed.failure();
  return manifest;
}

}  // namespace vesmar::bench
