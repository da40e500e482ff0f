#include <gtest/gtest.h>

#include "testing/program_run.h"
#include "formats/feature_locations/exon_tables.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {
namespace {

RegionTable regions_of(const std::string& content) {
  testing::ScratchFolder folder;
  folder.write("regions.txt", content);
  Result<RegionTable> table = load_region_table(folder.path("regions.txt"));
  EXPECT_TRUE(table.ok());
  return table.ok() ? std::move(table.value()) : RegionTable{};
}

TEST(RegionTable, CountsWholeGroupsOfFiveLines) {
  const std::string two = "a.exon1\n100\n199\nI\n1\nb.exon2\n 300x\n-5\nII\r\n-1";
  EXPECT_EQ(regions_of(two).regions.size(), 2u);
  EXPECT_EQ(regions_of(two + "\n").regions.size(), 2u);
  EXPECT_EQ(regions_of(two + "\nc.exon3\n500").regions.size(), 2u) << "twelve lines";
  EXPECT_EQ(regions_of("").regions.size(), 0u);

  const RegionTable table = regions_of(two + "\n");
  EXPECT_EQ(table.regions[0].name, "a.exon1");
  EXPECT_EQ(table.regions[0].start, 100);
  EXPECT_EQ(table.regions[0].end, 199);
  EXPECT_EQ(table.regions[1].start, 300);
  EXPECT_EQ(table.regions[1].end, -5);
  EXPECT_EQ(table.regions[1].chromosome, "II\r");
  EXPECT_EQ(table.regions[1].strand, "-1");
}

TEST(RegionTable, AMissingFileIsAFailureNamingIt) {
  Result<RegionTable> table = load_region_table("no/such/cexons.txt");
  ASSERT_FALSE(table.ok());
  EXPECT_NE(table.failure().message.find("no/such/cexons.txt"), std::string::npos);
  EXPECT_EQ(table.failure().kind, FailureKind::not_found);
}

TEST(GeneticCode, CodonAndUpToThreeCharactersOfAminoAcid) {
  testing::ScratchFolder folder;
  folder.write("code.txt", "aaaLys\nttt\ngggGlyxyz\nac\n\naaaK\n");
  Result<GeneticCode> code = load_genetic_code(folder.path("code.txt"));
  ASSERT_TRUE(code.ok());
  EXPECT_EQ(code.value(), (GeneticCode{{"aaa", "K"}, {"ttt", ""}, {"ggg", "Gly"}}));
}

TEST(ExonSequences, NameThenSequenceLaterPairsWin) {
  testing::ScratchFolder folder;
  folder.write("seq.txt", "g.exon1\nacgt\ng.exon2\nttt\r\ng.exon1\ngg\ndangling\n");
  Result<ExonSequences> sequences = load_exon_sequences(folder.path("seq.txt"));
  ASSERT_TRUE(sequences.ok());
  const ExonSequences& got = sequences.value();
  EXPECT_EQ(got.size(), 3u);
  EXPECT_EQ(got.find("g.exon1"), "gg");
  EXPECT_EQ(got.find("g.exon2"), "ttt\r");
  EXPECT_EQ(got.find("dangling"), "");
  EXPECT_EQ(got.find("acgt"), std::nullopt);
}

TEST(ExonFrames, GroupsOfFourLaterGroupsReplace) {
  testing::ScratchFolder folder;
  folder.write("frames.txt", "g.exon1\n3\n4\n2\ng.exon2\n0\n0\n1\ng.exon1\n7\n8\n3\ng.exon3\n5\n");
  Result<ExonFrames> frames = load_exon_frames(folder.path("frames.txt"));
  ASSERT_TRUE(frames.ok());
  const ExonFrames& f = frames.value();
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f.find("g.exon1")->five_prime_skip, 7);
  EXPECT_EQ(f.find("g.exon1")->three_prime_skip, 8);
  EXPECT_EQ(f.find("g.exon1")->start_frame, 3);
  EXPECT_EQ(f.find("g.exon2")->start_frame, 1);
  EXPECT_EQ(f.find("g.exon3")->five_prime_skip, 5);
  EXPECT_EQ(f.find("g.exon3")->start_frame, 0) << "a group cut short has no frame";
  EXPECT_EQ(f.find("g.exon4"), nullptr);
}

// Each loader names its file when the file has Windows line ends, and reads
// it as it stands.
TEST(FeatureTables, LoadersNameTheFilesWithWindowsLineEnds) {
  struct Case {
    std::string content;
    bool windows;
  };
  using Load = bool (*)(const std::string&, WindowsLineEndFiles*);
  const Load loaders[] = {
      [](const std::string& path, WindowsLineEndFiles* named) { return load_region_table(path, named).ok(); },
      [](const std::string& path, WindowsLineEndFiles* named) { return load_genetic_code(path, named).ok(); },
      [](const std::string& path, WindowsLineEndFiles* named) { return load_exon_sequences(path, named).ok(); },
      [](const std::string& path, WindowsLineEndFiles* named) { return load_exon_frames(path, named).ok(); },
  };
  const Case cases[] = {{"aaaLys\r\nb\r\n", true}, {"aaaLys\nb\r\n", false}, {"", false}};
  testing::ScratchFolder folder;
  for (const Load load : loaders) {
    for (const Case& c : cases) {
      folder.write("table.txt", c.content);
      WindowsLineEndFiles named{"before"};
      EXPECT_TRUE(load(folder.path("table.txt"), &named));
      const WindowsLineEndFiles expected =
          c.windows ? WindowsLineEndFiles{"before", folder.path("table.txt")} : WindowsLineEndFiles{"before"};
      EXPECT_EQ(named, expected) << c.content;
    }
  }
  Result<ExonSequences> sequences = load_exon_sequences(folder.path("table.txt"));
  EXPECT_TRUE(sequences.ok()) << "naming is optional";
}

}  // namespace
}  // namespace vesmar
