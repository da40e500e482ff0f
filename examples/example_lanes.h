#pragma once

#include <array>
#include <vector>

#include "examples/example_genome.h"
#include "examples/example_sample.h"
#include "package_generator/read_files.h"

namespace vesmar::example {

// One cluster as the instrument lists it in a lane's read files: its record
// and, unless the cluster failed the instrument's filter, the read it holds
// (and so where that read aligns).
struct ListedRead {
  generator::SolexaRead record;
  const SequencedRead* read = nullptr;  // into the reads given to list_in_lanes
};

// The reads in the order an instrument lists them (by tile and place, not by
// genome position), split over two lanes, with quality values and a few
// clusters that failed the filter in between.
std::array<std::vector<ListedRead>, 2> list_in_lanes(const std::vector<SequencedRead>& reads,
                                                     RandomStream& random);

}  // namespace vesmar::example
