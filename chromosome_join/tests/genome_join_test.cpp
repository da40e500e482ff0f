#include "chromosome_join/genome_join.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "testing/program_run.h"
#include "testing/text_lines.h"

namespace vesmar {
namespace {

std::string g(std::size_t count) { return std::string(count, 'g'); }

struct Joined {
  std::string genome;
  std::optional<JoinStop> stop;
};

// Joins files holding `contents`, one chromosome per file.
Joined join_separate(const std::vector<std::string>& contents, double number_value,
                     const testing::ScratchFolder& folder = testing::ScratchFolder()) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    names.push_back(folder.path("chr" + std::to_string(i)));
    folder.write("chr" + std::to_string(i), contents[i]);
  }
  auto created = OutputFile::create(folder.path("genome"), OutputFile::Mode::InPlace);
  EXPECT_TRUE(created.ok());
  Joined joined;
  joined.stop = join_separate_files(*created.value(), names, number_value);
  EXPECT_TRUE(created.value()->commit().ok());
  joined.genome = folder.read("genome");
  return joined;
}

std::string join_single(const std::string& content,
                        const testing::ScratchFolder& folder = testing::ScratchFolder()) {
  folder.write("chr", content);
  Result<LineReader> chromosome = LineReader::open(folder.path("chr"));
  EXPECT_TRUE(chromosome.ok());
  auto created = OutputFile::create(folder.path("genome"), OutputFile::Mode::InPlace);
  EXPECT_TRUE(created.ok());
  EXPECT_TRUE(join_single_file(*created.value(), chromosome.value()).ok());
  EXPECT_TRUE(created.value()->commit().ok());
  return folder.read("genome");
}

TEST(JoinSeparateFiles, TheWorkedExample) {
  EXPECT_EQ(join_separate({">chrI\nACGT\nAC\n", ">chrII\nTTTT\n"}, 2).genome,
            "ACGT\nAC\n" + g(44) + "\nTTTT\n" + g(46));
}

TEST(JoinSeparateFiles, PadsEachChromosomeToAMultipleOfFifty) {
  struct Case {
    std::string content;
    std::string genome;
  };
  const Case cases[] = {
      {"", g(50)},
      {">only a header\n", g(50)},
      {"\n\n", "\n\n" + g(50)},
      {std::string(37, 'A'), std::string(37, 'A') + "\n" + g(13)},
      {std::string(50, 'A') + "\n", std::string(50, 'A') + "\n" + g(50)},
      {std::string(60, 'c') + "\n" + std::string(40, 'C') + "\n",
       std::string(60, 'c') + "\n" + std::string(40, 'C') + "\n" + g(50)},
  };
  for (const Case& c : cases) EXPECT_EQ(join_separate({c.content}, 1).genome, c.genome) << c.content;
}

TEST(JoinSeparateFiles, KeepsSequenceLinesExactlyAndCountsEveryByte) {
  // Case, blanks and digits stay; a carriage return before a line feed
  // belongs to the line's end (Windows line ends): neither written nor
  // counted.
  EXPECT_EQ(join_separate({">h\r\nacGT 1\r\n\r\n"}, 1).genome, "acGT 1\n\n" + g(44));
  // A file of lines ended by carriage returns alone is one line, and they
  // stay and count.
  EXPECT_EQ(join_separate({"AC\rGT\r"}, 1).genome, "AC\rGT\r\n" + g(44));
  EXPECT_EQ(join_separate({"AC\r\r\nGT"}, 1).genome, "AC\r\nGT\n" + g(45));
}

TEST(JoinSeparateFiles, DropsEveryLineWithAnAngleBracketAnywhere) {
  EXPECT_EQ(join_separate({"AC\nA>C\nGT>\n>\nTT\n"}, 1).genome, "AC\nTT\n" + g(46));
}

TEST(JoinSeparateFiles, MergesTheRecordsOfAMultiRecordFileIntoOneChromosome) {
  EXPECT_EQ(join_separate({">a\nAC\n>b\nGT\n"}, 1).genome, "AC\nGT\n" + g(46));
}

TEST(JoinSeparateFiles, AFractionalCountEndsTheFileWithALineFeed) {
  EXPECT_EQ(join_separate({"A\n", "C\n"}, 2.5).genome, "A\n" + g(49) + "\nC\n" + g(49) + "\n");
  EXPECT_EQ(join_separate({"A\n", "C\n"}, 2.0).genome, "A\n" + g(49) + "\nC\n" + g(49));
}

TEST(JoinSeparateFiles, NoFilesWriteNothing) { EXPECT_EQ(join_separate({}, 0).genome, ""); }

