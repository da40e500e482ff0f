#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vesmar {

// What a line of a VCF or BED file is to the overview.
enum class LineKind {
  Record,           // a record on one of the layout's chromosomes
  Header,           // a header or comment line
  OtherChromosome,  // a record on a chromosome the layout does not hold: it has no place on the page
  Malformed,        // no record the files' writers would write: left out
};

// What reading one input file found, for the page and the warnings.
struct FileTally {
  std::string path;
  std::int64_t records = 0;  // records on the layout's chromosomes
  std::int64_t other_chromosomes = 0;
  std::int64_t malformed = 0;
  std::int64_t first_malformed_line = 0;     // 0: none
  std::int64_t first_out_of_order_line = 0;  // 0: the records are in genome order
  // The run's settings as the header records them: "##key=value" lines of
  // the keys the scanners write, in the file's order.
  std::vector<std::pair<std::string, std::string>> settings;
};

}  // namespace vesmar
