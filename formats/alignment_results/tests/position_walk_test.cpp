#include "formats/alignment_results/position_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/program_run.h"
#include "formats/alignment_results/point_record_reader.h"

namespace vesmar {
namespace {

// A position as a reader tells it; a WT-only one (WT reads, no mutant read)
// as kWtOnly, however it came: in a run or on its own.
struct Seen {
  std::int32_t wt_reads;
  std::int32_t mut_reads;
  std::string read_window;
  std::string reference_window;
  bool operator==(const Seen&) const = default;
};
constexpr std::int32_t kWtOnly = -1;

Seen seen(std::int32_t wt, std::int32_t mut, std::string_view read, std::string_view reference) {
  if (mut == 0 && wt >= 1) return {kWtOnly, 0, "", ""};
  return {wt, mut, std::string(read), std::string(reference)};
}

struct Collected {
  std::vector<Seen> positions;
  void wt_only_positions(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) positions.push_back({kWtOnly, 0, "", ""});
  }
  void position(std::int32_t wt, std::int32_t mut, std::string_view read, std::string_view reference) {
    positions.push_back(seen(wt, mut, read, reference));
  }
};

std::vector<Seen> walked(const testing::ScratchFolder& folder, std::size_t block) {
  Result<LineReader> reader = LineReader::open(folder.path("run.txt"), LineReader::Decoding::Plain, block);
  EXPECT_TRUE(reader.ok());
  Collected collected;
  EXPECT_TRUE(read_positions(reader.value(), collected).ok());
  return collected.positions;
}

// What the point scanner's reader frames, every record wanted.
std::vector<Seen> framed(const testing::ScratchFolder& folder) {
  Result<LineReader> reader = LineReader::open(folder.path("run.txt"));
  EXPECT_TRUE(reader.ok());
  std::vector<Seen> positions;
  EXPECT_TRUE(read_alignment_records(
                  reader.value(), true, [](std::int32_t, std::int32_t) { return true; },
                  [&](const AlignmentRecord& r) {
                    positions.push_back(seen(r.wt_reads, r.mut_reads, r.read_window, r.reference_window));
                  })
                  .ok());
  return positions;
}

// A file of `records` records: mostly WT-only, some uncovered, some with
// mutant reads and windows; now and then a count the bulk walk cannot pass
// over ("+7", "07") or a short window it leaves to the line by line reading.
std::string random_file(std::uint32_t seed, int records) {
  std::uint32_t state = seed;
  auto next = [&] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  std::string text;
  for (int i = 0; i < records; ++i) {
    const std::uint32_t kind = next() % 20;
    if (kind < 13) {
      text += std::to_string(1 + next() % 40) + "\n0\n";
    } else if (kind < 15) {
      text += "0\n0\n";
    } else if (kind == 15) {
      text += (next() % 2 ? "+7\n0\n" : "07\n0\n");
    } else {
      const std::size_t width = kind == 16 && next() % 4 == 0 ? 5 : 13 + next() % 20;
      std::string window(width, 'a');
      for (char& c : window) c = "acgt"[next() % 4];
      std::string read = window;
      read[width > 12 ? 12 : 0] = 'n';
      text += std::to_string(next() % 5) + "\n" + std::to_string(1 + next() % 30) + "\n" + read + "\n" + window + "\n";
    }
  }
  return text;
}

TEST(PositionWalk, GivesEveryPositionAsThePointScannerFramesIt) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    testing::ScratchFolder folder;
    std::string file = random_file(seed, 60 + static_cast<int>(seed) * 40);
    if (seed % 3 == 0) file.pop_back();  // no final line feed
    if (seed % 4 == 0) file += "5";      // a record cut off after its first line
    if (seed % 5 == 0) file += "6\n2\nacgtacgtacgtac";  // cut off in its read window
    folder.write("run.txt", file);
    const std::vector<Seen> expected = framed(folder);
    for (const std::size_t block : {std::size_t{64}, std::size_t{100}, std::size_t{4096}, ReadAhead::kDefaultBlockSize}) {
      EXPECT_EQ(walked(folder, block), expected) << "seed " << seed << ", blocks of " << block;
    }
  }
}

TEST(PositionWalk, RunsOfWildTypeOnlyPositionsComeInBulk) {
  testing::ScratchFolder folder;
  std::string file;
  for (int i = 0; i < 500; ++i) file += "12\n0\n";
  file += "0\n0\n3\n4\nacgtacgtacgtaacgtacgtacgt\nacgtacgtacgtcacgtacgtacgt\n";
  folder.write("run.txt", file);
  struct Counted {
    std::int64_t in_runs = 0;
    std::int64_t one_by_one = 0;
    void wt_only_positions(std::int64_t count) { in_runs += count; }
    void position(std::int32_t, std::int32_t, std::string_view, std::string_view) { ++one_by_one; }
  } counted;
  Result<LineReader> reader = LineReader::open(folder.path("run.txt"));
  ASSERT_TRUE(reader.ok());
  ASSERT_TRUE(read_positions(reader.value(), counted).ok());
  EXPECT_EQ(counted.in_runs + counted.one_by_one, 502);
  EXPECT_GT(counted.in_runs, 400);
}

}  // namespace
}  // namespace vesmar
