#include "formats/alignment_results/count_pair_reader.h"
#include "formats/alignment_results/point_record_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/text_lines.h"
#include "formats/alignment_results/record_walk.h"

namespace vesmar {
namespace {

struct SeenRecord {
  std::int64_t position;
  std::int32_t wt_reads;
  std::int32_t mut_reads;
  std::string read_window;
  std::string reference_window;
  bool operator==(const SeenRecord&) const = default;
};

std::vector<SeenRecord> records_of(const std::string& content) {
  testing::ScratchFolder folder;
  folder.write("run.txt", content);
  Result<LineReader> reader = LineReader::open(folder.path("run.txt"));
  EXPECT_TRUE(reader.ok());
  std::vector<SeenRecord> seen;
  auto every_record = [](std::int32_t, std::int32_t) { return true; };
  Status status = read_alignment_records(reader.value(), true, every_record, [&](const AlignmentRecord& r) {
    seen.push_back({r.position, r.wt_reads, r.mut_reads, std::string(r.read_window),
                    std::string(r.reference_window)});
  });
  EXPECT_TRUE(status.ok());
  return seen;
}

const std::string kWindowA = "acgtacgtacgtaacgtacgtacgt";
const std::string kWindowB = "acgtacgtacgtcacgtacgtacgt";

TEST(PointReader, FramesRecordsByTheirMutantCount) {
  // Three records: 0 and 0; 3 and 1 with two windows; 2 and 0.
  const std::string file = "0\n0\n3\n1\n" + kWindowA + "\n" + kWindowB + "\n2\n0\n";
  const std::vector<SeenRecord> expected = {
      {1, 0, 0, "", ""}, {2, 3, 1, kWindowA, kWindowB}, {3, 2, 0, "", ""}};
  EXPECT_EQ(records_of(file), expected);
  EXPECT_EQ(records_of(file.substr(0, file.size() - 1)), expected) << "without the final line feed";
}

TEST(PointReader, ARecordCutShortKeepsWhatWasRead) {
  const std::string record = "5\n1\n" + kWindowA + "\n" + kWindowB + "\n";
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    const std::string cut_record = record.substr(0, cut);
    std::vector<SeenRecord> expected = {{1, 7, 0, "", ""}};
    // The record counts once its second line has begun; its windows are the
    // lines that were read.
    const std::vector<std::string> lines = testing::pieces_of(cut_record);
    if (lines.size() >= 2 && !lines[1].empty()) {
      const std::int32_t mut = lines[1].empty() ? 0 : 1;
      expected.push_back({2, 5, mut, mut && lines.size() > 2 ? lines[2] : "",
                          mut && lines.size() > 3 ? lines[3] : ""});
    }
    EXPECT_EQ(records_of("7\n0\n" + cut_record), expected) << "cut after " << cut << " bytes";
  }
}

TEST(PointReader, CountsReadAsAtoi) {
  const std::vector<SeenRecord> expected = {{1, 12, 0, "", ""}, {2, 0, 0, "", ""}, {3, 3, 0, "", ""}};
  EXPECT_EQ(records_of("12\r\n0\nabc\n\n 3x\n-0\n"), expected);
}

// A position with WT reads and no mutant read, whichever way it arrives.
constexpr std::int32_t kWildTypeOnly = -999;

struct CountLog {
  std::vector<std::pair<char, std::int32_t>> counts;
  void first_count(std::int32_t c) { counts.emplace_back('w', c); }
  void second_count(std::int32_t c) {
    if (c == 0 && !counts.empty() && counts.back().first == 'w' && counts.back().second >= 1) {
      counts.back().second = kWildTypeOnly;
    }
    counts.emplace_back('m', c);
  }
  void wt_only_positions(std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
      counts.emplace_back('w', kWildTypeOnly);
      counts.emplace_back('m', 0);
    }
  }
};

CountLog counts_of(const std::string& content) {
  testing::ScratchFolder folder;
  folder.write("run.txt", content);
  Result<LineReader> reader = LineReader::open(folder.path("run.txt"));
  CountLog log;
  EXPECT_TRUE(read_count_pairs(reader.value(), log).ok());
  return log;
}

TEST(CountPairReader, TellsCountsFromWindowsByLengthAlone) {
  using Counts = std::vector<std::pair<char, std::int32_t>>;
  EXPECT_EQ(counts_of("0\n0\n3\n1\n" + kWindowA + "\n" + kWindowB + "\n2\n0\n").counts,
            (Counts{{'w', 0}, {'m', 0}, {'w', 3}, {'m', 1}, {'w', kWildTypeOnly}, {'m', 0}, {'w', 0}}));
  // Seven characters are a window; six are a count, whatever they hold.
  // The empty line after the final line feed completes no pair: the record
  // cut off after its first line has no effect.
  EXPECT_EQ(counts_of("1000000\n999999\nacgtac\n12\r\n").counts,
            (Counts{{'w', kWildTypeOnly}, {'m', 0}, {'w', 12}}));
  EXPECT_EQ(counts_of("").counts, (Counts{{'w', 0}}));
}

