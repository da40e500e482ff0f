#include "genome/genome_padding.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(PaddingLength, FillsTheLastBlockOfFiftyAndAWholeBlockIsFollowedByAFullOne) {
  struct Case {
    std::uint64_t length;
    std::size_t padding;
  };
  const Case cases[] = {{0, 50},   {1, 49},   {37, 13},  {44, 6},  {46, 4}, {49, 1},
                        {50, 50},  {51, 49},  {99, 1},   {100, 50}, {15072399, 1},
                        {std::uint64_t{1} << 40, 24}};
  for (const Case& c : cases) EXPECT_EQ(padding_length(c.length), c.padding) << "length " << c.length;
}

}  // namespace
}  // namespace vesmar
