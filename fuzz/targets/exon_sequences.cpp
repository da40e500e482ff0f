// The exon_sequences.txt reader: whatever the bytes, the lines pair up as a
// name and its sequence, a later pair with the same name winning; a name
// without its sequence line adds nothing.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "formats/feature_locations/exon_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch_path("exon_sequences.txt");
  write_file(path, text);

  Result<ExonSequences> sequences = load_exon_sequences(path);
  FUZZ_CHECK(sequences.ok(), sequences.failure().message);

  std::map<std::string, std::string> expected;
  const std::vector<std::string_view> lines = pieces(text);
  for (std::size_t i = 1; i < lines.size(); i += 2)
    expected[std::string(lines[i - 1])] = std::string(lines[i]);
  const std::map<std::string, std::string> loaded(sequences.value().begin(), sequences.value().end());
  FUZZ_CHECK(loaded == expected);
  return 0;
}
