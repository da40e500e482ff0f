#include "alignment_counts/chromosome_names.h"

#include <gtest/gtest.h>

#include <optional>

namespace vesmar {
namespace {

TEST(GenomeChromosomeIndex, TakesTheNumeralsAndTheirCommonSpellings) {
  struct Case {
    const char* name;
    std::optional<std::size_t> index;
  };
  const Case cases[] = {
      {"I", 0},          {"II", 1},          {"III", 2},          {"IV", 3},           {"V", 4},
      {"X", 5},          {"chrI", 0},        {"chrV", 4},         {"Chr_X", 5},        {"CHRIII", 2},
      {"CHROMOSOME_I", 0}, {"chromosome_IV", 3}, {"ChromosomeII", 1},
      // Not chromosomes of the genome, or not spelt as one.
      {"MtDNA", std::nullopt}, {"chrM", std::nullopt}, {"i", std::nullopt}, {"chri", std::nullopt},
      {"VI", std::nullopt},    {"chrI ", std::nullopt}, {"1", std::nullopt}, {"chr", std::nullopt},
      {"", std::nullopt},      {"chr_chrI", std::nullopt}, {"chrIII_random", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(genome_chromosome_index(c.name), c.index) << '"' << c.name << '"';
}

}  // namespace
}  // namespace vesmar
