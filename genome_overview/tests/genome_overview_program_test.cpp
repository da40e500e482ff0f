// Runs the built Genome_overview in a scratch package folder: the dialogue
// and the options, how it fails, and the page read back against the files
// it was drawn from.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/program_run.h"
#include "testing/write_error_check.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = GENOME_OVERVIEW_BINARY;
const std::string kPage = "Desktop/vesmar/Overview/Anna_overview.html";
const std::string kBanner =
    "            Genome_overview\n"
    "            _______________\n"
    "\n"
    "This program draws a picture of one strain: where along each chromosome\n"
    "the suspected SNPs and the stretches without reads lie, from the files\n"
    "that Point_scan and Gap_region_scan wrote for your first name.  See\n"
    "Read_me file for details.\n"
    "\n"
    "The picture will be deposited in a file named\n"
    "'yourfirstname_overview.html' in the 'Overview' folder; open it in a\n"
    "web browser.\n"
    "\n";
const std::string kProgress = "Reading SNP results...\nReading deletion results...\nWriting " + kPage + "...\n";

std::string vcf(const std::vector<std::pair<std::string, int>>& records, const std::string& info) {
  std::string text =
      "##fileformat=VCFv4.2\n##vesmar_ratio=3\n#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\tAnna\n";
  for (const auto& [chromosome, position] : records) {
    text += chromosome + "\t" + std::to_string(position) + "\t.\tG\tA\t.\t.\t" + info + "\tAD:DP\t1,3:4\n";
  }
  return text;
}

// SNPs on I, III and X, 521 in two files; stretches on I and V.
void write_inputs(const ScratchFolder& folder) {
  folder.write(
      "Desktop/vesmar/SNP_results/Anna_snp_cexons.vcf",
      vcf({{"I", 447}, {"I", 521}, {"X", 17'000'000}}, "REGION=a%3Cb;CLASS=exon;CSQ=missense|a|gga>aga|Gly>Arg"));
  folder.write("Desktop/vesmar/SNP_results/Anna_snp_cintrons.vcf", vcf({{"I", 521}, {"III", 9}}, "CLASS=intron"));
  folder.write("Desktop/vesmar/Deletion_results/Anna_del_cintergenic.bed",
               "#chrom\tstart\tend\nI\t1099\t1112\tn1\nI\t1300\t1300\tn2\nV\t0\t20919650\tn3\n");
}

const testing::ProgramUnderTest kOverview{kBinary, "Genome_overview", write_inputs};

TEST(GenomeOverviewProgram, TheDialogueAsksTheNameAndWritesThePage) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run = testing::run_program(kBinary, folder, "Anna\n");
  EXPECT_EQ(run.out, "[clear]\n" + kBanner + "Your first name: " + kProgress + "Done\n[PAUSE]\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(folder.list("Desktop/vesmar/Overview"), std::vector<std::string>{"Anna_overview.html"});
  testing::check_answers_match_dialogue(kOverview, "Anna\n", {"--name", "Anna"}, {kPage});
  testing::check_usage_errors(kOverview,
                              {{{"--name"}, "--name needs a value"},
                               {{"Anna"}, "unknown argument \"Anna\""},
                               {{"-C", "/no/such/folder"}, "cannot enter /no/such/folder: No such file or directory"}});
}

TEST(GenomeOverviewProgram, FailuresNameTheFileOrQuestionAndKeepTheOlderPage) {
  struct Case {
    const char* what;
    std::string answers;
    std::function<void(const ScratchFolder&)> inputs;
    std::string error;
  };
  const Case cases[] = {
      {"no file for the name", "Bo\n", write_inputs,
       "Genome_overview: found no file of Point_scan or Gap_region_scan for the first name \"Bo\": none of "
       "Desktop/vesmar/SNP_results/Bo_snp_cexons.vcf, Desktop/vesmar/SNP_results/Bo_snp_cintrons.vcf, "
       "Desktop/vesmar/SNP_results/Bo_snp_cintergenic.vcf, Desktop/vesmar/Deletion_results/Bo_del_cexons.bed, "
       "Desktop/vesmar/Deletion_results/Bo_del_cintrons.bed, Desktop/vesmar/Deletion_results/Bo_del_cintergenic.bed "
       "exists (run the scanners for that name first)\n"},
      {"no answer", "", write_inputs,
       "Genome_overview: standard input ended before the question \"Your first name:\" was answered\n"},
      {"a file that cannot be read", "Anna\n",
       [](const ScratchFolder& folder) {
         write_inputs(folder);
         folder.make_folder("Desktop/vesmar/Deletion_results/Anna_del_cexons.bed");
       },
       "Genome_overview: cannot open Desktop/vesmar/Deletion_results/Anna_del_cexons.bed: Is a directory\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    c.inputs(folder);
    folder.make_folder("Desktop/vesmar/Overview");
    folder.write(kPage, "older");
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.error);
    EXPECT_EQ(run.out.find("[PAUSE]"), std::string::npos);
    EXPECT_EQ(folder.read(kPage), "older");
  }
  testing::check_write_errors({kBinary,
                               [](const ScratchFolder& folder) {
                                 write_inputs(folder);
                                 folder.make_folder("Desktop/vesmar/Overview");
                               },
                               "Anna\n",
                               {kPage},
                               "Genome_overview",
                               "Done\n[PAUSE]\n",
                               kProgress});
}

