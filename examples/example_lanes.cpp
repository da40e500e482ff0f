#include "examples/example_lanes.h"

#include <numeric>
#include <utility>

namespace vesmar::example {

namespace {

// Reads that the instrument's filter failed: they are listed among the
// others, with bases that are mostly noise.
constexpr int kFilteredPercent = 3;

// Quality values as the instrument wrote them (Phred + 64): high at the
// start of a read, lower towards its end, B where no base was called.
std::string qualities(const std::string& bases, RandomStream& random) {
  std::string values;
  for (std::size_t i = 0; i < bases.size(); ++i) {
    const int best = 40 - static_cast<int>(i) / 3;
    values += bases[i] == 'N' ? 'B' : static_cast<char>(64 + best - random.below(6));
  }
  return values;
}

std::string noise(RandomStream& random) {
  std::string bases;
  for (int b = 0; b < kReadLength; ++b) bases += "ACGTN"[random.below(5)];
  return bases;
}

// Moves on to the place of the next cluster on the lane's flow cell.
void next_place(generator::SolexaRead& place, RandomStream& random) {
  place.x += 1 + random.below(9);
  place.y = random.below(2048);
  if (place.x > 2000) {
    ++place.tile;
    place.x = 1 + random.below(9);
  }
}

ListedRead listed(generator::SolexaRead place, std::string bases, const SequencedRead* read,
                  RandomStream& random) {
  place.qualities = qualities(bases, random);
  place.bases = std::move(bases);
  place.passed_filter = read != nullptr;
  return {std::move(place), read};
}

}  // namespace

std::array<std::vector<ListedRead>, 2> list_in_lanes(const std::vector<SequencedRead>& reads,
                                                     RandomStream& random) {
  std::vector<std::size_t> order(reads.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  for (std::size_t i = order.size(); i > 1; --i) {
    std::swap(order[i - 1], order[static_cast<std::size_t>(random.below(static_cast<int>(i)))]);
  }
  std::array<std::vector<ListedRead>, 2> lanes;
  for (int lane = 1; lane <= 2; ++lane) {
    const std::size_t begin = lane == 1 ? 0 : order.size() / 2;
    const std::size_t end = lane == 1 ? order.size() / 2 : order.size();
    generator::SolexaRead place{lane, 1, 0, 0, "", "", true};
    for (std::size_t i = begin; i < end; ++i) {
      next_place(place, random);
      if (random.percent(kFilteredPercent)) {
        lanes[lane - 1].push_back(listed(place, noise(random), nullptr, random));
        place.x += 1;
      }
      const SequencedRead& read = reads[order[i]];
      lanes[lane - 1].push_back(listed(place, read.bases, &read, random));
    }
  }
  return lanes;
}

}  // namespace vesmar::example
