// Candidate_rank as its users meet it: the built program in a scratch
// folder with a generated batch (a parent and four mutants), its files read
// back as a lab would read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/program_run.h"
#include "package_generator/mutant_batch.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = CANDIDATE_RANK_BINARY;

generator::MutantBatch test_batch(const generator::MutantBatchShape& shape = {}) {
  return generator::make_mutant_batch(shape, 23);
}

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

// Runs the batch of `shape` and checks what a lab wants of it: each cause
// first, in its strain's linked interval, and nothing the parent carries.
void check_causes_rank_first(const generator::MutantBatchShape& shape, const ScratchFolder& folder) {
  const generator::MutantBatch batch = test_batch(shape);
  ASSERT_TRUE(generator::write_mutant_batch(folder.root(), batch).ok());
  const ProgramRun run = testing::run_program(kBinary, folder, "", kBatchArguments);
  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected_out;
  for (const std::string& path : paths_of({"m1", "m2", "m3", "m4"})) expected_out += path + "\n";
  EXPECT_EQ(run.out, expected_out);
  EXPECT_FALSE(folder.exists("Desktop/vesmar/Candidates/parent_candidates.tsv"));
  std::vector<std::string> background;
  for (const std::int64_t position : batch.background_positions) {
    const generator::Chromosome& chromosome = generator::chromosome_at(batch.chromosomes, position);
    background.push_back(std::string(chromosome.name) + ":" + std::to_string(position - chromosome.offset));
  }

  for (const generator::PlantedCause& cause : batch.causes) {
    SCOPED_TRACE(cause.strain);
    const std::string table = folder.read("Desktop/vesmar/Candidates/" + cause.strain + "_candidates.tsv");
    const auto rows = rows_of(table);
    ASSERT_FALSE(rows.empty());
    const std::vector<std::string>& top = rows.front();
    ASSERT_EQ(top.size(), 19u);
    EXPECT_EQ(top[0], "1");
    EXPECT_EQ(top[1], cause.chromosome);
    EXPECT_EQ(top[2], std::to_string(cause.chromosome_first));
    EXPECT_EQ(top[3], std::to_string(cause.chromosome_last));
    EXPECT_EQ(top[4], cause.uncovered ? "uncovered" : "snp");
    EXPECT_EQ(top[15], "yes");  // linked
    EXPECT_TRUE(top[7].starts_with(cause.gene + ".exon")) << top[7];
    // No change that the parent carries is listed, nor a stretch in the
    // padding, which no strain covers.
    for (const auto& row : rows) {
      EXPECT_EQ(std::count(background.begin(), background.end(), row[1] + ":" + row[2]), 0) << row[1] << ":" << row[2];
      const auto chromosome = std::find_if(batch.chromosomes.begin(), batch.chromosomes.end(),
                                           [&](const generator::Chromosome& c) { return c.name == row[1]; });
      ASSERT_NE(chromosome, batch.chromosomes.end());
      EXPECT_LE(std::stoll(row[3]), chromosome->sequence_length);
    }
    // The linked interval holds the cause.
    std::stringstream bed(folder.read("Desktop/vesmar/Candidates/" + cause.strain + "_linked.bed"));
    bool holds = false;
    std::string interval;
    while (std::getline(bed, interval)) {
      const auto fields = fields_of(interval);
      ASSERT_GE(fields.size(), 3u);
      holds = holds || (fields[0] == cause.chromosome && std::stoll(fields[1]) < cause.chromosome_first &&
                        std::stoll(fields[2]) >= cause.chromosome_last);
    }
    EXPECT_TRUE(holds) << bed.str();
    EXPECT_NE(table.find("##removed_changes_seen_in_another_strain=" + std::to_string(batch.background_positions.size())),
              std::string::npos);
  }
}

TEST(CandidateRankBatch, EachPlantedCauseRanksFirstInsideItsLinkedInterval) {
  ScratchFolder folder;
  check_causes_rank_first(generator::MutantBatchShape{}, folder);
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

TEST(CandidateRankBatch, OnAGenomeOfThreeChromosomesWithItsLayoutFile) {
  ScratchFolder folder;
  generator::MutantBatchShape shape;
  shape.chromosome_bases = {20'000, 21'000, 22'000};
  check_causes_rank_first(shape, folder);
  ASSERT_TRUE(folder.exists("Desktop/vesmar/Feature_locations/chromosomes.txt"));
  const std::string page = folder.read("Desktop/vesmar/Candidates/m4_candidates.html");
  for (const char* caption : {"<b>Chromosome I</b>: ", "<b>Chromosome II</b>: ", "<b>Chromosome III</b>: "}) {
    EXPECT_NE(page.find(caption), std::string::npos) << caption;
  }
  EXPECT_EQ(page.find("<b>Chromosome IV</b>"), std::string::npos);
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
                           "(default 0.8)", "--mutagen ems|none", "(default ems)", "NAME=RESULTS..."}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace vesmar
