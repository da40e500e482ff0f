#include "examples/example_files.h"

#include <algorithm>
#include <sstream>

#include "genome/package_paths.h"
#include "examples/example_batch.h"
#include "examples/example_genome.h"
#include "examples/example_lanes.h"
#include "examples/example_sam.h"
#include "examples/example_sample.h"
#include "formats/alignment_results/results_writer.h"
#include "package_generator/fasta_file.h"
#include "formats/feature_locations/feature_location_files.h"
#include "package_generator/package_folders.h"
#include "package_generator/read_files.h"
#include "engine/whole_file.h"

namespace vesmar::example {

namespace {

constexpr std::uint64_t kSeed = 20090514;
// The instrument the example's reads come from, as its read files name it.
constexpr generator::ReadSource kInstrument{"HWI-EAS209", "6", "HWI-EAS209_0006"};

FeatureLocations feature_locations(const ReferenceGenome& reference) {
  const ChromosomeStretch chromosome[] = {{kChromosomeName, {0, region_coordinate(kChromosomeLength)}}};
  return {exon_regions(reference.transcripts),
          intron_regions(reference.transcripts),
          intergenic_regions(reference.transcripts, chromosome, numbered_intergenic("I.intergenic")),
          reference.exon_sequences,
          reference.exon_frames,
          "Stp"};
}

Status write_alignment(const std::string& path, const std::vector<PositionRecord>& records) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  AlignmentResultsWriter file(*created.value());
  for (std::size_t position = 1; position < records.size(); ++position) {
    const PositionRecord& record = records[position];
    file.add(record.wt_reads, record.mut_reads, record.read_window, record.reference_window);
  }
  return created.value()->commit();
}

// Each lane in the three formats. FASTQ and FASTA leave out the clusters that
// failed the filter, as the instrument's export does; gseq marks them.
Status write_lane(const std::string& home, int lane, const std::vector<ListedRead>& listed) {
  const std::string stem = generator::path_under(home, kDesktopFolder, "lane" + std::to_string(lane));
  auto create = [&](std::string_view suffix, generator::ReadFileFormat format) {
    return generator::ReadFile::create(stem + std::string(suffix), format, kInstrument);
  };
  Result<generator::ReadFile> gseq = create("_gseq.txt", generator::ReadFileFormat::Gseq);
  if (!gseq.ok()) return gseq.failure();
  Result<generator::ReadFile> fastq = create(".fastq", generator::ReadFileFormat::Fastq);
  if (!fastq.ok()) return fastq.failure();
  Result<generator::ReadFile> fasta = create(".fasta", generator::ReadFileFormat::Fasta);
  if (!fasta.ok()) return fasta.failure();
  for (const ListedRead& cluster : listed) {
    gseq.value().add(cluster.record);
    if (!cluster.record.passed_filter) continue;
    fastq.value().add(cluster.record);
    fasta.value().add(cluster.record);
  }
  for (generator::ReadFile* file : {&gseq.value(), &fastq.value(), &fasta.value()}) {
    if (Status committed = file->commit(); !committed.ok()) return committed;
  }
  return {};
}

std::string key_text(const std::vector<SequencedRead>& reads) {
  std::ostringstream text;
  text << "Changes planted in the example strain (genome positions on chromosome I)\n\n";
  for (const Substitution& change : planted_changes().substitutions) {
    text << change.position << "  " << change.reference << " -> " << change.changed << "  " << change.what
         << '\n';
  }
  for (const Deletion& deletion : planted_changes().deletions) {
    text << deletion.span.first << "-" << deletion.span.last << "  deleted  " << deletion.what << '\n';
  }
  const auto aligned =
      std::count_if(reads.begin(), reads.end(), [](const SequencedRead& read) { return read.aligned; });
  text << "\nAlso: no reads at all were sequenced from the places 880-919 (so positions 911-919 are\n"
          "covered by no read), 8 reads carry one sequencing error each, and a few bases were not\n"
          "called (N in FASTQ and FASTA, . in gseq).\n"
       << reads.size() << " reads passed the instrument's filter; " << aligned
       << " of them align to the reference without a gap.\n";
  return text.str();
}

}  // namespace

Status write_example(const std::string& home) {
  RandomStream random(kSeed);
  const Result<ReferenceGenome> reference = build_reference(random, planted_reference_bases());
  if (!reference.ok()) return reference.failure();
  const Result<std::vector<SequencedRead>> reads = sequence_the_strain(reference.value(), random);
  if (!reads.ok()) return reads.failure();
  const Result<std::vector<PositionRecord>> records = align(reference.value(), reads.value());
  if (!records.ok()) return records.failure();
  const std::array<std::vector<ListedRead>, 2> lanes = list_in_lanes(reads.value(), random);

  if (Status made = generator::make_package_folders(home); !made.ok()) return made;
  const Result<std::int64_t> chromosome =
      generator::write_chromosome_file(home, kChromosomeName, reference.value().chromosome);
  if (!chromosome.ok()) return chromosome.failure();
  for (int lane = 1; lane <= 2; ++lane) {
    if (Status s = write_lane(home, lane, lanes[lane - 1]); !s.ok()) return s;
  }
  const std::string alignment = generator::path_under(home, kAlignmentResultsFolder, "Anna_run1.txt");
  if (Status s = write_alignment(alignment, records.value()); !s.ok()) return s;
  const std::string features = generator::path_under(home, kFeatureLocationsFolder, "");
  if (Status s = write_feature_locations(features, feature_locations(reference.value())); !s.ok()) return s;
  const std::string sam = generator::path_under(home, kDesktopFolder, "Anna_run1.sam");
  if (Status s = write_whole_file(
          sam, [&](OutputFile& file) { file.write(sam_text(lanes, reads.value(), kInstrument.name_prefix)); });
      !s.ok())
    return s;
  if (Status s = write_whole_file(home + "/planted_changes.txt",
                                             [&](OutputFile& file) { file.write(key_text(reads.value())); });
      !s.ok())
    return s;
  return write_batch(home, reference.value());
}

}  // namespace vesmar::example
