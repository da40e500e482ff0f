#include <gtest/gtest.h>

#include "genome/chromosome_offsets.h"
#include "genome/package_paths.h"
#include "genome/region_choice.h"

namespace vesmar {
namespace {

TEST(ChromosomeOffsets, SixNamesComparedExactly) {
  EXPECT_EQ(chromosome_offset("I"), 0);
  EXPECT_EQ(chromosome_offset("II"), 15072450);
  EXPECT_EQ(chromosome_offset("III"), 30351800);
  EXPECT_EQ(chromosome_offset("IV"), 44135500);
  EXPECT_EQ(chromosome_offset("V"), 61629300);
  EXPECT_EQ(chromosome_offset("X"), 82548900);
  for (const char* other : {"", "i", "Y", "chrI", "I\r", " I", "VI"}) {
    EXPECT_EQ(chromosome_offset(other), std::nullopt) << other;
    EXPECT_EQ(chromosome_index(other), std::nullopt) << other;
  }
  EXPECT_EQ(chromosome_index("I"), 0);
  EXPECT_EQ(chromosome_index("X"), 5);
}

TEST(RegionChoice, OnlyTheThreeLowercaseLettersEachWithItsRow) {
  struct Case {
    const char* answer;
    RegionChoice choice;
    const char* file_name;
    const char* vcf_class;
  };
  for (const Case& c : {Case{"e", RegionChoice::exons, "cexons.txt", "exon"},
                        Case{"i", RegionChoice::introns, "cintrons.txt", "intron"},
                        Case{"n", RegionChoice::intergenic, "cintergenic.txt", "intergenic"}}) {
    ASSERT_EQ(region_choice_for(c.answer), c.choice) << c.answer;
    EXPECT_EQ(row_of(c.choice).choice, c.choice);
    EXPECT_EQ(region_file_name(c.choice), c.file_name);
    EXPECT_EQ(row_of(c.choice).vcf_class, c.vcf_class);
  }
  for (const char* other : {"E", "exons", "e.", "", "x", "N", "e\r"}) {
    EXPECT_EQ(region_choice_for(other), std::nullopt) << other;
  }
}

TEST(PackagePaths, FolderAndName) {
  EXPECT_EQ(path_in(kSnpResultsFolder, "Anna_snp_cintrons.txt"),
            "Desktop/vesmar/SNP_results/Anna_snp_cintrons.txt");
}

}  // namespace
}  // namespace vesmar
