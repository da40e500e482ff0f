#include "genome_overview/candidate_list.h"

#include <algorithm>

#include "formats/record_lines/field_text.h"

namespace vesmar {

namespace {

// Whether `a` is listed before `b` when only one can be.
bool stronger(double a_share, std::int64_t a_mut, std::pair<int, std::int64_t> a_place, const Candidate& b) {
  if (a_share != b.share) return a_share > b.share;
  if (a_mut != b.mut_reads) return a_mut > b.mut_reads;
  return a_place < std::pair(b.chromosome, b.position);
}

bool stronger_candidate(const Candidate& a, const Candidate& b) {
  return stronger(a.share, a.mut_reads, {a.chromosome, a.position}, b);
}

}  // namespace

void CandidateList::offer(const SnpRecord& snp) {
  ++offered_;
  const double share = snp.mutant_share();
  if (kept_.size() == kListed) {
    if (!stronger(share, snp.mut_reads, snp.key(), kept_.front())) return;
    std::pop_heap(kept_.begin(), kept_.end(), stronger_candidate);
    kept_.pop_back();
  }
  kept_.push_back(Candidate{snp.chromosome, snp.position, percent_decoded(snp.ref), percent_decoded(snp.alt),
                            percent_decoded(snp.region), percent_decoded(snp.consequence), percent_decoded(snp.codons),
                            percent_decoded(snp.amino_acids), snp.wt_reads, snp.mut_reads, share});
  std::push_heap(kept_.begin(), kept_.end(), stronger_candidate);
}

std::vector<Candidate> CandidateList::listed() const {
  std::vector<Candidate> listed = kept_;
  std::sort(listed.begin(), listed.end(), [](const Candidate& a, const Candidate& b) {
    return std::pair(a.chromosome, a.position) < std::pair(b.chromosome, b.position);
  });
  return listed;
}

}  // namespace vesmar
