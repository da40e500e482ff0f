#include "package_generator/genetic_code_file.h"

#include <gtest/gtest.h>

#include <set>

#include "testing/text_lines.h"

namespace vesmar::generator {
namespace {

TEST(GeneticCode, ListsTheSixtyFourCodonsInOrderAndNamesStopsAsGiven) {
  for (const std::string stop : {"Ter", "Stp"}) {
    const std::vector<std::string> lines = testing::lines_of(genetic_code_text(stop));
    ASSERT_EQ(lines.size(), 64u);
    const std::pair<std::size_t, std::string> expected[] = {{0, "tttPhe"},      {10, "taa" + stop},
                                                            {11, "tag" + stop}, {14, "tga" + stop},
                                                            {35, "atgMet"},     {63, "gggGly"}};
    for (const auto& [index, line] : expected) EXPECT_EQ(lines[index], line);
    std::set<std::string> codons;
    for (const std::string& line : lines) codons.insert(line.substr(0, 3));
    EXPECT_EQ(codons.size(), 64u);
  }
}

}  // namespace
}  // namespace vesmar::generator
