// The gap scanner's reader of the alignment results file: whatever the
// bytes, every line of at most 6 characters is a count, read as atoi reads
// it, and the counts alternate between first and second of a pair; longer
// lines are passed over; the piece after the last line feed is a count too,
// unless it is empty where a second count is due. A run of pairs with WT
// reads and no mutant read may come as one wt_only_positions(n) call, which
// must stand for exactly such pairs.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/line_reader.h"
#include "engine/number_reader.h"
#include "formats/alignment_results/record_walk.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "formats/alignment_results/count_pair_reader.h"

namespace vesmar::fuzz {
namespace {

// Each count as it was delivered: as the first or the second of its pair.
struct Count {
  bool second = false;
  std::int32_t value = 0;
  friend bool operator==(const Count&, const Count&) = default;
};

// What the reader delivered, in order; a run of WT-only positions is one
// entry with `run` set to its length.
struct Delivered {
  Count count;
  std::int64_t run = 0;
};

struct Recorder {
  std::vector<Delivered> delivered;
  void first_count(std::int32_t value) { delivered.push_back(Delivered{Count{false, value}}); }
  void second_count(std::int32_t value) { delivered.push_back(Delivered{Count{true, value}}); }
  void wt_only_positions(std::int64_t count) { delivered.push_back(Delivered{Count{}, count}); }
};

// Whether the delivered counts are the expected ones, a run standing for as
// many pairs of a first count of at least 1 and a second count of 0.
bool same_counts(const std::vector<Delivered>& delivered, const std::vector<Count>& expected) {
  std::size_t next = 0;
  for (const Delivered& d : delivered) {
    if (d.run == 0) {
      if (next >= expected.size() || !(expected[next] == d.count)) return false;
      ++next;
      continue;
    }
    if (d.run < 0 || next % 2 != 0) return false;
    for (std::int64_t i = 0; i < d.run; ++i, next += 2) {
      if (next + 1 >= expected.size() || expected[next].value < 1 || expected[next + 1].value != 0)
        return false;
    }
  }
  return next == expected.size();
}

std::vector<Count> counted_line_by_line(std::string_view text) {
  std::vector<Count> counts;
  const std::vector<std::string_view> lines = pieces(text);
  bool second = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.size() > kLongestCountLine) continue;
    if (i + 1 == lines.size() && second && line.empty()) break;
    counts.push_back(Count{second, read_atoi(line)});
    second = !second;
  }
  return counts;
}

std::string describe(const std::vector<Count>& counts) {
  std::string text;
  for (const Count& count : counts) {
    text += count.second ? ' ' : '\n';
    text += std::to_string(count.value);
  }
  return text;
}

std::string describe(const std::vector<Delivered>& delivered) {
  std::string text;
  for (const Delivered& d : delivered) {
    text += d.count.second ? ' ' : '\n';
    if (d.run != 0) {
      text += '(';
      text += std::to_string(d.run);
      text += " WT-only positions)";
    } else {
      text += std::to_string(d.count.value);
    }
  }
  return text;
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);
  // One input in four is read in blocks of 64 to 319 bytes, so that block
  // boundaries fall all through it.
  const std::uint8_t choices = input.byte();
  const bool small_blocks = (choices & 0xC0) == 0xC0;
  const std::size_t block = small_blocks ? 64 + std::size_t{input.byte()} : ReadAhead::kDefaultBlockSize;
  const std::string_view text = input.rest();

  const std::vector<Count> expected = counted_line_by_line(text);
  // Both builds of the bulk walk, where the processor has the wide one.
  for (const bool wide : {true, false}) {
    set_wide_walks(wide);
    Recorder recorder;
    LineReader reader = memory_reader(text, "alignment results", block);
    const Status status = read_count_pairs(reader, recorder);
    FUZZ_CHECK(status.ok(), status.failure().message);
    FUZZ_CHECK(same_counts(recorder.delivered, expected), std::string(wide ? "wide" : "plain") +
                                                              " walk read:" + describe(recorder.delivered) +
                                                              "\nexpected:" + describe(expected));
  }
  set_wide_walks(true);
  return 0;
}
