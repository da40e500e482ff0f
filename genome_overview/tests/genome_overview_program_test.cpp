// Runs the built Genome_overview in a scratch package folder: the dialogue
// and the options, how it fails, and the page read back against the files
// it was drawn from.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "genome/chromosome_layout.h"
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
const std::string kLayout(kChromosomeLayoutPath);

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
      {"a layout file that is no layout", "Anna\n",
       [](const ScratchFolder& folder) {
         write_inputs(folder);
         folder.write(kLayout, "# written by hand\nI\t0\n");
       },
       "Genome_overview: " + kLayout +
           ", line 2: not a chromosome line (name, offset and length, separated by tabs)\n"},
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

// The package's chromosome layout, as Chromosome_join writes it.
std::string layout_file(const std::vector<NamedLength>& chromosomes) {
  return layout_file_text(layout_from_lengths(chromosomes, "the test's chromosomes").value());
}

// What stands in the page between `from` and the next `to` after it, each
// time, in the page's order.
std::vector<std::string> texts_between(const std::string& page, const std::string& from, const std::string& to) {
  std::vector<std::string> texts;
  for (std::size_t at = page.find(from); at != std::string::npos; at = page.find(from, at + 1)) {
    const std::size_t begin = at + from.size();
    texts.push_back(page.substr(begin, page.find(to, begin) - begin));
  }
  return texts;
}

// What each track's caption says of the chromosome's length and the axis.
std::vector<std::string> track_lengths(const std::string& page) {
  std::vector<std::string> lengths;
  for (const std::string& caption : texts_between(page, "<figcaption>", "</figcaption>")) {
    lengths.push_back(caption.substr(caption.rfind("). ") + 3));
  }
  return lengths;
}

// The chromosomes of the counts table, row by row.
std::vector<std::string> counted_chromosomes(const std::string& page) {
  const std::vector<std::string> table = texts_between(page, "<h2>Counts</h2>", "</table>");
  return table.empty() ? std::vector<std::string>() : texts_between(table[0], "<tr><td class=\"t\">", "</td>");
}

