#include "formats/feature_locations/name_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vesmar {
namespace {

// Names that share long prefixes, differ in one byte or in length only, and
// enough of them to make the index grow many times: every one must keep its
// own value, as a map would.
TEST(NameTable, KeepsEveryNameApartAsItGrows) {
  NameTable<int> table;
  std::map<std::string, int> expected;
  for (int i = 0; i < 70000; ++i) {
    const std::string name = "gene" + std::to_string(i / 7) + ".exon" + std::to_string(i % 7);
    table[name] = i;
    expected[name] = i;
  }
  for (const std::string name : {"", "g", "gene1.exon", "gene1.exon10", "gene1.exon1 "}) {
    table[name] += 5;
    expected[name] += 5;
  }
  ASSERT_EQ(table.size(), expected.size());
  for (const auto& [name, value] : expected) {
    const int* found = table.find(name);
    ASSERT_NE(found, nullptr) << name;
    EXPECT_EQ(*found, value) << name;
  }
  EXPECT_EQ(table.find("gene99999.exon0"), nullptr);
  EXPECT_EQ(table.find("gene1.exon1\n"), nullptr);
  const std::map<std::string, int> entries(table.begin(), table.end());
  EXPECT_EQ(entries, expected);
}

TEST(NameTable, AnEmptyTableFindsNothing) {
  const NameTable<int> table;
  EXPECT_EQ(table.find(""), nullptr);
  EXPECT_EQ(table.find("gene1.exon1"), nullptr);
  EXPECT_EQ(table.size(), 0u);
}

}  // namespace
}  // namespace vesmar
