// Candidate_rank as its users meet it: the built program in a scratch
// folder with a generated batch (a parent and four mutants), its files read
// back as a lab would read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "common/testing/command_line_check.h"
#include "common/testing/program_run.h"
#include "package_generator/mutant_batch.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = CANDIDATE_RANK_BINARY;

generator::MutantBatch test_batch() { return generator::make_mutant_batch(generator::MutantBatchShape{}, 23); }

void write_batch(const ScratchFolder& folder) {
  ASSERT_TRUE(generator::write_mutant_batch(folder.root(), test_batch()).ok());
}

const std::vector<std::string> kBatchArguments = {"--strain", "m1=m1.txt", "--strain", "m2=m2.txt",
                                                  "--strain", "m3=m3.txt", "--strain", "m4=m4.txt",
                                                  "--background", "parent=parent.txt"};

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

// The table's rows (not its "#" lines), cut into fields.
std::vector<std::vector<std::string>> rows_of(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::stringstream in(table);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.starts_with("#")) rows.push_back(fields_of(line));
  }
  return rows;
}

std::vector<std::string> paths_of(const std::vector<std::string>& names) {
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    for (const char* file : {"_candidates.tsv", "_linked.bed", "_candidates.html"}) {
      paths.push_back("Desktop/vesmar/Candidates/" + name + file);
    }
  }
  return paths;
}

