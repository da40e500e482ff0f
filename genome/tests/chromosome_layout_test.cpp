#include "genome/chromosome_layout.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

using testing::ScratchFolder;

ChromosomeLayout layout_of(const std::vector<NamedLength>& chromosomes) {
  Result<ChromosomeLayout> layout = layout_from_lengths(chromosomes, "test.fa");
  EXPECT_TRUE(layout.ok()) << (layout.ok() ? "" : layout.failure().message);
  return layout.ok() ? layout.value() : ChromosomeLayout{};
}

// The current assembly's lengths: II to X do not fit the built-in offsets.
const std::vector<NamedLength> kCurrentAssembly = {{"I", 15072434}, {"II", 15279421}, {"III", 13783801},
                                                   {"IV", 17493829}, {"V", 20924180}, {"X", 17718942}};

TEST(BuiltInLayout, HoldsTheSixOffsetsAndTheirRooms) {
  const ChromosomeLayout layout = built_in_layout();
  ASSERT_EQ(layout.chromosomes.size(), 6u);
  EXPECT_FALSE(layout.lengths_known);
  EXPECT_EQ(layout.source, kBuiltInLayoutSource);
  const std::int64_t offsets[] = {0, 15072450, 30351800, 44135500, 61629300, 82548900};
  const char* names[] = {"I", "II", "III", "IV", "V", "X"};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(layout.chromosomes[i].name, names[i]);
    EXPECT_EQ(layout.chromosomes[i].offset, offsets[i]);
    EXPECT_EQ(room_end(layout, i), i < 5 ? offsets[i + 1] : 100'300'000);
  }
  EXPECT_EQ(genome_end(layout), 100'300'000);
}

TEST(LayoutFromLengths, EachChromosomeStartsAfterThePreviousOnePadded) {
  struct Case {
    std::int64_t length;
    std::int64_t next;
  };
  // 50 less the length modulo 50, and a whole block after a whole number of blocks.
  const Case cases[] = {{0, 50}, {1, 50}, {37, 50}, {49, 50}, {50, 100}, {51, 100}, {15072434, 15072450}};
  for (const Case& c : cases) {
    const ChromosomeLayout layout = layout_of({{"a", c.length}, {"b", 7}});
    EXPECT_EQ(layout.chromosomes[1].offset, c.next) << c.length;
    EXPECT_EQ(next_offset(0, c.length), c.next) << c.length;
  }
  const ChromosomeLayout current = layout_of(kCurrentAssembly);
  const std::int64_t offsets[] = {0, 15072450, 30351900, 44135750, 61629600, 82553800};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(current.chromosomes[i].offset, offsets[i]) << i;
  EXPECT_EQ(genome_end(current), 100272750);
  EXPECT_EQ(room_end(current, 1), 30351900);
  EXPECT_TRUE(current.lengths_known);
}

TEST(LayoutFromLengths, RefusesWhatNoGenomeCanHold) {
  struct Case {
    std::vector<NamedLength> chromosomes;
    const char* message;
  };
  const Case cases[] = {
      {{}, "test.fa holds no chromosome"},
      {{{"I", 10}, {"I", 20}}, "test.fa names the chromosome I twice"},
      {{{"", 10}}, "test.fa: the chromosome name \"\" is empty or holds white space"},
      {{{"chr I", 10}}, "test.fa: the chromosome name \"chr I\" is empty or holds white space"},
      {{{"I", -1}}, "test.fa: the chromosomes up to I, padded, are longer than a genome may be (2147483647 positions)"},
      {{{"I", 2147483500}, {"II", 100}},
       "test.fa: the chromosomes up to II, padded, are longer than a genome may be (2147483647 positions)"},
  };
  for (const Case& c : cases) {
    const Result<ChromosomeLayout> layout = layout_from_lengths(c.chromosomes, "test.fa");
    ASSERT_FALSE(layout.ok()) << c.message;
    EXPECT_EQ(layout.failure().message, c.message);
  }
  // The longest genome there may be: its last position is 2147483647.
  EXPECT_TRUE(layout_from_lengths({{"I", 2147483599}}, "test.fa").ok());
}

