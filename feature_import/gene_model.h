#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/failure.h"
#include "feature_import/annotation_reader.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// The gene models of an annotation: its transcripts, each with its exons in
// transcript order (5' to 3') and the coding part of each exon.

// Bases `first` to `last` of a chromosome, 1-based, both included.
struct Span {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::int64_t length() const { return last - first + 1; }
};

// One exon of a transcript and its coding bases: `coding` is empty
// (length 0) for an exon without any. `start_frame` is the codon place (1,
// 2, 3) of its first coding base in transcript order.
struct ModelExon {
  Span span;
  Span coding{0, -1};
  int start_frame = 1;
  bool has_coding() const { return coding.last >= coding.first; }
};

struct Transcript {
  std::string name;  // the name its regions carry
  std::string gene;  // the gene's name
  std::size_t gene_index = 0;
  std::size_t chromosome = 0;  // in the layout
  bool forward = true;
  std::vector<ModelExon> exons;  // transcript order
  std::int64_t coding_length = 0;
  Span extent() const;  // from its lowest exon base to its highest
};

// What the annotation held beside the transcripts, for the summary.
struct ModelCounts {
  std::int64_t genes = 0;
  std::int64_t transcripts = 0;              // coding and non-coding, before the choice
  std::int64_t coding_transcripts = 0;
  std::int64_t unknown_sequence_features = 0;  // on sequences the FASTA files lack
  std::vector<std::string> unknown_sequences;  // their names, in order of appearance
  std::int64_t skipped_features = 0;           // on sequences left out by name
  std::int64_t parentless_parts = 0;           // exon or CDS lines naming no transcript (old models)
  std::int64_t phase_disagreements = 0;        // CDS phases that the length before them contradicts
  std::int64_t unsplittable_transcripts = 0;   // CDS pieces that overlap, or two in one exon: left out
  std::int64_t renamed_transcripts = 0;        // names with "exon" in them, or taken by another transcript
};

struct GeneModels {
  std::vector<std::string> genes;         // gene names, in order of first appearance
  std::vector<Transcript> transcripts;    // in order of first appearance in the file
  ModelCounts counts;
};

// The exon, CDS, UTR and stop codon lines of an annotation gathered by the
// transcripts they name, then turned into gene models.
class GeneModelBuilder {
 public:
  // Chromosome names are matched against `layout` (exactly or by the usual
  // spellings); features on a sequence named in `skipped` are left out.
  GeneModelBuilder(const ChromosomeLayout& layout, std::vector<std::string> skipped);
  ~GeneModelBuilder();
  GeneModelBuilder(const GeneModelBuilder&) = delete;
  GeneModelBuilder& operator=(const GeneModelBuilder&) = delete;

  // Takes one feature line. Fails (the reader adds the file and line) for a
  // part of a transcript with a strand other than + or -, a CDS without a
  // phase, or one that runs beyond its chromosome's end.
  Status add(const AnnotationFeature& feature);

  // The transcripts. Fails, naming the file and line, for parts of one
  // transcript on two chromosomes or strands, and for a CDS outside the
  // transcript's exons.
  Result<GeneModels> build(std::string_view file_name);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Which transcripts are written: by default one per gene, the one with the
// longest CDS (the first in the file of those as long; for a gene without a
// coding transcript, its first); with `all_transcripts` every coding
// transcript, and every transcript of a gene without one. Indexes into
// models.transcripts, in file order.
std::vector<std::size_t> chosen_transcripts(const GeneModels& models, bool all_transcripts);

// The codon place (1, 2, 3) of a CDS's first base from its phase, the bases
// to skip before the first whole codon: 0 gives 1, 1 gives 3, 2 gives 2.
constexpr int start_frame_of_phase(int phase) { return (3 - phase) % 3 + 1; }

// The region name of a transcript or gene: the annotation's identifier
// without the prefix that names its kind ("Transcript:", "gene:", "rna-").
std::string plain_name(std::string_view id);

}  // namespace vesmar
