// The GFF3/GTF reader and the gene models built from it: whatever the bytes,
// the read ends with models or a failure that names the file and a line, and
// the models and the feature tables made from them hold what the scanners
// expect: exons in transcript order that do not overlap, on their
// chromosome, coding parts inside them with a codon place of 1 to 3, every
// region with start <= end and every exon's sequence as long as the exon.
#include <cstdint>
#include <string>

#include "feature_import/annotation_reader.h"
#include "feature_import/feature_tables.h"
#include "feature_import/gene_model.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"

namespace {

using namespace vesmar;

void check_models(const GeneModels& models, const ChromosomeLayout& layout) {
  for (const Transcript& transcript : models.transcripts) {
    FUZZ_CHECK(transcript.chromosome < layout.chromosomes.size());
    FUZZ_CHECK(!transcript.exons.empty());
    FUZZ_CHECK(transcript.name.find("exon") == std::string::npos, transcript.name);
    for (std::size_t k = 0; k < transcript.exons.size(); ++k) {
      const ModelExon& exon = transcript.exons[k];
      FUZZ_CHECK(1 <= exon.span.first && exon.span.first <= exon.span.last);
      FUZZ_CHECK(exon.span.last <= layout.chromosomes[transcript.chromosome].length);
      if (exon.has_coding()) {
        FUZZ_CHECK(exon.span.first <= exon.coding.first && exon.coding.last <= exon.span.last);
        FUZZ_CHECK(1 <= exon.start_frame && exon.start_frame <= 3);
      }
      if (k > 0) {
        const Span& before = transcript.exons[k - 1].span;
        FUZZ_CHECK(transcript.forward ? before.last < exon.span.first : exon.span.last < before.first);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch_path("annotation.gff3");
  write_file(path, text);

  const ChromosomeLayout layout = layout_from_lengths({{"I", 300}, {"chrII", 120}}, "fuzz").value();
  const std::string bases_i(300, 'a');
  const std::string bases_ii(120, 'c');
  GeneModelBuilder builder(layout, {"MtDNA"});
  Result<LineReader> reader = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  FUZZ_CHECK(reader.ok(), reader.failure().message);
  const Status read = read_annotation(reader.value(), [&](const AnnotationFeature& feature) {
    FUZZ_CHECK(1 <= feature.start && feature.start <= feature.end);
    FUZZ_CHECK(-1 <= feature.phase && feature.phase <= 2);
    return builder.add(feature);
  });
  if (!read.ok()) {
    FUZZ_CHECK(read.failure().message.starts_with(path + " "), read.failure().message);
    return 0;
  }
  Result<GeneModels> models = builder.build(path);
  if (!models.ok()) {
    FUZZ_CHECK(models.failure().message.starts_with(path + " line "), models.failure().message);
    return 0;
  }
  check_models(models.value(), layout);
  for (const bool all : {false, true}) {
    const FeatureLocations tables =
        feature_tables(models.value(), chosen_transcripts(models.value(), all), layout, {&bases_i, &bases_ii}, {});
    for (const auto* regions : {&tables.exons, &tables.introns, &tables.intergenic}) {
      for (const RegionRecord& region : *regions) FUZZ_CHECK(region.start <= region.end);
    }
    FUZZ_CHECK(tables.exon_sequences.size() == tables.exons.size());
    for (std::size_t i = 0; i < tables.exon_sequences.size(); ++i) {
      const ExonFrame& frame = tables.exon_frames[i].frame;
      FUZZ_CHECK(frame.five_prime_skip >= 0 && frame.three_prime_skip >= 0);
      FUZZ_CHECK(1 <= frame.start_frame && frame.start_frame <= 3);
    }
  }
  return 0;
}