TEST(LayoutFile, WrittenAndReadBack) {
  ScratchFolder folder;
  const ChromosomeLayout layout = layout_of(kCurrentAssembly);
  const std::string text = layout_file_text(layout);
  EXPECT_EQ(text.substr(text.find('\n') + 1),
            "I\t0\t15072434\nII\t15072450\t15279421\nIII\t30351900\t13783801\nIV\t44135750\t17493829\n"
            "V\t61629600\t20924180\nX\t82553800\t17718942\n");
  EXPECT_TRUE(text.starts_with("# "));
  folder.write("chromosomes.txt", text);
  const Result<ChromosomeLayout> read = read_layout_file(folder.path("chromosomes.txt"));
  ASSERT_TRUE(read.ok()) << read.failure().message;
  EXPECT_EQ(read.value().source, folder.path("chromosomes.txt"));
  EXPECT_TRUE(check_layouts_agree(layout, read.value()).ok());
}

TEST(LayoutFile, CommentsBlankLinesAndWindowsLineEndsHoldNothing) {
  ScratchFolder folder;
  folder.write("chromosomes.txt", "# yeast\r\n\r\nchrI\t0\t230218\r\n#\nchrII\t230250\t813184");
  const Result<ChromosomeLayout> read = read_layout_file(folder.path("chromosomes.txt"));
  ASSERT_TRUE(read.ok()) << read.failure().message;
  ASSERT_EQ(read.value().chromosomes.size(), 2u);
  EXPECT_EQ(read.value().chromosomes[1].name, "chrII");
  EXPECT_EQ(read.value().chromosomes[1].length, 813184);
}

TEST(LayoutFile, ABadLineIsAFailureNamingFileAndLine) {
  struct Case {
    const char* text;
    const char* reason;  // after "PATH, line N: "
    int line;
  };
  const Case cases[] = {
      {"I\t0\n", "not a chromosome line (name, offset and length, separated by tabs)", 1},
      {"# c\nI\t0\t10\t\n", "not a chromosome line (name, offset and length, separated by tabs)", 2},
      {"I 0 10\n", "not a chromosome line (name, offset and length, separated by tabs)", 1},
      {"\t0\t10\n", "the chromosome name is empty or holds white space", 1},
      {"I\t-0\t10\n", "the offset \"-0\" is no whole number up to 2147483647", 1},
      {"I\t0\t1e3\n", "the length \"1e3\" is no whole number up to 2147483647", 1},
      {"I\t0\t\n", "the length \"\" is no whole number up to 2147483647", 1},
      {"I\t0\t2147483648\n", "the length \"2147483648\" is no whole number up to 2147483647", 1},
      {"I\t0\t10\nII\t60\t10\n",
       "chromosome II starts at 60, but the chromosomes before it, each padded to a multiple of 50, end at 50", 2},
      {"I\t5\t10\n", "chromosome I starts at 5, but the chromosomes before it, each padded to a multiple of 50, end at 0",
       1},
      {"I\t0\t10\nI\t50\t10\n", "the chromosome I stands in the file twice", 2},
      {"I\t0\t2147483600\n", "the genome, padded, is longer than a genome may be (2147483647 positions)", 1},
  };
  ScratchFolder folder;
  const std::string path = folder.path("chromosomes.txt");
  for (const Case& c : cases) {
    folder.write("chromosomes.txt", c.text);
    const Result<ChromosomeLayout> read = read_layout_file(path);
    ASSERT_FALSE(read.ok()) << c.text;
    EXPECT_EQ(read.failure().message, path + ", line " + std::to_string(c.line) + ": " + c.reason) << c.text;
  }
  for (const char* empty : {"", "# nothing\n\n"}) {
    folder.write("chromosomes.txt", empty);
    const Result<ChromosomeLayout> read = read_layout_file(path);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().message, path + " holds no chromosome line (name, offset, length)");
  }
  const Result<ChromosomeLayout> missing = read_layout_file(folder.path("none.txt"));
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.failure().message.find("none.txt"), std::string::npos);
}

