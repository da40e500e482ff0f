#include "package_generator/joined_genome.h"

#include <gtest/gtest.h>

namespace vesmar::generator {
namespace {

TEST(JoinedGenome, EachChromosomeStartsWhereThePaddingOfTheOneBeforeEnds) {
  const ChromosomeBases bases[] = {{"I", 3000}, {"II", 1}, {"III", 120}};
  const std::vector<Chromosome> joined = join_chromosomes(bases);
  ASSERT_EQ(joined.size(), 3u);
  const std::int64_t offsets[] = {0, 3050, 3100};
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(joined[i].offset, offsets[i]) << joined[i].name;
  // A position belongs to the chromosome whose own bases or padding hold it.
  const std::pair<std::int64_t, std::string_view> positions[] = {{0, "I"},     {3050, "I"},   {3051, "II"},
                                                                 {3100, "II"}, {3101, "III"}, {9999, "III"}};
  for (const auto& [position, name] : positions)
    EXPECT_EQ(chromosome_at(joined, position).name, name) << position;
}

}  // namespace
}  // namespace vesmar::generator
