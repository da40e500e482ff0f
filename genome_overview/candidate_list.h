#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/snp_vcf/vcf_record.h"

namespace vesmar {

// An exon SNP that changes a protein, with its texts decoded.
struct Candidate {
  int chromosome = 0;
  std::int64_t position = 0;
  std::string ref, alt, region, consequence, codons, amino_acids;
  std::int64_t wt_reads = -1;
  std::int64_t mut_reads = -1;
  double share = -1;
};

// The SNPs that change a protein, the ones a user looks at first. A
// genome-scale run has hundreds of thousands, so the list keeps the
// kListed that look most like the strain's own: the highest mutant share
// (in a mapping cross the causal mutation's is near 1), then the most
// mutant reads, then the earliest in the genome.
class CandidateList {
 public:
  static constexpr std::size_t kListed = 100;

  void offer(const SnpRecord& snp);
  // How many were offered; those beyond kListed are not listed.
  std::int64_t offered() const { return offered_; }
  // The kept ones, in genome order.
  std::vector<Candidate> listed() const;

 private:
  std::vector<Candidate> kept_;  // a heap with the weakest on top
  std::int64_t offered_ = 0;
};

}  // namespace vesmar
