#include <gtest/gtest.h>

#include "candidate_rank/candidate_rank_settings.h"

namespace vesmar {
namespace {

TEST(CandidateRankSettings, StrainAnswersAreNameEqualsFile) {
  struct Case {
    const char* answer;
    const char* message;  // empty: good
  };
  const Case cases[] = {
      {"m1=m1.txt.gz", ""},
      {"m-1_b.2=a=b", ""},
      {"m1", "\"m1\" is not NAME=RESULTS"},
      {"=m1.txt", "\"=m1.txt\" has no strain name before \"=\""},
      {"m1=", "\"m1=\" has no alignment results file after \"=\""},
      {"m 1=x", "\"m 1=x\": a strain name holds only letters, digits, \"-\", \"_\" and \".\""},
      {"../m=x", "\"../m=x\": a strain name holds only letters, digits, \"-\", \"_\" and \".\""},
      {".m=x", "\".m=x\": a strain name does not begin with \".\""},
  };
  for (const Case& c : cases) {
    Result<StrainFile> strain = strain_file_from(c.answer, true);
    if (std::string_view(c.message).empty()) {
      EXPECT_TRUE(strain.ok()) << c.answer;
    } else {
      ASSERT_FALSE(strain.ok()) << c.answer;
      EXPECT_EQ(strain.failure().message, c.message);
      EXPECT_EQ(strain.failure().kind, FailureKind::usage);
    }
  }
  EXPECT_EQ(strain_file_from("m1=a=b", true).value().alignment_path, "Desktop/vesmar/Alignment_results/a=b");
}

TEST(CandidateRankSettings, ThresholdsAndNamesAreChecked) {
  struct Case {
    std::vector<std::string> strains;
    std::vector<std::string> backgrounds;
    int reads, depth;
    double share;
    const char* message;
  };
  const Case cases[] = {
      {{"a=x"}, {"p=y"}, 2, 3, 0.8, ""},
      {{}, {"p=y"}, 2, 3, 0.8, "no strain to rank: give --strain NAME=RESULTS"},
      {{"a=x", "a=y"}, {}, 2, 3, 0.8, "the strain name \"a\" is given twice"},
      {{"a=x"}, {"a=y"}, 2, 3, 0.8, "the strain name \"a\" is given twice"},
      {{"a=x"}, {}, 0, 3, 0.8, "--min-mut-reads must be at least 1"},
      {{"a=x"}, {}, 2, 0, 0.8, "--min-depth must be at least 1"},
      {{"a=x"}, {}, 2, 3, 0, "--homozygous-share must be above 0 and at most 1"},
      {{"a=x"}, {}, 2, 3, 1.5, "--homozygous-share must be above 0 and at most 1"},
  };
  for (const Case& c : cases) {
    Result<CandidateRankSettings> settings =
        candidate_rank_settings(c.strains, c.backgrounds, c.reads, c.depth, c.share, Mutagen::Ems);
    if (std::string_view(c.message).empty()) {
      ASSERT_TRUE(settings.ok());
      EXPECT_EQ(settings.value().strains.size(), 2u);
      EXPECT_FALSE(settings.value().strains[1].ranked);
    } else {
      ASSERT_FALSE(settings.ok()) << c.message;
      EXPECT_EQ(settings.failure().message, c.message);
    }
  }
}

}  // namespace
}  // namespace vesmar
