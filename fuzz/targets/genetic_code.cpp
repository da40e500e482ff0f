// The genetic_code.txt reader: whatever the bytes, every line of at least
// three characters maps its first three to the (up to) three after them, a
// later line for the same codon winning, and nothing else is in the table.
#include <cstdint>
#include <map>
#include <string>

#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "formats/feature_locations/exon_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch_path("genetic_code.txt");
  write_file(path, text);

  Result<GeneticCode> code = load_genetic_code(path);
  FUZZ_CHECK(code.ok(), code.failure().message);

  std::map<std::string, std::string> expected;
  for (const std::string_view line : pieces(text)) {
    if (line.size() >= 3) expected[std::string(line.substr(0, 3))] = std::string(line.substr(3, 3));
  }
  const std::map<std::string, std::string> loaded(code.value().begin(), code.value().end());
  FUZZ_CHECK(loaded == expected);
  for (const auto& [codon, amino_acid] : loaded) FUZZ_CHECK(codon.size() == 3 && amino_acid.size() <= 3);
  return 0;
}