TEST(CandidateRankBatch, EachPlantedCauseRanksFirstInsideItsLinkedInterval) {
  ScratchFolder folder;
  write_batch(folder);
  const generator::MutantBatch batch = test_batch();
  const ProgramRun run = testing::run_program(kBinary, folder, "", kBatchArguments);
  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected_out;
  for (const std::string& path : paths_of({"m1", "m2", "m3", "m4"})) expected_out += path + "\n";
  EXPECT_EQ(run.out, expected_out);
  EXPECT_FALSE(folder.exists("Desktop/vesmar/Candidates/parent_candidates.tsv"));

  for (const generator::PlantedCause& cause : batch.causes) {
    SCOPED_TRACE(cause.strain);
    const std::string table = folder.read("Desktop/vesmar/Candidates/" + cause.strain + "_candidates.tsv");
    const auto rows = rows_of(table);
    ASSERT_FALSE(rows.empty());
    const std::vector<std::string>& top = rows.front();
    ASSERT_EQ(top.size(), 19u);
    EXPECT_EQ(top[0], "1");
    EXPECT_EQ(top[1], "I");
    EXPECT_EQ(top[2], std::to_string(cause.first));
    EXPECT_EQ(top[3], std::to_string(cause.last));
    EXPECT_EQ(top[4], cause.uncovered ? "uncovered" : "snp");
    EXPECT_EQ(top[15], "yes");  // linked
    EXPECT_TRUE(top[7].starts_with(cause.gene + ".exon")) << top[7];
    // No change that the parent carries is listed, nor one of its stretches.
    for (const auto& row : rows) {
      const std::int64_t position = std::stoll(row[2]);
      EXPECT_EQ(std::count(batch.background_positions.begin(), batch.background_positions.end(), position), 0)
          << position;
      EXPECT_LE(std::stoll(row[3]), 60'000);  // the padding no strain covers
    }
    // The linked interval holds the cause.
    const std::string bed = folder.read("Desktop/vesmar/Candidates/" + cause.strain + "_linked.bed");
    bool holds = false;
    for (const std::string& line : {bed}) {
      std::stringstream in(line);
      std::string interval;
      while (std::getline(in, interval)) {
        const auto fields = fields_of(interval);
        ASSERT_GE(fields.size(), 3u);
        holds = holds || (fields[0] == "I" && std::stoll(fields[1]) < cause.first && std::stoll(fields[2]) >= cause.last);
      }
    }
    EXPECT_TRUE(holds) << bed;
    EXPECT_NE(table.find("##removed_changes_seen_in_another_strain=" + std::to_string(batch.background_positions.size())),
              std::string::npos);
  }
  // Two alleles of one gene name each other.
  EXPECT_EQ(rows_of(folder.read("Desktop/vesmar/Candidates/m1_candidates.tsv")).front()[16], "m2");
  EXPECT_EQ(rows_of(folder.read("Desktop/vesmar/Candidates/m2_candidates.tsv")).front()[16], "m1");
  const auto m1 = rows_of(folder.read("Desktop/vesmar/Candidates/m1_candidates.tsv")).front();
  EXPECT_EQ(m1[8], "stop_gained");
  EXPECT_EQ(m1[9], "tgg>tga");
  EXPECT_EQ(m1[14], "yes");
  EXPECT_EQ(rows_of(folder.read("Desktop/vesmar/Candidates/m3_candidates.tsv")).front()[8], "missense");
  EXPECT_EQ(rows_of(folder.read("Desktop/vesmar/Candidates/m4_candidates.tsv")).front()[8], "coding_bases_uncovered");
}

TEST(CandidateRankBatch, TheTableBeginsWithTheRunAndWhatEachFilterRemoved) {
  ScratchFolder folder;
  write_batch(folder);
  ASSERT_EQ(testing::run_program(kBinary, folder, "", kBatchArguments).status, 0);
  const std::string table = folder.read("Desktop/vesmar/Candidates/m3_candidates.tsv");
  const std::string start =
      "##program=Candidate_rank 1.0.0\n##strain=m3\n##min_mut_reads=2\n##min_depth=3\n##homozygous_share=0.80\n"
      "##mutagen=ems\n##batch=m1,ranked,Desktop/vesmar/Alignment_results/m1.txt\n";
  EXPECT_EQ(table.substr(0, start.size()), start);
  for (const char* key : {"##batch=parent,background,", "##changes_read=", "##removed_changes_below_min_mut_reads=30\n",
                          "##removed_changes_below_min_depth=", "##stretches_read=",
                          "##removed_stretches_shared_with_another_strain=5\n", "##linked_interval=I:",
                          "#rank\tchromosome\tposition\tend\tkind\tref\talt\tregion\tconsequence\tcodons\tamino_acids\t"
                          "share\tmut_reads\twt_reads\tems\tlinked\tstrains_with_gene\tscore\treasons\n"}) {
    EXPECT_NE(table.find(key), std::string::npos) << key;
  }
  const std::string page = folder.read("Desktop/vesmar/Candidates/m3_candidates.html");
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(page.find("class=\"linked\""), std::string::npos);
  EXPECT_NE(page.find("No own changes on chromosome II, III, IV, V, X."), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST(CandidateRankBatch, WithoutTheParentItsChangesAreStillSharedByTheMutants) {
  ScratchFolder folder;
  write_batch(folder);
  const ProgramRun run = testing::run_program(
      kBinary, folder, "", {"--strain", "m1=m1.txt", "--strain", "m3=m3.txt", "--min-depth=5", "--mutagen", "none"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string table = folder.read("Desktop/vesmar/Candidates/m3_candidates.tsv");
  EXPECT_NE(table.find("##min_depth=5\n##homozygous_share=0.80\n##mutagen=none\n"), std::string::npos);
  EXPECT_EQ(rows_of(table).front()[2], std::to_string(test_batch().causes[2].first));
}

const testing::ProgramUnderTest kCandidateRank{kBinary, "Candidate_rank", write_batch};

TEST(CandidateRankOptions, TheDialogueAsksForTheStrainsAndWritesTheSameFiles) {
  testing::check_answers_match_dialogue(kCandidateRank, "2\nm1\nm1.txt\nm4\nm4.txt\n1\nparent\nparent.txt\n",
                                        {"--strain", "m1=m1.txt", "--strain", "m4=m4.txt", "--background",
                                         "parent=parent.txt"},
                                        paths_of({"m1", "m4"}));
}

TEST(CandidateRankOptions, AWrongCommandLineIsAUsageError) {
  testing::check_usage_errors(
      kCandidateRank,
      {
          {{"--background", "parent=parent.txt"}, "--strain is missing: give every answer, or none to be asked"},
          {{"--strain", "m1"}, "\"m1\" is not NAME=RESULTS"},
          {{"--strain", "m1=a", "--strain", "m1=b"}, "the strain name \"m1\" is given twice"},
          {{"--strain", "m1=a", "--min-depth", "x"}, "the value \"x\" of --min-depth is not a whole number"},
          {{"--strain", "m1=a", "--mutagen", "x"}, "--mutagen takes ems or none, not \"x\""},
          {{"--strain", "m1=a", "--min-mut-reads", "1", "--min-mut-reads", "2"}, "--min-mut-reads is given twice"},
      });
}

TEST(CandidateRankOptions, AMissingFileFailsAndWritesNothing) {
  ScratchFolder folder;
  write_batch(folder);
  const ProgramRun run = testing::run_program(kBinary, folder, "", {"--strain", "m1=m1.txt", "--strain", "m9=none.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Desktop/vesmar/Alignment_results/none.txt"), std::string::npos) << run.err;
  EXPECT_FALSE(folder.exists("Desktop/vesmar/Candidates/m1_candidates.tsv"));
}

TEST(CandidateRankOptions, HelpNamesTheThresholdsAndTheirDefaults) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* text : {"--strain NAME=RESULTS", "--background NAME=RESULTS", "(default 2)", "(default 3)",
                           "(default 0.8)", "--mutagen ems|none", "(default ems)", "may be given again"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace vesmar