// Random files of every kind of line, with runs of the common records long
// enough to span blocks: the block parsers must frame them exactly as a plain
// reading of the lines one by one does.
std::string random_alignment_file(std::mt19937& random, std::size_t records) {
  static const char* const kLines[] = {"0", "00", "1", "12", "999999", "1000000", "-3", " 7", "7 ",
                                       "12\r", "", "abc", "0\r", "4x", "2147483648", "+5", "123456",
                                       "acgtacgtacgtaacgtacgtacgt", "acgtac",
                                       "acgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgtacgt"};
  std::string text;
  std::uniform_int_distribution<int> pick(0, 99);
  std::uniform_int_distribution<std::size_t> any_line(0, std::size(kLines) - 1);
  for (std::size_t i = 0; i < records; ++i) {
    const int kind = pick(random);
    if (kind < 80) {
      text += std::to_string(1 + pick(random) % 40) + "\n0\n";
    } else if (kind < 85) {
      text += "0\n0\n";
    } else if (kind < 92) {
      text += std::to_string(pick(random) % 20) + "\n" + std::to_string(1 + pick(random) % 9) + "\n" +
              kWindowA + "\n" + kWindowB + "\n";
    } else {
      text += std::string(kLines[any_line(random)]) + "\n";
    }
  }
  return text;
}

// The point reader's framing, line by line.
std::vector<SeenRecord> plain_records(const std::string& text) {
  std::vector<std::string> lines = testing::pieces_of(text);
  std::vector<SeenRecord> records;
  std::int64_t position = 0;
  for (std::size_t i = 0; i < lines.size();) {
    if (i + 1 >= lines.size()) break;
    if (i + 2 == lines.size() && lines[i + 1].empty()) break;  // the piece after a final line feed
    SeenRecord record{++position, read_atoi(lines[i]), read_atoi(lines[i + 1]), "", ""};
    i += 2;
    if (record.mut_reads != 0) {
      if (i < lines.size()) record.read_window = lines[i];
      if (i + 1 < lines.size()) record.reference_window = lines[i + 1];
      i += 2;
    }
    records.push_back(record);
  }
  return records;
}

CountLog plain_counts(const std::string& text) {
  std::vector<std::string> lines = testing::pieces_of(text);
  CountLog log;
  bool second = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > kLongestCountLine) continue;
    if (i + 1 == lines.size() && second && lines[i].empty()) break;
    if (second) {
      log.second_count(read_atoi(lines[i]));
    } else {
      log.first_count(read_atoi(lines[i]));
    }
    second = !second;
  }
  return log;
}

TEST(BlockParsers, FrameRandomFilesAsLineByLineReadingDoes) {
  std::mt19937 random(2024);
  testing::ScratchFolder folder;
  for (int round = 0; round < 14; ++round) {
    // Both builds of the bulk walk, where the processor has the wide one.
    set_wide_walks(round % 4 < 2);
    // Past the reader's blocks of 64 KiB in the larger rounds, and round
    // its whole ring of them more than once in the last.
    std::string text =
        random_alignment_file(random, round < 8 ? 50 + round * 40 : round < 12 ? 200000 : 1200000);
    if (round % 2 == 1 && !text.empty()) text.pop_back();
    folder.write("run.txt", text);

    // Every record wanted; those with mutant reads; and only some of
    // those, so that the others are passed over with their windows.
    for (int want : {0, 1, 2}) {
      const bool zero_wanted = want == 0;
      Result<LineReader> reader = LineReader::open(folder.path("run.txt"));
      std::vector<SeenRecord> seen;
      auto wanted = [&](std::int32_t wt, std::int32_t mut) {
        return want == 0 || (want == 1 && mut != 0) || (want == 2 && mut >= 3 && mut >= wt);
      };
      ASSERT_TRUE(read_alignment_records(reader.value(), zero_wanted, wanted,
                                       [&](const AlignmentRecord& r) {
                                         seen.push_back({r.position, r.wt_reads, r.mut_reads,
                                                         std::string(r.read_window),
                                                         std::string(r.reference_window)});
                                       })
                    .ok());
      std::vector<SeenRecord> expected = plain_records(text);
      std::erase_if(expected, [&](const SeenRecord& r) {
        return want != 0 && !wanted(r.wt_reads, r.mut_reads);
      });
      ASSERT_EQ(seen, expected) << "round " << round;
    }
    ASSERT_EQ(counts_of(text).counts, plain_counts(text).counts) << "round " << round;
  }
  set_wide_walks(true);
}

}  // namespace
}  // namespace vesmar
