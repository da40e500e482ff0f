#include "bench/bench_package.h"

#include <filesystem>
#include <system_error>

#include "bench/alignment_bam.h"
#include "bench/alignment_file_writer.h"
#include "bench/alignment_source.h"
#include "bench/chromosome_files.h"
#include "bench/feature_files.h"
#include "bench/gene_layout.h"
#include "bench/synthetic_reads.h"
#include "bench/region_records.h"
#include "genome/package_paths.h"
#include "package_generator/package_folders.h"
#include "formats/feature_locations/region_file_writer.h"
#include "engine/whole_file.h"

namespace vesmar::bench {

namespace {

namespace fs = std::filesystem;

void add_entry(std::string& manifest, std::string_view key, std::int64_t value) {
  manifest += std::string(key) + "=" + std::to_string(value) + "\n";
}

void add_alignment_entries(std::string& manifest, std::string_view prefix, const WrittenAlignment& written) {
  const std::string p(prefix);
  add_entry(manifest, p + "positions", written.file.positions);
  add_entry(manifest, p + "lines", written.file.lines);
  add_entry(manifest, p + "bytes", written.file.bytes);
  add_entry(manifest, p + "records_with_windows", written.file.records_with_windows);
  add_entry(manifest, p + "uncovered_positions", written.file.uncovered_positions);
  add_entry(manifest, p + "hits_3_2", written.usual_hits);
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
        write_read_file(generator::path_under(settings.folder, kDesktopFolder, file.name), file.format, reference,
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
  if (Status made = generator::make_package_folders(stress_folder); !made.ok()) return made;
  const std::vector<RegionRecord> regions = stress_regions(
      reference.chromosomes(), settings.seed, settings.scale.positions, settings.scale.stress_region_count());
  const std::string path = generator::path_under(stress_folder, kFeatureLocationsFolder, "cintergenic.txt");
  if (Status written = write_region_file(path, regions); !written.ok()) return written;
  add_entry(manifest, "stress_regions", static_cast<std::int64_t>(regions.size()));
  // The same alignment file, reached from the second working folder: the
  // link's folder lies four levels below the first working folder.
  const std::string link = generator::path_under(stress_folder, kAlignmentResultsFolder, kStressAlignmentFileName);
  std::error_code error;
  fs::remove(link, error);
  fs::create_symlink("../../../../" + path_in(kAlignmentResultsFolder, kStressAlignmentFileName), link, error);
  if (error) return Failure::cannot_write("cannot link " + link + ": " + error.message());
  return {};
}

// The reads files, the chromosome files and the BAM of the same alignments.
Status write_whole_package_rest(const GeneratorSettings& settings, const Reference& reference, std::string& manifest) {
  if (Status written = write_read_files(settings, reference, manifest); !written.ok()) return written;
  Result<ChromosomeFilesSummary> chromosomes =
      write_chromosome_files(settings.folder, reference, settings.scale.fraction, settings.scale.positions);
  if (!chromosomes.ok()) return chromosomes.failure();
  add_entry(manifest, "chromosome_bases", chromosomes.value().bases);
  add_entry(manifest, "chromosome_file_bytes", chromosomes.value().bytes);
  add_entry(manifest, "reference_bases", chromosomes.value().reference_bases);
  Result<AlignmentBamSummary> bam =
      write_alignment_bam(generator::path_under(settings.folder, kDesktopFolder, kAlignmentBamName), reference,
                          settings.seed, settings.scale.positions, CoverageShape{}.mean_depth);
  if (!bam.ok()) return bam.failure();
  add_entry(manifest, "alignments.bam.reads", bam.value().reads);
  add_entry(manifest, "alignments.bam.failed_filter", bam.value().failed_filter);
  add_entry(manifest, "alignments.bam.bytes", bam.value().bytes);
  return {};
}

}  // namespace

Result<std::string> generate_package(const GeneratorSettings& settings) {
  if (Status made = generator::make_package_folders(settings.folder); !made.ok()) return made.failure();
  const std::string manifest_path = settings.folder + "/" + std::string(kManifestName);
  std::error_code ignored;
  fs::remove(manifest_path, ignored);

  std::string manifest = "generator=" + std::to_string(kGeneratorVersion) + "\n";
  manifest += "scale=" + std::string(settings.scale.name) + "\n";
  manifest += "seed=" + std::to_string(settings.seed) + "\n";
  manifest += std::string("stress=") + (settings.stress ? "yes" : "no") + "\n";
  if (settings.results_only) manifest += "results_only=yes\n";
  const Reference reference(settings.seed);
  auto alignment_path = [&](std::string_view name) {
    return generator::path_under(settings.folder, kAlignmentResultsFolder, name);
  };

  Result<WrittenAlignment> alignment = write_alignment_file(alignment_path(kAlignmentFileName), reference,
                                                            settings.seed, settings.scale.positions, false);
  if (!alignment.ok()) return alignment.failure();
  add_alignment_entries(manifest, "alignment.", alignment.value());

  const std::vector<Gene> genes = generate_genes(reference.chromosomes(), settings.seed, settings.scale.positions);
  Result<FeatureSummary> features = write_feature_files(settings.folder, reference, genes, settings.scale.positions);
  if (!features.ok()) return features.failure();
  add_entry(manifest, "genes", features.value().genes);
  add_entry(manifest, "exons", features.value().exons);
  add_entry(manifest, "introns", features.value().introns);
  add_entry(manifest, "intergenic_regions", features.value().intergenic_regions);

  if (!settings.results_only) {
    if (Status written = write_whole_package_rest(settings, reference, manifest); !written.ok()) {
      return written.failure();
    }
  }

  if (settings.stress) {
    Result<WrittenAlignment> stress = write_alignment_file(alignment_path(kStressAlignmentFileName), reference,
                                                           settings.seed, settings.scale.positions, true);
    if (!stress.ok()) return stress.failure();
    add_alignment_entries(manifest, "stress_alignment.", stress.value());
    if (Status written = write_stress_folder(settings, reference, manifest); !written.ok()) return written.failure();
  }

  Status written = write_whole_file(manifest_path, [&](OutputFile& file) { file.write(manifest); });
  if (!written.ok()) return written.failure();
  return manifest;
}

}  // namespace vesmar::bench
