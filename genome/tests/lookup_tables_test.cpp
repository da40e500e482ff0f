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

TEST(RegionChoice, OnlyTheThreeLowercaseLetters) {
  EXPECT_EQ(region_file_name_for("e"), "cexons.txt");
  EXPECT_EQ(region_file_name_for("i"), "cintrons.txt");
  EXPECT_EQ(region_file_name_for("n"), "cintergenic.txt");
  for (const char* other : {"E", "exons", "e.", "", "x", "N"}) {
    EXPECT_EQ(region_file_name_for(other), std::nullopt) << other;
  }
}

TEST(PackagePaths, FolderAndName) {
  EXPECT_EQ(path_in(kSnpResultsFolder, "Anna_snp_cintrons.txt"),
            "Desktop/vesmar/SNP_results/Anna_snp_cintrons.txt");
}

}  // namespace
}  // namespace vesmar
