#include "genome_scan/gap_detector.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "testing/program_run.h"

namespace vesmar {

void PrintTo(const GapEntry& entry, std::ostream* out) {
  *out << "(" << entry.gap_end << ", " << entry.gap_length << ", "
       << static_cast<int>(entry.comment) << ")";
}

namespace {

using Counts = std::vector<std::pair<std::int32_t, std::int32_t>>;
using Entries = std::vector<GapEntry>;

constexpr GapComment kNone = GapComment::None;
constexpr GapComment kOne = GapComment::FlankedByOneMutant;
constexpr GapComment kTwo = GapComment::FlankedByTwoMutants;
constexpr GapComment kInsertion = GapComment::Insertion;

Entries entries_of(const GapTable& table) {
  Entries entries;
  for (std::size_t i = 0; i < table.size(); ++i) entries.push_back(table[i]);
  return entries;
}

// Feeds (wt_reads, mut_reads) from genome position 1 on, then ends the file.
Entries detect(const Counts& positions) {
  GapTable table;
  GapDetector detector(table);
  for (auto [wt_reads, mut_reads] : positions) {
    detector.first_count(wt_reads);
    detector.second_count(mut_reads);
  }
  detector.finish();
  return entries_of(table);
}

// A run of WT-only positions given at once acts as the same positions given
// one by one, whatever state the run starts in.
TEST(GapDetector, ARunOfWildTypeOnlyPositionsActsAsEachOne) {
  const Counts prefixes[] = {{}, {{0, 0}}, {{0, 2}, {0, 0}}, {{3, 1}}, {{0, 1}, {0, 0}, {0, 0}}, {{4, 0}}};
  for (const Counts& prefix : prefixes) {
    for (std::int64_t run : {1, 2, 5}) {
      for (const Counts& suffix : {Counts{}, Counts{{0, 0}}, Counts{{0, 1}}, Counts{{0, 0}, {0, 3}}}) {
        Counts one_by_one = prefix;
        for (std::int64_t i = 0; i < run; ++i) one_by_one.push_back({7, 0});
        one_by_one.insert(one_by_one.end(), suffix.begin(), suffix.end());

        GapTable table;
        GapDetector detector(table);
        for (auto [wt_reads, mut_reads] : prefix) {
          detector.first_count(wt_reads);
          detector.second_count(mut_reads);
        }
        detector.wt_only_positions(run);
        for (auto [wt_reads, mut_reads] : suffix) {
          detector.first_count(wt_reads);
          detector.second_count(mut_reads);
        }
        detector.finish();
        EXPECT_EQ(entries_of(table), detect(one_by_one)) << prefix.size() << " " << run;
      }
    }
  }
}

struct DetectorCase {
  const char* what;
  Counts positions;
  Entries expected;
};

TEST(GapDetector, FindsGapsFlanksAndInsertions) {
  const DetectorCase cases[] = {
      {"gap between WT-only positions", {{5, 0}, {0, 0}, {0, 0}, {0, 0}, {4, 0}}, {{4, 3, kNone}}},
      {"gap between two mutants", {{3, 1}, {0, 0}, {0, 2}}, {{2, 1, kTwo}}},
      {"gap closed by a mutant", {{5, 0}, {0, 0}, {0, 3}}, {{2, 1, kOne}}},
      {"gap opened after a mutant", {{0, 2}, {0, 0}, {6, 0}}, {{2, 1, kOne}}},
      {"two adjacent mutants", {{2, 1}, {0, 1}}, {{1, 0, kInsertion}}},
      {"second mutant with WT reads", {{2, 1}, {2, 1}}, {}},
      {"insertion after a two-mutant gap", {{3, 1}, {0, 0}, {0, 2}, {0, 1}},
       {{2, 1, kTwo}, {3, 0, kInsertion}}},
      {"no insertion after a one-mutant gap", {{5, 0}, {0, 0}, {0, 3}, {0, 1}}, {{2, 1, kOne}}},
      {"gap at the very start", {{0, 0}, {0, 0}, {7, 0}}, {{2, 2, kNone}}},
      {"a run of mutants", {{0, 1}, {0, 1}, {0, 1}}, {{1, 0, kInsertion}, {2, 0, kInsertion}}},
      {"WT reads between mutants clear the flank", {{0, 1}, {3, 0}, {0, 0}, {0, 1}},
       {{3, 1, kOne}}},
      {"mutant then WT-only then gap", {{0, 1}, {3, 0}, {0, 0}, {3, 0}}, {{3, 1, kNone}}},
      {"fully covered", {{1, 0}, {2, 0}, {3, 1}}, {}},
      {"nothing", {}, {}},
      {"a negative count covers its position", {{0, 0}, {-1, 0}, {0, 0}, {0, -3}},
       {{1, 1, kNone}, {3, 1, kNone}}},
  };
  for (const DetectorCase& c : cases) {
    EXPECT_EQ(detect(c.positions), c.expected) << c.what;
  }
}

TEST(GapDetector, TheEndOfTheFileClosesAnOpenGap) {
  const DetectorCase cases[] = {
      {"after WT-only", {{7, 0}, {0, 0}, {0, 0}}, {{3, 2, kNone}}},
      {"after a mutant", {{0, 3}, {0, 0}}, {{2, 1, kOne}}},
      {"whole genome uncovered", {{0, 0}, {0, 0}, {0, 0}}, {{3, 3, kNone}}},
      {"after an earlier gap", {{0, 0}, {4, 0}, {0, 0}}, {{1, 1, kNone}, {3, 1, kNone}}},
      {"covered end", {{7, 0}, {0, 0}, {7, 0}}, {{2, 1, kNone}}},
  };
  for (const DetectorCase& c : cases) {
    EXPECT_EQ(detect(c.positions), c.expected) << c.what;
  }
}

TEST(GapDetector, ALoneFirstCountAtTheEndChangesNothing) {
  for (std::int32_t lone : {0, 5}) {
    GapTable table;
    GapDetector detector(table);
    for (auto [wt_reads, mut_reads] : Counts{{0, 2}, {0, 0}}) {
      detector.first_count(wt_reads);
      detector.second_count(mut_reads);
    }
    detector.first_count(lone);
    detector.finish();
    EXPECT_EQ(entries_of(table), (Entries{{2, 1, kOne}})) << lone;
  }
}

// The detector fed by the reader of the alignment results file.
Entries detect_in_file(std::string_view content) {
  testing::ScratchFolder folder;
  folder.write("alignment.txt", content);
  Result<LineReader> reader = LineReader::open(folder.path("alignment.txt"));
  EXPECT_TRUE(reader.ok());
  Result<GapTable> gaps = detect_gaps(reader.value());
  EXPECT_TRUE(gaps.ok());
  return gaps.ok() ? entries_of(gaps.value()) : Entries{};
}

TEST(DetectGaps, ReadsCountPairsAndSkipsWindowLines) {
  // (3,1) with its windows, (0,0), (0,2) with its windows, (0,1) with its windows.
  const std::string file =
      "3\n1\naaaaaaaaaaaaa\naaaaaaaaaaaag\n"
      "0\n0\n"
      "0\n2\nccccccccccccc\ncccccccccccca\n"
      "0\n1\nggggggggggggg\nggggggggggggt\n";
  const Entries expected{{2, 1, kTwo}, {3, 0, kInsertion}};
  EXPECT_EQ(detect_in_file(file), expected);
  // The same file without its final line feed.
  EXPECT_EQ(detect_in_file(file.substr(0, file.size() - 1)), expected);
}

TEST(DetectGaps, EveryCutOfTheLastRecordEndsCleanly) {
  // (5,0) (0,0) (0,0) then a record (4,1) with windows, cut after each line.
  const std::string head = "5\n0\n0\n0\n0\n0\n";
  const Entries open_gap_closed_at_end{{3, 2, kNone}};
  const Entries closed_by_mutant{{3, 2, kOne}};
  EXPECT_EQ(detect_in_file(head), open_gap_closed_at_end);
  EXPECT_EQ(detect_in_file(head + "4"), open_gap_closed_at_end);
  EXPECT_EQ(detect_in_file(head + "4\n"), open_gap_closed_at_end);
  EXPECT_EQ(detect_in_file(head + "4\n1"), closed_by_mutant);
  EXPECT_EQ(detect_in_file(head + "4\n1\n"), closed_by_mutant);
  EXPECT_EQ(detect_in_file(head + "4\n1\naaaaaaaaaaaaa"), closed_by_mutant);
  EXPECT_EQ(detect_in_file(head + "4\n1\naaaaaaaaaaaaa\naaaaaaaaaaaag\n"), closed_by_mutant);
}

TEST(DetectGaps, AFinalLineFeedChangesNothing) {
  // Cut after the first line of a record, with and without the line feed that
  // ends that line: the empty line after it is no count.
  for (std::string file : {"5\n0\n0\n0\n0", "5\n0\n0", "5\n0\n0\n1\n0", "0\n0\n3", "0\n0\n0"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(detect_in_file(file + "\n"), detect_in_file(file));
  }
  EXPECT_EQ(detect_in_file("5\n0\n0\n0\n0\n"), (Entries{{2, 1, kNone}}));
  EXPECT_EQ(detect_in_file("5\n0\n0\n"), Entries{});
}

TEST(DetectGaps, TellsCountLinesFromWindowLinesByLengthAlone) {
  // A count of seven characters is passed over like a window; a short window
  // is read as a count (atoi of "acgt" is 0).
  EXPECT_EQ(detect_in_file("5\n0\n1000000\n0\n0\n4\n0\n"), (Entries{{2, 1, kNone}}));
  EXPECT_EQ(detect_in_file("5\n1\nacgt\nacga\n4\n0\n"), (Entries{{2, 1, kOne}}));
  // A carriage return stays part of the line and atoi stops at it.
  EXPECT_EQ(detect_in_file("5\r\n0\r\n0\r\n0\r\n12\r\n0\r\n"), (Entries{{2, 1, kNone}}));
}

TEST(DetectGaps, AnEmptyFileHasNoGaps) { EXPECT_EQ(detect_in_file(""), Entries{}); }

}  // namespace
}  // namespace vesmar
