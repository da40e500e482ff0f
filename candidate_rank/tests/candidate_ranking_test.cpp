#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "candidate_rank/candidate_ranking.h"

namespace vesmar {
namespace {

Candidate candidate(std::string label, bool linked, CandidateClass candidate_class, bool homozygous, bool ems) {
  Candidate c;
  c.first = c.last = 100;
  c.linked = linked;
  c.annotation.candidate_class = candidate_class;
  c.annotation.region = label;
  c.homozygous = homozygous;
  c.ems = ems;
  c.ref = ems ? 'G' : 'A';
  c.alt = ems ? 'A' : 'G';
  c.mut_reads = homozygous ? 20 : 10;
  c.wt_reads = homozygous ? 0 : 10;
  return c;
}

std::vector<std::string> order_of(std::vector<Candidate> candidates, Mutagen mutagen) {
  rank_candidates(candidates, mutagen);
  std::vector<std::string> order;
  for (const Candidate& c : candidates) order.push_back(c.annotation.region);
  return order;
}

TEST(CandidateRanking, EachRuleOutranksAllThatFollowIt) {
  using C = CandidateClass;
  struct Case {
    std::vector<Candidate> candidates;
    std::vector<std::string> order;
  };
  const std::vector<Case> cases = {
      {{candidate("out", false, C::ProteinChange, true, true), candidate("in", true, C::Intergenic, false, false)},
       {"in", "out"}},
      {{candidate("intergenic", false, C::Intergenic, true, true), candidate("intron", false, C::Intron, true, true),
        candidate("exon", false, C::ExonOther, true, true), candidate("protein", false, C::ProteinChange, false, false),
        candidate("none", false, C::Outside, true, true)},
       {"protein", "exon", "intron", "intergenic", "none"}},
      {{candidate("het", true, C::Intron, false, true), candidate("hom", true, C::Intron, true, false)}, {"hom", "het"}},
      {{candidate("other", true, C::Intron, true, false), candidate("ems", true, C::Intron, true, true)},
       {"ems", "other"}},
  };
  for (const Case& c : cases) EXPECT_EQ(order_of(c.candidates, Mutagen::Ems), c.order);
}

TEST(CandidateRanking, ScoresAndReasonsSayWhy) {
  std::vector<Candidate> candidates = {candidate("ves-1.exon2", true, CandidateClass::ProteinChange, true, true)};
  candidates[0].annotation.consequence = "stop_gained";
  candidates[0].annotation.amino_acids = "Trp>Stp";
  candidates[0].strains_with_gene = {"m2"};
  rank_candidates(candidates, Mutagen::Ems);
  EXPECT_EQ(candidates[0].score, 1411);
  EXPECT_EQ(candidates[0].reasons,
            "in the linked interval; stop_gained Trp>Stp in ves-1.exon2; homozygous (share 1.00 of 20 reads); EMS G>A; "
            "same gene in m2");
}

TEST(CandidateRanking, WithoutTheMutagenItsSignatureCountsNothing) {
  std::vector<Candidate> candidates = {candidate("other", true, CandidateClass::Intron, true, false),
                                       candidate("ems", true, CandidateClass::Intron, true, true)};
  rank_candidates(candidates, Mutagen::None);
  EXPECT_EQ(candidates[0].score, candidates[1].score);
  EXPECT_EQ(candidates[0].annotation.region, "other");  // then the position, and both are at 100
}

TEST(CandidateRanking, TiesGoToAnAlleleInAnotherStrainThenToTheGraverChange) {
  using C = CandidateClass;
  Candidate missense = candidate("missense", true, C::ProteinChange, true, true);
  missense.annotation.severity = 1;
  Candidate stop = candidate("stop", true, C::ProteinChange, true, true);
  stop.annotation.severity = 3;
  Candidate allele = candidate("allele", true, C::ProteinChange, true, true);
  allele.annotation.severity = 1;
  allele.strains_with_gene = {"m2"};
  EXPECT_EQ(order_of({missense, stop, allele}, Mutagen::Ems), (std::vector<std::string>{"allele", "stop", "missense"}));
}

TEST(CandidateRanking, EmsIsGToAOrCToT) {
  EXPECT_TRUE(ems_transition('G', 'A'));
  EXPECT_TRUE(ems_transition('c', 't'));
  EXPECT_FALSE(ems_transition('A', 'G'));
  EXPECT_FALSE(ems_transition('G', 'T'));
  EXPECT_FALSE(ems_transition('.', '.'));
}

}  // namespace
}  // namespace vesmar
