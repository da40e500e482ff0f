#include "formats/alignment_results/alignment_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesmar {
namespace {

// A read that shows a change, as it is offered.
struct Offer {
  bool centred;
  std::int64_t reach;
};

// The index of the read chosen from `offers`, in order.
int chosen(const std::vector<Offer>& offers) {
  WindowReadChoice choice;
  int index = -1;
  for (std::size_t i = 0; i < offers.size(); ++i) {
    if (choice.offer(offers[i].centred, offers[i].reach)) index = static_cast<int>(i);
  }
  return index;
}

TEST(WindowReadChoice, PrefersACentredReadThatReachesFurthestElseTheFirst) {
  struct Case {
    const char* what;
    std::vector<Offer> offers;
    int expected;
  };
  const Case cases[] = {
      {"one read", {{false, 40}}, 0},
      {"no read centred: the first, whatever the others reach", {{false, 40}, {false, 90}, {false, 50}}, 0},
      {"a centred read after uncentred ones", {{false, 90}, {true, 40}, {false, 95}}, 1},
      {"of centred reads, the one that reaches furthest", {{true, 40}, {true, 60}, {true, 50}}, 1},
      {"of centred reads that reach as far, the first", {{true, 60}, {true, 60}, {false, 99}}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(chosen(c.offers), c.expected) << c.what;
}

}  // namespace
}  // namespace vesmar