// The current assembly's V is 20,924,180 bases long, more than the room of
// 20,919,600 that the built-in offsets leave it: with the layout file, the
// tracks and the axis end where the chromosomes end, and an SNP near V's
// end is drawn at its place on them.
TEST(GenomeOverviewPage, TheLayoutsLengthsGiveTheTracksAndTheAxis) {
  const std::string layout = layout_file({{"I", 15'072'434},
                                          {"II", 15'279'421},
                                          {"III", 13'783'801},
                                          {"IV", 17'493'829},
                                          {"V", 20'924'180},
                                          {"X", 17'718'942}});
  struct Case {
    const char* what;
    std::optional<std::string> layout;
    std::int64_t axis_end;
    std::vector<std::string> captions;  // of I, V and X: how long, where cut
    std::string lengths_note;
  };
  const Case cases[] = {
      {"the current assembly's layout", layout, 20'924'180,
       {"15,072,434 positions long.", "20,924,180 positions long.", "17,718,942 positions long."},
       "A track is as long as the chromosome, as the chromosome layout " + kLayout + " gives its length, or longer"},
      // Without it, as before: each chromosome its room, V's up to the SNP,
      // which lies past it; the axis ends at the SNP.
      {"no layout file", std::nullopt, 20'924'000,
       {"15,072,450 positions long.", "20,924,000 positions long.", "17,751,100 positions long."},
       "A track is as long as the chromosome's room in the joined reference genome: from its offset to the next "
       "chromosome's, X's to the genome's end at 100,300,000 (its length and the padding after it), or longer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    if (c.layout) folder.write(kLayout, *c.layout);
    folder.write("Desktop/vesmar/SNP_results/Anna_snp_cintergenic.vcf",
                 vcf({{"I", 447}, {"V", 20'924'000}, {"chrM", 12}}, "CLASS=intergenic"));
    folder.write("Desktop/vesmar/Deletion_results/Anna_del_cintergenic.bed", "X\t17718900\t17718942\tx9\n");
    const ProgramRun run = testing::run_program(kBinary, folder, "Anna\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string chromosomes = c.layout ? "the chromosomes of " + kLayout : "the chromosomes I, II, III, IV, V, X";
    EXPECT_EQ(run.err, "Genome_overview: warning: Desktop/vesmar/SNP_results/Anna_snp_cintergenic.vcf: 1 record lies "
                       "on none of " + chromosomes + " and is left out\n");
    const std::string page = folder.read(kPage);
    EXPECT_EQ(texts_between(page, " data-axis-end=\"", "\""), std::vector<std::string>(3, std::to_string(c.axis_end)));
    EXPECT_EQ(drawn(page, static_cast<double>(c.axis_end)),
              (std::vector<std::string>{"I n 447", "I share 447", "V n 20924000", "V share 20924000",
                                        "X g 17718900-17718942"}));
    EXPECT_EQ(track_lengths(page), c.captions);
    EXPECT_EQ(page.find("class=\"cut\""), std::string::npos);  // no track goes on past the axis
    EXPECT_NE(page.find(c.lengths_note), std::string::npos);
  }
}

// A genome of 16 chromosomes, none of the built-in names: a track for each
// with records, in the layout's order, and every one in the counts.
TEST(GenomeOverviewPage, SixteenChromosomesOfOtherNames) {
  ScratchFolder folder;
  const std::vector<NamedLength> yeast = {
      {"chrI", 230'218},   {"chrII", 813'184},     {"chrIII", 316'620},   {"chrIV", 1'531'933},
      {"chrV", 576'874},   {"chrVI", 270'161},     {"chrVII", 1'090'940}, {"chrVIII", 562'643},
      {"chrIX", 439'888},  {"chrX", 745'751},      {"chrXI", 666'816},    {"chrXII", 1'078'177},
      {"chrXIII", 924'431}, {"chrXIV", 784'333},   {"chrXV", 1'091'291},  {"chrXVI", 948'066}};
  folder.write(kLayout, layout_file(yeast));
  folder.write("Desktop/vesmar/SNP_results/Anna_snp_cexons.vcf",
               vcf({{"chrI", 100}, {"chrXII", 1'000}, {"chrM", 5}, {"chrXVI", 948'000}},
                   "CLASS=exon;CSQ=missense|g|gga>aga|Gly>Arg"));
  folder.write("Desktop/vesmar/Deletion_results/Anna_del_cexons.bed", "chrIV\t500000\t500100\tg1\n2L\t1\t9\tg2\n");
  const ProgramRun run = testing::run_program(kBinary, folder, "", {"--name", "Anna"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* file : {"SNP_results/Anna_snp_cexons.vcf", "Deletion_results/Anna_del_cexons.bed"}) {
    EXPECT_NE(run.err.find("Desktop/vesmar/" + std::string(file) + ": 1 record lies on none of the chromosomes of " +
                           kLayout + " and is left out\n"),
              std::string::npos)
        << run.err;
  }
  const std::string page = folder.read(kPage);
  // The axis ends at the farthest record, 948,000, rounded up to a tick:
  // chrIV and chrXII go on past it.
  EXPECT_EQ(drawn(page, 1'000'000), (std::vector<std::string>{"chrI p 100", "chrI share 100", "chrIV g 500000-500100",
                                                               "chrXII p 1000", "chrXII share 1000", "chrXVI p 948000",
                                                               "chrXVI share 948000"}));
  EXPECT_EQ(track_lengths(page),
            (std::vector<std::string>{"230,218 positions long.",
                                      "1,531,933 positions long; cut where the axis ends, at 1,000,000.",
                                      "1,078,177 positions long; cut where the axis ends, at 1,000,000.",
                                      "948,066 positions long."}));
  std::vector<std::string> names;
  for (const NamedLength& chromosome : yeast) names.push_back(chromosome.name);
  EXPECT_EQ(counted_chromosomes(page), names);
  EXPECT_NE(page.find("Nothing found on chromosome chrII, chrIII, chrV, chrVI, chrVII, chrVIII, chrIX, chrX, chrXI, "
                      "chrXIII, chrXIV, chrXV in these files."),
            std::string::npos);
  EXPECT_NE(page.find("<td class=\"t\">chrXVI:948,000</td>"), std::string::npos);  // a candidate's place
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
