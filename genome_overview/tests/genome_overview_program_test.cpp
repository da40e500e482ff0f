// Runs the built Genome_overview in a scratch package folder: the dialogue
// and the options, how it fails, and the page read back against the files
// it was drawn from.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "common/testing/command_line_check.h"
#include "common/testing/program_run.h"
#include "common/testing/write_error_check.h"

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
const std::string kProgress =
    "Reading SNP results...\nReading deletion results...\nWriting " + kPage + "...\n";

std::string vcf(const std::vector<std::pair<std::string, int>>& records, const std::string& info) {
  std::string text = "##fileformat=VCFv4.2\n##vesmar_ratio=3\n#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\tAnna\n";
  for (const auto& [chromosome, position] : records) {
    text += chromosome + "\t" + std::to_string(position) + "\t.\tG\tA\t.\t.\t" + info + "\tAD:DP\t1,3:4\n";
  }
  return text;
}

// SNPs on I, III and X, 521 in two files; stretches on I and V.
void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/vesmar/SNP_results/Anna_snp_cexons.vcf",
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
  testing::check_usage_errors(kOverview, {{{"--name"}, "--name needs a value"},
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
                               "Anna\n", {kPage}, "Genome_overview", "Done\n[PAUSE]\n", kProgress});
}

// The marks of one track read back from the page: each element's class and
// its data attributes.
struct Mark {
  std::string tag, css;
  std::map<std::string, double> data;
  double x = 0;
};

std::map<std::string, std::vector<Mark>> marks_by_chromosome(const std::string& page) {
  std::map<std::string, std::vector<Mark>> marks;
  const std::regex element(R"re(<(rect|circle|path|svg) ([^>]*)>)re");
  const std::regex attribute(R"re(\b(data-[\w-]+|x|cx|class)="([^"]*)")re");
  std::string chromosome;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), element); it != std::sregex_iterator(); ++it) {
    const std::string attributes = (*it)[2];
    Mark mark{(*it)[1], "", {}, 0};
    for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute); a != std::sregex_iterator(); ++a) {
      const std::string name = (*a)[1];
      const std::string value = (*a)[2];
      if (name == "data-chrom") chromosome = value;
      if (name == "class") mark.css = value;
      if (name == "x" || name == "cx") mark.x = std::stod(value);
      if (name.starts_with("data-") && mark.tag != "svg") mark.data[name.substr(5)] = std::stod(value);
    }
    if (!chromosome.empty() && !mark.data.empty()) marks[chromosome].push_back(mark);
  }
  return marks;
}

TEST(GenomeOverviewPage, MarksAndBarsAgreeWithTheRecords) {
  ScratchFolder folder;
  write_inputs(folder);
  ASSERT_EQ(testing::run_program(kBinary, folder, "Anna\n").status, 0);
  const std::string page = folder.read(kPage);
  EXPECT_NE(page.find("a&lt;b"), std::string::npos);  // the region's %3C, decoded and escaped
  auto marks = marks_by_chromosome(page);
  // The axis runs to the farthest record, V's stretch, which passes the end of V's room.
  const double axis_end = 20'919'650;
  const auto x_of = [&](double u) { return 120 + u / axis_end * 660; };
  const auto lanes = [&](const std::string& chromosome) {
    std::vector<std::pair<std::string, double>> found;
    for (const Mark& mark : marks[chromosome]) {
      if (mark.tag == "rect" && mark.data.count("pos")) {
        EXPECT_NEAR(mark.x + 0.8, x_of(mark.data.at("pos") - 0.5), 0.06);
        found.emplace_back(mark.css, mark.data.at("pos"));
      }
    }
    return found;
  };
  using Found = std::vector<std::pair<std::string, double>>;
  EXPECT_EQ(lanes("I"), (Found{{"p", 447}, {"p", 521}}));  // 521 is in both files: drawn once, as an exon SNP
  EXPECT_EQ(lanes("III"), (Found{{"i", 9}}));
  EXPECT_EQ(lanes("X"), (Found{{"p", 17'000'000}}));
  EXPECT_TRUE(lanes("II").empty());
  const auto shares = std::count_if(marks["I"].begin(), marks["I"].end(), [](const Mark& m) { return m.data.count("share"); });
  EXPECT_EQ(shares, 2);
  std::vector<std::pair<double, double>> bars;
  for (const std::string chromosome : {"I", "V"}) {
    for (const Mark& mark : marks[chromosome]) {
      if (mark.css == "g") bars.emplace_back(mark.data.at("start"), mark.data.at("end"));
    }
  }
  EXPECT_EQ(bars, (std::vector<std::pair<double, double>>{{1099, 1112}, {1300, 1300}, {0, 20'919'650}}));
}

TEST(GenomeOverviewPage, ManySnpsOnAChromosomeAreBinnedAndStillAllCounted) {
  ScratchFolder folder;
  std::vector<std::pair<std::string, int>> records;
  for (int i = 1; i <= 1500; ++i) records.emplace_back("II", i * 1000);
  folder.write("Desktop/vesmar/SNP_results/Anna_snp_cintergenic.vcf", vcf(records, "CLASS=intergenic"));
  ASSERT_EQ(testing::run_program(kBinary, folder, "", {"--name", "Anna"}).status, 0);
  const std::string page = folder.read(kPage);
  EXPECT_NE(page.find("data-chrom=\"II\" data-axis-end=\"1600000\" data-plot-left=\"120\" data-plot-width=\"660\" "
                      "data-snps=\"bins\""),
            std::string::npos);
  double counted = 0;
  double with_shares = 0;
  double last_to = 0;
  auto marks = marks_by_chromosome(page);
  for (const Mark& bin : marks["II"]) {
    EXPECT_GT(bin.data.at("from"), last_to);
    EXPECT_LE(bin.data.at("from"), bin.data.at("to"));
    // Every record lies in a bin: positions 1000, 2000, ... 1,500,000.
    const double records_in = std::min(std::floor(bin.data.at("to") / 1000), 1500.0) - std::floor((bin.data.at("from") - 1) / 1000);
    EXPECT_EQ(bin.data.at("n"), records_in);
    (bin.tag == "rect" ? counted : with_shares) += bin.data.at("n");
    if (bin.tag == "circle") last_to = bin.data.at("to");
  }
  EXPECT_EQ(counted, 1500);
  EXPECT_EQ(with_shares, 1500);
}

}  // namespace
}  // namespace vesmar