TEST(PackageLayout, TheFileWhenThereIsOneElseTheBuiltIn) {
  ScratchFolder folder;
  const std::string previous = std::filesystem::current_path();
  ASSERT_EQ(chdir(folder.root().c_str()), 0);
  const Result<ChromosomeLayout> without = load_package_layout();
  folder.make_folder("Desktop/vesmar/Feature_locations");
  folder.write("Desktop/vesmar/Feature_locations/chromosomes.txt", "2L\t0\t23513712\n");
  const Result<ChromosomeLayout> with = load_package_layout();
  folder.write("Desktop/vesmar/Feature_locations/chromosomes.txt", "2L\t0\n");
  const Result<ChromosomeLayout> bad = load_package_layout();
  ASSERT_EQ(chdir(previous.c_str()), 0);

  ASSERT_TRUE(without.ok());
  EXPECT_EQ(without.value().source, kBuiltInLayoutSource);
  ASSERT_TRUE(with.ok()) << with.failure().message;
  EXPECT_EQ(with.value().source, kChromosomeLayoutPath);
  EXPECT_EQ(with.value().chromosomes.at(0).length, 23513712);
  ASSERT_FALSE(bad.ok());
  EXPECT_TRUE(bad.failure().message.starts_with(std::string(kChromosomeLayoutPath) + ", line 1: "));
}