TEST(JoinSeparateFiles, StopsAtAFileThatDoesNotOpenKeepingTheChromosomesBefore) {
  testing::ScratchFolder folder;
  folder.write("chr1", "AC\n");
  folder.make_folder("folder");
  for (const char* missing : {"gone", "folder"}) {
    auto created = OutputFile::create(folder.path("genome"), OutputFile::Mode::InPlace);
    ASSERT_TRUE(created.ok());
    const std::optional<JoinStop> stop =
        join_separate_files(*created.value(), {folder.path("chr1"), folder.path(missing), folder.path("chr1")}, 3);
    EXPECT_TRUE(created.value()->commit().ok());
    ASSERT_TRUE(stop.has_value());
    EXPECT_EQ(stop->index, 1u);
    EXPECT_FALSE(stop->opened);
    EXPECT_EQ(stop->failure.error_number, std::string(missing) == "gone" ? 2 : 21);
    EXPECT_EQ(folder.read("genome"), "AC\n" + g(48) + "\n");
  }
}

TEST(JoinSeparateFiles, AReadErrorStopsTheJoinAndIsReported) {
  testing::ScratchFolder folder;
  folder.write("chr1", "AC\n");
  auto created = OutputFile::create(folder.path("genome"), OutputFile::Mode::InPlace);
  ASSERT_TRUE(created.ok());
  // Reading the start of a process's own memory file fails with an I/O error.
  const std::optional<JoinStop> stop =
      join_separate_files(*created.value(), {folder.path("chr1"), "/proc/self/mem"}, 2);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->index, 1u);
  EXPECT_TRUE(stop->opened);
  EXPECT_EQ(stop->failure.message, "cannot read /proc/self/mem: Input/output error");
}

// The system would read the name only up to the NUL byte, and open "chr".
TEST(JoinSeparateFiles, ANameWithANulByteNamesNoFile) {
  testing::ScratchFolder folder;
  folder.write("chr", "AC\n");
  auto created = OutputFile::create(folder.path("genome"), OutputFile::Mode::InPlace);
  ASSERT_TRUE(created.ok());
  const std::optional<JoinStop> stop =
      join_separate_files(*created.value(), {folder.path("chr") + std::string(1, '\0') + "x"}, 1);
  ASSERT_TRUE(stop.has_value());
  EXPECT_FALSE(stop->opened);
  EXPECT_EQ(stop->failure.error_number, 2);
}

TEST(JoinSingleFile, EachRecordIsAChromosome) {
  EXPECT_EQ(join_single(">chrI\nACGT\nAC\n>chrII\nTTTT\n"), "ACGT\nAC\n" + g(44) + "\nTTTT\n" + g(46));
}

TEST(JoinSingleFile, ChromosomesEndAtTheFirstHeaderAfterSomeSequence) {
  struct Case {
    const char* what;
    std::string content;
    std::string genome;
  };
  const Case cases[] = {
      {"two headers, then sequence", ">a\n>b\nACG\n", "ACG\n" + g(47)},
      {"a header at the very end", ">a\nACG\n>b\n", "ACG\n" + g(47) + "\n" + g(50)},
      {"sequence before the first header", "AC\n>a\nGT", "AC\n" + g(48) + "\nGT\n" + g(48)},
      {"a record of empty lines joins the next", ">a\n\n\n>b\nAC\n", "\n\nAC\n" + g(48)},
      {"a header in the middle of a line", "AC\nx>y\nGT\n", "AC\n" + g(48) + "\nGT\n" + g(48)},
      {"no characters at all", "", g(50)},
      {"only headers", ">a\n>b\n", g(50)},
      {"only empty lines", "\n\n", "\n\n" + g(50)},
      {"a last line without a line feed", ">a\nAC", "AC\n" + g(48)},
      {"fifty characters", ">a\n" + std::string(50, 'T') + "\n>b\nA\n",
       std::string(50, 'T') + "\n" + g(50) + "\nA\n" + g(49)},
      {"Windows line ends", ">a\r\nAC\r\n>b\r\nGT\r\n", "AC\n" + g(48) + "\nGT\n" + g(48)},
  };
  for (const Case& c : cases) EXPECT_EQ(join_single(c.content), c.genome) << c.what;
}

// What every genome sequence file is, whatever its input: no header line, and
// each chromosome's characters a multiple of 50.
void expect_well_formed(const std::string& genome, const std::string& input) {
  EXPECT_EQ(genome.find('>'), std::string::npos) << "input: " << input;
  std::size_t characters = 0;
  std::size_t line_start = 0;
  while (line_start <= genome.size()) {
    std::size_t line_end = genome.find('\n', line_start);
    if (line_end == std::string::npos) line_end = genome.size();
    const std::string line = genome.substr(line_start, line_end - line_start);
    characters += line.size();
    if (!line.empty() && line.find_first_not_of('g') == std::string::npos && characters % 50 == 0) {
      characters = 0;  // a padding run closed the chromosome
    }
    line_start = line_end + 1;
  }
  EXPECT_EQ(characters, 0u) << "input: " << input;
}

TEST(JoinSingleFile, EveryTruncatedPrefixOfATwoRecordFileGivesAWellFormedGenome) {
  const std::string file = ">chrI first\nACGTACGTAC\nGGCC\n\n>chrII\r\nTTAA\r\n";
  const testing::ScratchFolder folder;
  for (std::size_t cut = 0; cut <= file.size(); ++cut) {
    const std::string prefix = file.substr(0, cut);
    expect_well_formed(join_single(prefix, folder), prefix);
    expect_well_formed(join_separate({prefix, prefix}, 2, folder).genome, prefix);
  }
}