// The value of the attribute `name` in the text of a tag, if it has one.
std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
  std::string key(" ");
  key.append(name).append("=\"");
  const std::size_t at = tag.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  const std::size_t begin = at + key.size();
  return std::string(tag.substr(begin, tag.find('"', begin) - begin));
}

// What the page draws, read back in its order: "I p 447" for an SNP's mark
// in its lane (whose x must be its position's), "I share 447" for its
// mutant share, "V g 0-12" for a stretch without reads.
std::vector<std::string> drawn(const std::string& page, double axis_end) {
  std::vector<std::string> found;
  std::string chromosome;
  for (std::size_t open = page.find('<'); open != std::string::npos; open = page.find('<', open + 1)) {
    const std::size_t close = page.find('>', open);
    if (close == std::string::npos) break;
    const std::string_view tag(page.data() + open, close - open);
    if (const auto named = attribute(tag, "data-chrom")) {
      chromosome = *named;
      continue;
    }
    const std::string_view element = tag.substr(1, tag.find(' ') - 1);
    const auto lane = attribute(tag, "class");
    if ((element != "rect" && element != "circle" && element != "path") || !lane) continue;
    if (const auto start = attribute(tag, "data-start")) {
      found.push_back(chromosome + " g " + *start + "-" + attribute(tag, "data-end").value_or(""));
    } else if (const auto position = attribute(tag, "data-pos")) {
      found.push_back(chromosome + " " + (element == "circle" ? "share" : *lane) + " " + *position);
      if (const auto x = attribute(tag, "x")) {
        EXPECT_NEAR(std::stod(*x) + 0.8, 120 + (std::stod(*position) - 0.5) / axis_end * 660, 0.06);
      }
    }
  }
  return found;
}

TEST(GenomeOverviewPage, MarksAndBarsAgreeWithTheRecords) {
  ScratchFolder folder;
  write_inputs(folder);
  ASSERT_EQ(testing::run_program(kBinary, folder, "Anna\n").status, 0);
  const std::string page = folder.read(kPage);
  EXPECT_NE(page.find("a&lt;b"), std::string::npos);  // the region's %3C, decoded and escaped
  // 521 is in both VCFs: drawn once, as an exon SNP. The axis runs to the
  // farthest record, V's stretch, which passes the end of V's room.
  EXPECT_EQ(drawn(page, 20'919'650), (std::vector<std::string>{"I g 1099-1112", "I g 1300-1300", "I p 447", "I p 521",
                                                               "I share 447", "I share 521", "III i 9", "III share 9",
                                                               "V g 0-20919650", "X p 17000000", "X share 17000000"}));
}

}  // namespace
}  // namespace vesmar

namespace vesmar {
namespace {

TEST(GenomeOverviewProgram, LinksToTheStrainsCandidatesWhenCandidateRankRankedIt) {
  ScratchFolder folder;
  write_inputs(folder);
  ASSERT_EQ(testing::run_program(kBinary, folder, "", {"--name", "Anna"}).status, 0);
  EXPECT_EQ(folder.read(kPage).find("Candidates/"), std::string::npos);
  // The share stands with its reads: AD 1,3 is 0.75 of 4 reads.
  EXPECT_NE(folder.read(kPage).find("<td>0.75 of 4</td>"), std::string::npos);
  folder.make_folder("Desktop/vesmar/Candidates");
  folder.write("Desktop/vesmar/Candidates/Anna_candidates.html", "<html/>");
  ASSERT_EQ(testing::run_program(kBinary, folder, "", {"--name", "Anna"}).status, 0);
  EXPECT_NE(folder.read(kPage).find("<a href=\"../Candidates/Anna_candidates.html\">Anna_candidates.html</a>"),
            std::string::npos);
}

}  // namespace
}  // namespace vesmar