TEST(FindChromosome, ExactNamesAndTheUsualSpellings) {
  const ChromosomeLayout worm = built_in_layout();
  const ChromosomeLayout headers = layout_of({{"CHROMOSOME_I", 10}, {"CHROMOSOME_II", 10}, {"CHROMOSOME_X", 10}});
  const ChromosomeLayout fly = layout_of({{"2L", 10}, {"2R", 10}, {"X", 10}, {"chrX", 10}});
  struct Case {
    const ChromosomeLayout* layout;
    const char* text;
    std::optional<std::size_t> found;
  };
  const Case cases[] = {
      {&worm, "I", 0}, {&worm, "II", 1}, {&worm, "III", 2}, {&worm, "IV", 3}, {&worm, "V", 4}, {&worm, "X", 5},
      {&worm, "chrI", 0}, {&worm, "chrV", 4}, {&worm, "Chr_X", 5}, {&worm, "CHRIII", 2}, {&worm, "CHROMOSOME_I", 0},
      {&worm, "chromosome_IV", 3}, {&worm, "ChromosomeII", 1},
      {&headers, "I", 0}, {&headers, "chrII", 1}, {&headers, "X", 2}, {&headers, "CHROMOSOME_X", 2},
      {&fly, "chr2L", 0}, {&fly, "2R", 1}, {&fly, "chrX", 3}, {&fly, "X", 2}, {&fly, "Chromosome_X", 2},
      // Not chromosomes of the genome, or not spelt as one.
      {&worm, "MtDNA", std::nullopt}, {&worm, "chrM", std::nullopt}, {&worm, "i", std::nullopt},
      {&worm, "chri", std::nullopt}, {&worm, "VI", std::nullopt}, {&worm, "chrI ", std::nullopt},
      {&worm, "I\r", std::nullopt}, {&worm, "1", std::nullopt}, {&worm, "chr", std::nullopt},
      {&worm, "", std::nullopt}, {&worm, "chr_chrI", std::nullopt}, {&worm, "chrIII_random", std::nullopt},
      {&headers, "CHROMOSOME_", std::nullopt}, {&fly, "2l", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(find_chromosome(*c.layout, c.text), c.found) << '"' << c.text << '"';
  EXPECT_EQ(find_chromosome_exactly(worm, "chrI"), std::nullopt);
  EXPECT_EQ(find_chromosome_exactly(headers, "CHROMOSOME_II"), 1u);
}

TEST(FindRegionChromosome, ExactWithTheBuiltInLayoutAsTheReportsHaveIt) {
  const ChromosomeLayout headers = layout_of({{"CHROMOSOME_I", 10}, {"CHROMOSOME_II", 10}});
  EXPECT_EQ(find_region_chromosome(built_in_layout(), "II"), 1u);
  EXPECT_EQ(find_region_chromosome(built_in_layout(), "chrII"), std::nullopt);
  EXPECT_EQ(find_region_chromosome(headers, "II"), 1u);
  EXPECT_EQ(find_region_chromosome(headers, "chrII"), 1u);
}

TEST(ChromosomeAt, EachPositionOfAChromosomesRoomAndNoneOutside) {
  const ChromosomeLayout layout = layout_of({{"a", 37}, {"b", 50}, {"c", 1}});
  // a: 1-37 and padding 38-50; b: 51-100 and 101-150; c: 151 and 152-200.
  struct Case {
    std::int64_t position;
    std::optional<std::size_t> index;
  };
  const Case cases[] = {{0, std::nullopt}, {-5, std::nullopt}, {1, 0}, {37, 0}, {50, 0}, {51, 1}, {150, 1},
                        {151, 2},          {200, 2},           {201, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(chromosome_at(layout, c.position), c.index) << c.position;
  EXPECT_EQ(chromosome_position(layout, 1, 51), 1);
  EXPECT_EQ(chromosome_position(layout, 1, 101), 51);
  EXPECT_EQ(genome_position(layout, 2, 1), 151);
  EXPECT_EQ(chromosome_at(built_in_layout(), 82548901), 5u);
  EXPECT_EQ(chromosome_at(built_in_layout(), 82548900), 4u);
  EXPECT_EQ(chromosome_at(built_in_layout(), 100'300'001), std::nullopt);
}

TEST(CheckLayoutsAgree, TheFirstDifferenceNamingBothSources) {
  const ChromosomeLayout file = layout_of(kCurrentAssembly);
  ChromosomeLayout other = file;
  other.source = "Desktop/run1.bam";
  const std::string both = "the chromosomes of test.fa and Desktop/run1.bam differ: ";
  EXPECT_TRUE(check_layouts_agree(file, other).ok());
  other.chromosomes[2].name = "chrIII";
  EXPECT_TRUE(check_layouts_agree(file, other).ok());

  struct Case {
    std::vector<NamedLength> chromosomes;
    std::string message;
  };
  const Case cases[] = {
      {{{"I", 15072434}}, both + "the first has 6, the second 1"},
      {{{"I", 15072434}, {"III", 15279421}, {"II", 13783801}, {"IV", 17493829}, {"V", 20924180}, {"X", 17718942}},
       both + "chromosome 2 is II in the first, III in the second"},
      {{{"I", 15072434}, {"II", 15279350}, {"III", 13783801}, {"IV", 17493829}, {"V", 20924180}, {"X", 17718942}},
       both + "chromosome II has 15279421 bases in the first, 15279350 in the second"},
  };
  for (const Case& c : cases) {
    Result<ChromosomeLayout> second = layout_from_lengths(c.chromosomes, "Desktop/run1.bam");
    ASSERT_TRUE(second.ok());
    const Status agree = check_layouts_agree(file, second.value());
    ASSERT_FALSE(agree.ok()) << c.message;
    EXPECT_EQ(agree.failure().message, c.message);
  }
  // The built-in layout knows offsets only: the current assembly's differ from III on.
  const Status built_in = check_layouts_agree(built_in_layout(), file);
  ASSERT_FALSE(built_in.ok());
  EXPECT_EQ(built_in.failure().message, "the chromosomes of the built-in chromosome layout and test.fa differ: "
                                        "chromosome III starts at 30351800 in the first, 30351900 in the second");
}

TEST(CheckChromosomeLength, AgainstTheLayoutsLengthWhenItKnowsOne) {
  const ChromosomeLayout file = layout_of(kCurrentAssembly);
  EXPECT_TRUE(check_chromosome_length(file, 1, "chrII", 15279421, "Desktop/genome.fa").ok());
  EXPECT_TRUE(check_chromosome_length(built_in_layout(), 1, "II", 15279421, "Desktop/genome.fa").ok());
  const Status wrong = check_chromosome_length(file, 1, "chrII", 15279350, "Desktop/genome.fa");
  ASSERT_FALSE(wrong.ok());
  EXPECT_EQ(wrong.failure().message,
            "Desktop/genome.fa gives the chromosome chrII 15279350 bases, test.fa 15279421: they are not the same "
            "genome");
}

TEST(SameChromosomeName, ThePrefixesOnEitherSide) {
  EXPECT_TRUE(same_chromosome_name("chrI", "CHROMOSOME_I"));
  EXPECT_TRUE(same_chromosome_name("I", "I"));
  EXPECT_FALSE(same_chromosome_name("", ""));
  EXPECT_FALSE(same_chromosome_name("chr", "chromosome_"));
  EXPECT_FALSE(same_chromosome_name("chrI", "chrII"));
}

}  // namespace
}  // namespace vesmar
