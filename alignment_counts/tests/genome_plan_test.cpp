#include "alignment_counts/genome_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesmar {
namespace {

TEST(PlanGenome, PlacesTheChromosomesAtTheirOffsetsAndLeavesOutTheRest) {
  const std::vector<SequenceHeader> header = {
      {"chrI", 3000}, {"chrM", 13794}, {"chrIII", 13783650}, {"plasmid", 2686}, {"chrX", 17718942}};
  Result<GenomePlan> plan = plan_genome(header, "run.bam", built_in_layout());
  ASSERT_TRUE(plan.ok()) << plan.failure().message;
  const std::vector<PlannedChromosome>& chromosomes = plan.value().chromosomes;
  ASSERT_EQ(chromosomes.size(), 3u);
  EXPECT_EQ(chromosomes[0].name, "chrI");
  EXPECT_EQ(chromosomes[0].offset, 0);
  EXPECT_EQ(chromosomes[0].padded_end(), 3050);
  EXPECT_EQ(chromosomes[1].offset, 30351800);
  EXPECT_EQ(chromosomes[1].padded_end(), 30351800 + 13783700);
  EXPECT_EQ(chromosomes[2].offset, 82548900);
  EXPECT_EQ(plan.value().end(), 82548900 + 17718950);
  EXPECT_EQ(plan.value().chromosome_of_target, (std::vector<int>{0, -1, 1, -1, 2}));
}

TEST(PlanGenome, AChromosomeFillsItsRoomWithOnePaddingBaseAtMost) {
  // Chromosome I's room ends at II's offset, 15072450: 15072449 bases and one
  // "g" fill it.
  EXPECT_EQ(longest_chromosome(0), 15072449);
  EXPECT_TRUE(plan_genome(std::vector<SequenceHeader>{{"I", 15072449}}, "a.bam", built_in_layout()).ok());
  EXPECT_FALSE(plan_genome(std::vector<SequenceHeader>{{"I", 15072450}}, "a.bam", built_in_layout()).ok());
  // X's room ends at the last multiple of 50 that is a 32-bit number,
  // 2147483600: 2147483600 - 82548900 (X's offset) - 1 bases and one "g".
  EXPECT_EQ(longest_chromosome(5), 2064934699);
  EXPECT_TRUE(plan_genome(std::vector<SequenceHeader>{{"X", 2064934699}}, "a.bam", built_in_layout()).ok());
  EXPECT_FALSE(plan_genome(std::vector<SequenceHeader>{{"X", 2064934700}}, "a.bam", built_in_layout()).ok());
}

TEST(PlanGenome, FailsOnAHeaderThatCannotMakeTheGenome) {
  struct Case {
    const char* what;
    std::vector<SequenceHeader> header;
    std::string message;
  };
  const Case cases[] = {
      {"no chromosome of the genome", {{"chr1", 1000}, {"chrM", 100}},
       "run.bam: the header names none of the chromosomes I, II, III, IV, V, X (nor chrI, CHROMOSOME_I, ...): is "
       "the file aligned to this genome?"},
      {"one chromosome twice", {{"I", 1000}, {"chrI", 1000}},
       "run.bam: the header names chromosome I twice, as \"I\" and as \"chrI\""},
      {"out of the genome's order", {{"chrII", 1000}, {"chrI", 1000}},
       "run.bam: the header names \"chrII\" before \"chrI\", but the alignment results file follows the genome's "
       "order I, II, III, IV, V, X (samtools reheader and samtools sort make a file in that order)"},
      {"longer than its room", {{"I", 100}, {"chrIV", 17493800}},
       "run.bam: chromosome \"chrIV\" has 17493800 bases in the header, but the offset of chromosome V (61629300) "
       "leaves room for 17493799 with its padding: is the file aligned to another genome?"},
  };
  for (const Case& c : cases) {
    Result<GenomePlan> plan = plan_genome(c.header, "run.bam", built_in_layout());
    ASSERT_FALSE(plan.ok()) << c.what;
    EXPECT_EQ(plan.failure().message, c.message) << c.what;
  }
}

// With a layout file: its offsets, the usual spellings of its names, the
// genome's end, and a chromosome of another length is a failure naming both.
TEST(PlanGenome, WithALayoutFile) {
  const ChromosomeLayout layout =
      layout_from_lengths({{"I", 15072434}, {"II", 15279421}, {"III", 13783801}}, "chromosomes.txt").value();
  Result<GenomePlan> plan =
      plan_genome(std::vector<SequenceHeader>{{"chrII", 15279421}, {"chrIII", 13783801}}, "run.bam", layout);
  ASSERT_TRUE(plan.ok()) << plan.failure().message;
  EXPECT_EQ(plan.value().chromosomes[0].offset, 15072450);
  EXPECT_EQ(plan.value().chromosomes[0].genome_name, "II");
  EXPECT_EQ(plan.value().chromosomes[1].offset, 30351900);
  EXPECT_EQ(plan.value().end(), 44135750);

  const struct {
    std::vector<SequenceHeader> header;
    std::string message;
  } cases[] = {
      {{{"chrII", 15279350}},
       "run.bam's header gives the chromosome chrII 15279350 bases, chromosomes.txt 15279421: they are not the "
       "same genome"},
      {{{"chrV", 100}},
       "run.bam: the header names none of the chromosomes of chromosomes.txt: is the file aligned to this genome?"},
      {{{"III", 13783801}, {"II", 15279421}},
       "run.bam: the header names \"III\" before \"II\", but the alignment results file follows the genome's order "
       "I, II, III (samtools reheader and samtools sort make a file in that order)"},
  };
  for (const auto& c : cases) {
    Result<GenomePlan> failed = plan_genome(c.header, "run.bam", layout);
    ASSERT_FALSE(failed.ok()) << c.message;
    EXPECT_EQ(failed.failure().message, c.message);
  }
}

}  // namespace
}  // namespace vesmar
