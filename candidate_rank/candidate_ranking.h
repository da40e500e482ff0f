#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "candidate_rank/candidate_annotation.h"
#include "candidate_rank/candidate_rank_settings.h"
#include "candidate_rank/linkage_map.h"
#include "candidate_rank/strain_scan.h"

namespace vesmar {

// One candidate of a strain: an own change or an own uncovered stretch.
struct Candidate {
  enum class Kind { Snp, Uncovered };
  Kind kind = Kind::Snp;
  std::int64_t first = 0;  // genome positions
  std::int64_t last = 0;
  int chromosome = 0;
  char ref = '.';
  char alt = '.';
  Annotation annotation;
  std::int32_t mut_reads = 0;
  std::int32_t wt_reads = 0;
  bool homozygous = false;
  bool ems = false;
  bool linked = false;
  std::vector<std::string> strains_with_gene;
  std::int64_t score = 0;
  std::string reasons;

  double share() const {
    const std::int64_t depth = std::int64_t{wt_reads} + mut_reads;
    return depth > 0 ? static_cast<double>(mut_reads) / static_cast<double>(depth) : 0;
  }
};

// Whether a change is the mutagen's: ethyl methanesulfonate turns G into A
// and C into T (on the genome's strand; either strand's G/C to A/T).
bool ems_transition(char ref, char alt);

// The candidates of one strain, annotated, not yet scored: its own changes
// then its own stretches, in genome order.
std::vector<Candidate> strain_candidates(std::span<const StrainChange> changes,
                                         std::span<const UncoveredStretch> stretches, Annotator& annotator,
                                         const LinkageMap& map, const GenomeSpans& spans,
                                         double homozygous_share);

// Names for each candidate of strain `index` the other ranked strains that
// have a candidate in one of its genes: two alleles of one gene.
void name_strains_with_gene(std::vector<std::vector<Candidate>>& batch, std::span<const std::string> names);

// The score, in one number whose digits order the rules: in a linked
// interval (1000), then the class (protein-changing 400, other exon 300,
// intron 200, intergenic 100), homozygous (10), the mutagen's signature (1;
// a stretch is no base change and is not ranked below one). Sorts the
// candidates by it, then by: another strain with a candidate in the gene,
// the severity (a lost protein, a lost stop, a changed amino acid), the
// share, the reads, the position. Writes the reasons.
void rank_candidates(std::vector<Candidate>& candidates, Mutagen mutagen);

}  // namespace vesmar
