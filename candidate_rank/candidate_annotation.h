#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "candidate_rank/strain_scan.h"
#include "engine/failure.h"
#include "genome_scan/codon_table.h"
#include "genome_scan/region_match.h"
#include "formats/feature_locations/exon_tables.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The classes of candidates, from the weakest: what a change does, as far
// as the region files and the exon tables tell.
enum class CandidateClass { Outside = 0, Intergenic = 1, Intron = 2, ExonOther = 3, ProteinChange = 4 };

// Where a change or stretch lies and what it does.
struct Annotation {
  CandidateClass candidate_class = CandidateClass::Outside;
  std::string region = ".";       // the region's name; for a stretch the exons it takes out
  std::string consequence = ".";  // as the VCF's CSQ names a codon change, or the region's kind
  std::string codons = ".";       // "gga>aga"
  std::string amino_acids = ".";  // "Gly>Arg"
  std::vector<std::string> genes; // of the exons it lies in or takes out
  int severity = 0;               // within a class: a lost protein 3, a lost stop 2, a changed amino acid 1
};

// The feature location files the scanners read: the three region files and
// the exon tables.
struct FeatureTables {
  RegionTable exons;
  RegionTable introns;
  RegionTable intergenic;
  ExonTables exon_tables;
};

// Loads them from Desktop/vesmar/Feature_locations/; fails naming the file.
Result<FeatureTables> load_feature_tables();

// Annotates changes (asked in genome order, as the scanners ask) and
// stretches with the scanners' rules: the first region of the exon file
// that reaches a change (from ten positions before to eight after it),
// else of the intron file, else of the intergenic file; in the coding part
// of an exon the codon change and its consequence, as Point_scan's VCF
// gives them; in an exon's reach outside it a splice region. A stretch
// takes the regions it overlaps as the gap scanner pairs them, all of the
// exon file's (naming them), else the first of the intron or intergenic
// file's.
class Annotator {
 public:
  explicit Annotator(const FeatureTables& tables);
  Annotation change(const StrainChange& change);
  Annotation stretch(const UncoveredStretch& stretch) const;

 private:
  // The regions of `table` that `stretch` overlaps, in file order.
  struct SortedRegions {
    const std::vector<Region>* regions = nullptr;
    std::vector<std::uint32_t> by_start;
    std::int64_t longest = 0;
  };
  static SortedRegions sorted(const std::vector<Region>& regions);
  static std::vector<std::uint32_t> overlapping(const SortedRegions& sorted, const UncoveredStretch& stretch);
  bool takes_coding_bases(const Region& exon, const UncoveredStretch& stretch) const;

  const FeatureTables& tables_;
  CodonTable codons_;
  RegionMatcher exon_matcher_;
  RegionMatcher intron_matcher_;
  RegionMatcher intergenic_matcher_;
  SortedRegions exons_;
  SortedRegions introns_;
  SortedRegions intergenic_;
};

}  // namespace vesmar
