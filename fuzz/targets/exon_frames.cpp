// The exon_frames.txt reader: whatever the bytes, the lines form groups of
// four (name, five_prime_skip, three_prime_skip, start_frame); each number
// line sets its value for the group's name as atoi reads it, a later group
// with the same name replacing the values it reaches; a name alone adds
// nothing.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/number_reader.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "formats/feature_locations/exon_tables.h"

namespace {

struct Frame {
  std::int32_t five_prime_skip = 0;
  std::int32_t three_prime_skip = 0;
  std::int32_t start_frame = 0;
  friend bool operator==(const Frame&, const Frame&) = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch_path("exon_frames.txt");
  write_file(path, text);

  Result<ExonFrames> frames = load_exon_frames(path);
  FUZZ_CHECK(frames.ok(), frames.failure().message);

  std::map<std::string, Frame> expected;
  const std::vector<std::string_view> lines = pieces(text);
  for (std::size_t group = 0; group < lines.size(); group += 4) {
    const std::string name(lines[group]);
    if (group + 1 < lines.size()) expected[name].five_prime_skip = read_atoi(lines[group + 1]);
    if (group + 2 < lines.size()) expected[name].three_prime_skip = read_atoi(lines[group + 2]);
    if (group + 3 < lines.size()) expected[name].start_frame = read_atoi(lines[group + 3]);
  }
  std::map<std::string, Frame> loaded;
  for (const auto& [name, frame] : frames.value()) {
    loaded[std::string(name)] = Frame{frame.five_prime_skip, frame.three_prime_skip, frame.start_frame};
  }
  FUZZ_CHECK(loaded == expected);
  return 0;
}
