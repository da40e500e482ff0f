// The list of SNPs that change a protein keeps the strongest candidates.
#include "genome_overview/candidate_list.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

SnpRecord snp(int chromosome, std::int64_t position, std::int64_t wt, std::int64_t mut) {
  SnpRecord record;
  record.chromosome = chromosome;
  record.position = position;
  record.region = "ves%2D1";
  record.wt_reads = wt;
  record.mut_reads = mut;
  return record;
}

TEST(CandidateList, KeepsTheHighestSharesThenTheMostReadsListedInGenomeOrder) {
  CandidateList list;
  // 150 weak candidates, then strong ones on X and I among them.
  for (int i = 1; i <= 150; ++i) list.offer(snp(1, i, 5, 5));
  list.offer(snp(5, 7, 0, 20));
  list.offer(snp(0, 9, 0, 30));
  list.offer(snp(2, 3, 1, 2));  // a share of 2/3: above the weak ones, below the two
  EXPECT_EQ(list.offered(), 153);
  const std::vector<Candidate> listed = list.listed();
  ASSERT_EQ(listed.size(), CandidateList::kListed);
  EXPECT_EQ(listed.front().position, 9);
  EXPECT_EQ(listed.front().region, "ves-1");
  EXPECT_EQ(listed[1].chromosome, 1);
  EXPECT_EQ(listed[1].position, 1);  // of equal ones, the earliest
  EXPECT_EQ(listed[97].position, 97);
  EXPECT_EQ(listed[98].chromosome, 2);
  EXPECT_EQ(listed.back().chromosome, 5);
}

}  // namespace
}  // namespace vesmar