// The lines of a chromosome file as the joins take them: a carriage return
// before a line feed belongs to the line's end.
std::vector<std::string> joined_lines(const std::string& file) {
  std::vector<std::string> lines = testing::lines_of(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool ends_with_feed = i + 1 < lines.size() || file.ends_with('\n');
    if (ends_with_feed && lines[i].ends_with('\r')) lines[i].pop_back();
  }
  return lines;
}

// The two joins as the rules state them, line by line: the reference that the
// block-at-a-time join must agree with.
std::string plain_join_separate(const std::vector<std::string>& files, double number_value) {
  std::string genome;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::size_t length = 0;
    for (const std::string_view line : joined_lines(files[i])) {
      if (line.find('>') != std::string_view::npos) continue;
      genome.append(line);
      genome += '\n';
      length += line.size();
    }
    genome += g(50 - length % 50);
    if (static_cast<double>(i + 1) != number_value) genome += '\n';
  }
  return genome;
}

std::string plain_join_single(const std::string& file) {
  std::string genome;
  std::size_t length = 0;
  for (const std::string_view line : joined_lines(file)) {
    if (line.find('>') == std::string_view::npos) {
      genome.append(line);
      genome += '\n';
      length += line.size();
    } else if (length > 0) {
      genome += g(50 - length % 50);
      genome += '\n';
      length = 0;
    }
  }
  return genome + g(50 - length % 50);
}

// Random chromosome files: sequence lines of any length (empty, carriage
// returns, ">" anywhere), header lines, with and without a final line feed.
std::string random_chromosome_file(std::mt19937_64& random, std::size_t lines, std::size_t longest) {
  const auto pick = [&](std::size_t count) { return static_cast<std::size_t>(random() % count); };
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    if (pick(6) == 0) {
      text += pick(4) == 0 ? "x>" : ">chr";
      text.append(pick(20), 'I');
    } else {
      const std::size_t length = pick(8) == 0 ? pick(longest + 1) : 60;
      for (std::size_t c = 0; c < length; ++c) {
        text += pick(300) == 0 ? "\r>n. \t"[pick(6)] : "ACGTacgtN"[pick(9)];
      }
    }
    text += '\n';
  }
  if (pick(3) == 0 && !text.empty()) text.pop_back();
  return text;
}

TEST(JoinFiles, AgreeWithThePlainJoinOnRandomFiles) {
  const testing::ScratchFolder folder;
  std::mt19937_64 random(7);
  for (int run = 0; run < 150; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    std::vector<std::string> files;
    const std::size_t count = random() % 4;
    for (std::size_t i = 0; i < count; ++i) {
      files.push_back(random_chromosome_file(random, random() % 3 * (random() % 40), 200));
    }
    const double number_value = run % 3 == 0 ? static_cast<double>(count) + 0.5 : static_cast<double>(count);
    ASSERT_EQ(join_separate(files, number_value, folder).genome, plain_join_separate(files, number_value));
    const std::string one_file = files.empty() ? "" : files.front() + files.back();
    ASSERT_EQ(join_single(one_file, folder), plain_join_single(one_file));
  }
}

TEST(JoinFiles, AgreeWithThePlainJoinAcrossBlocksAndOnLinesLongerThanABlock) {
  const testing::ScratchFolder folder;
  std::mt19937_64 random(8);
  // Some 3 MiB of lines, so that lines and header lines straddle the block
  // boundaries, and lines longer than a block, a header among them.
  std::string many = random_chromosome_file(random, 45000, 300);
  std::string long_lines = ">chrI\nAC\n";
  long_lines.append((std::size_t{3} << 19) + 7, 'T');
  long_lines += "\n>";
  long_lines.append((std::size_t{1} << 20) + 3, 'H');
  long_lines += "\nGG\n";
  long_lines.append(std::size_t{1} << 20, 'C');
  const std::vector<std::string> files = {many, long_lines, many + long_lines};
  for (const std::string& file : files) ASSERT_TRUE(join_single(file, folder) == plain_join_single(file));
  ASSERT_TRUE(join_separate(files, 3, folder).genome == plain_join_separate(files, 3));
}

TEST(ChromosomeName, TheFirstWordAfterTheBracket) {
  const std::pair<const char*, const char*> cases[] = {
      {">I", "I"},       {">chrI dna:chromosome", "chrI"}, {"> I\r", "I"}, {">2L\tlength", "2L"},
      {"x>V y", "V"},    {">", ""},                        {">  ", ""},      {">CHROMOSOME_X\r", "CHROMOSOME_X"},
  };
  for (const auto& [line, name] : cases) EXPECT_EQ(chromosome_name(line), name) << line;
}

}  // namespace
}  // namespace vesmar
