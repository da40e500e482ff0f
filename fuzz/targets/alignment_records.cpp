// The point scanner's reader of the alignment results file: whatever the
// bytes, it gives exactly the records that framing the file line by line
// gives (two lines when mut_reads is 0, four otherwise; a record cut off
// after its count lines still counts, one cut off after its first line does
// not), in order, with their positions and windows, and asks wanted() about
// them in the same way.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/line_reader.h"
#include "engine/number_reader.h"
#include "formats/alignment_results/record_walk.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/scratch.h"
#include "formats/alignment_results/point_record_reader.h"
#include "genome_scan/hit_test.h"

namespace vesmar::fuzz {
namespace {

struct Seen {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  std::string read_window;
  std::string reference_window;
  friend bool operator==(const Seen&, const Seen&) = default;
};

std::string describe(const std::vector<Seen>& records) {
  std::string text;
  for (const Seen& r : records) {
    text += std::to_string(r.position) + " (" + std::to_string(r.wt_reads) + "," +
            std::to_string(r.mut_reads) + ") [" + r.read_window + "] [" + r.reference_window + "]\n";
  }
  return text;
}

// The records as a plain loop over the lines frames them.
template <class Wanted>
std::vector<Seen> framed_line_by_line(std::string_view text, bool zero_mutants_wanted, Wanted wanted) {
  enum class Expect { WtReads, MutReads, ReadWindow, ReferenceWindow };
  std::vector<Seen> records;
  const std::vector<std::string_view> lines = pieces(text);
  Expect expect = Expect::WtReads;
  Seen current;
  std::int64_t position = 0;
  bool keep = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (i + 1 == lines.size()) {
      // The piece after the last line feed: a first count there begins no
      // record, and an empty piece is no mutant count.
      if (expect == Expect::WtReads) break;
      if (expect == Expect::MutReads && line.empty()) break;
    }
    switch (expect) {
      case Expect::WtReads:
        current = Seen{};
        current.wt_reads = read_atoi(line);
        expect = Expect::MutReads;
        break;
      case Expect::MutReads:
        current.mut_reads = read_atoi(line);
        current.position = ++position;
        keep = (zero_mutants_wanted || current.mut_reads != 0) && wanted(current.wt_reads, current.mut_reads);
        if (current.mut_reads != 0) {
          expect = Expect::ReadWindow;
        } else {
          if (keep) records.push_back(current);
          expect = Expect::WtReads;
        }
        break;
      case Expect::ReadWindow:
        current.read_window.assign(line);
        expect = Expect::ReferenceWindow;
        break;
      case Expect::ReferenceWindow:
        current.reference_window.assign(line);
        if (keep) records.push_back(current);
        expect = Expect::WtReads;
        break;
    }
  }
  // A record cut off after its counts, with the windows that were read.
  if ((expect == Expect::ReadWindow || expect == Expect::ReferenceWindow) && keep) records.push_back(current);
  return records;
}

}  // namespace
}  // namespace vesmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choices = input.byte();
  const bool zero_mutants_wanted = (choices & 1) != 0;
  // One input in four is read in blocks of 64 to 319 bytes, so that block
  // boundaries fall all through it.
  const bool small_blocks = (choices & 0xC0) == 0xC0;
  const int wanted_kind = (choices >> 2) & 3;
  HitThresholds thresholds;
  thresholds.mut_wt_ratio = static_cast<double>(input.byte() % 16) / 4.0;
  thresholds.min_mut_reads = static_cast<std::int8_t>(input.byte());
  // As its caller does, wanted() itself refuses the records without mutant
  // reads when zero_mutants_wanted is false. (The reader asks wanted() about
  // a mutant count that reads as 0 without being the line "0", such as
  // "0\r", and would keep such a record if wanted() said yes.)
  auto wanted = [&](std::int32_t wt_reads, std::int32_t mut_reads) {
    if (!zero_mutants_wanted && mut_reads == 0) return false;
    switch (wanted_kind) {
      case 0:
        return is_hit(wt_reads, mut_reads, thresholds);
      case 1:
        return true;
      case 2:
        return ((wt_reads ^ mut_reads) & 1) != 0;
      default:
        return false;
    }
  };
  const std::size_t block = small_blocks ? 64 + std::size_t{input.byte()} : ReadAhead::kDefaultBlockSize;
  const std::string_view text = input.rest();

  const std::vector<Seen> expected = framed_line_by_line(text, zero_mutants_wanted, wanted);
  // Both builds of the bulk walk, where the processor has the wide one.
  for (const bool wide : {true, false}) {
    set_wide_walks(wide);
    std::vector<Seen> seen;
    LineReader reader = memory_reader(text, "alignment results", block);
    const Status status = read_alignment_records(
        reader, zero_mutants_wanted,
        [&](std::int32_t wt_reads, std::int32_t mut_reads) { return wanted(wt_reads, mut_reads); },
        [&](const AlignmentRecord& record) {
          seen.push_back(Seen{record.position, record.wt_reads, record.mut_reads,
                              std::string(record.read_window), std::string(record.reference_window)});
        });
    FUZZ_CHECK(status.ok(), status.failure().message);
    FUZZ_CHECK(seen == expected, std::string(wide ? "wide" : "plain") + " walk read:\n" +
                                     describe(seen) + "expected:\n" + describe(expected));
  }
  set_wide_walks(true);
  return 0;
}
