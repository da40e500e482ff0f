// Point_scan as its users meet it: the built program in a scratch folder,
// answers on standard input, the report compared byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/gzip_member.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBanner =
    "            Point_scan\n"
    "            __________\n"
    "\n"
    "This program checks for single nucleotide polymorphisms (SNPs)\n"
    "in exons, introns, or intergenic regions of the genome.  See\n"
    "Read_me file for more details.  All suspected SNPs should be\n"
    "confirmed directly.\n"
    "\n"
    "The output of this program will be deposited in a file named\n"
    "'yourfirstname_snp_cexons.txt' in the 'SNP_results' folder.  File\n"
    "names for intron or intergenic searches replace 'cexons' with 'cintrons'\n"
    "or 'cintergenic', respectively.\n"
    "\n";
const std::string kRatio = "Specify maximum Mutant-to-WT reads ratio (an integer, typically 3): ";
const std::string kMinimum = "Specify minimum number of mutant reads to call a SNP (typically 2): ";
const std::string kName = "Your first name: ";
const std::string kAlignment = "Alignment_results file name: ";
const std::string kRegion = "Search mutations in exons (e), introns (i), or intergenic regions (n)? ";
const std::string kProgress =
    "Calculating file length...\nReading exon data...\nChecking wt/mut scores...\n"
    "Checking hits in exon range\n";
const std::string kQuestions = kRatio + kMinimum + kName + kAlignment + kRegion;
const std::string kSuccess = "[clear]\n" + kBanner + kQuestions + kProgress + "[PAUSE]\n";

const std::string kTitle =
    "\n      Point_scan output file \n      -----------------------\n\n"
    "Exon, intron, or intergenic positions on strands marked '1' are relative to the 5' end of the "
    "reference exon\n"
    "Exon, intron, or intergenic positions on strands marked '-1', are relative to the 3' end of the "
    "reference exon\n\n";
const std::string kExonHeading =
    kTitle +
    "Number      Exon                Chrom.      Strand      Position    Chrom. Pos.         "
    "Codon change              Alignment           WT Reads    Mut Reads  \n" +
    std::string(159, '-') + "\n";
const std::string kIntronHeading =
    kTitle +
    "Number      Exon                Chrom.      Strand      Position    Chrom. Pos.         "
    "Alignment           WT Reads    Mut Reads  \n" +
    std::string(132, '-') + "\n";
const std::string k88(88, ' ');
const std::string k114(114, ' ');

// Positions: 1 (5,0); 2 (0,0); 3 (3,3) no hit at ratio 3; 4 (1,4) a hit at
// the first window column; 5 (0,2) a hit at column 12; 6 (9,1) no hit.
const std::string kAlignmentFile =
    "5\n0\n"
    "0\n0\n"
    "3\n3\nacgtacgtacgtaacgtacgtacgt\nacgtacgtacgtcacgtacgtacgt\n"
    "1\n4\ntcgtacgtacgtaacgtacgtacgt\nacgtacgtacgtaacgtacgtacgt\n"
    "0\n2\nacgtacgtacgtgacgtacgtacgt\nacgtacgtacgtaacgtacgtacgt\n"
    "9\n1\nacgtacgtacgtgacgtacgtacgt\nacgtacgtacgtaacgtacgtacgt\n";

std::string genetic_code() {
  const char* bases = "tcag";
  const char* acids[] = {"Phe", "Phe", "Leu", "Leu", "Ser", "Ser", "Ser", "Ser", "Tyr", "Tyr", "Stp",
                         "Stp", "Cys", "Cys", "Stp", "Trp", "Leu", "Leu", "Leu", "Leu", "Pro", "Pro",
                         "Pro", "Pro", "His", "His", "Gln", "Gln", "Arg", "Arg", "Arg", "Arg", "Ile",
                         "Ile", "Ile", "Met", "Thr", "Thr", "Thr", "Thr", "Asn", "Asn", "Lys", "Lys",
                         "Ser", "Ser", "Arg", "Arg", "Val", "Val", "Val", "Val", "Ala", "Ala", "Ala",
                         "Ala", "Asp", "Asp", "Glu", "Glu", "Gly", "Gly", "Gly", "Gly"};
  std::string text;
  int i = 0;
  for (int a = 0; a < 4; ++a)
    for (int b = 0; b < 4; ++b)
      for (int c = 0; c < 4; ++c) text += std::string{bases[a], bases[b], bases[c]} + acids[i++] + "\n";
  return text;
}

// The package of these tests: an alignment results file and the feature
// location files of every region choice.
void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/vesmar/Alignment_results/run1.txt", kAlignmentFile);
  // Exon 1 covers positions 1 to 10 forward; exon 2 covers 4 to 6 on the
  // reverse strand but comes later in the file, so it never wins.
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", "gene1.exon1\n0\n9\nI\n1\ngene1.exon2\n3\n5\nI\n-1\n");
  folder.write("Desktop/vesmar/Feature_locations/exon_sequences.txt", "gene1.exon1\nacgtacgtac\ngene1.exon2\nggg\n");
  folder.write("Desktop/vesmar/Feature_locations/exon_frames.txt", "gene1.exon1\n0\n0\n1\n");
  folder.write("Desktop/vesmar/Feature_locations/genetic_code.txt", genetic_code());
  folder.write("Desktop/vesmar/Feature_locations/cintrons.txt", "gene1.intron1\n-10\n-5\nIII\n1\n");
  folder.write("Desktop/vesmar/Feature_locations/cintergenic.txt", "far\n1000\n2000\nY\n1\n");
}

// A file of a few positions is far shorter than the built-in genome.
std::string short_file(std::string_view name, int positions) {
  return "Point_scan: warning: Desktop/vesmar/Alignment_results/" + std::string(name) + " holds " +
         std::to_string(positions) + (positions == 1 ? " position" : " positions") +
         ", but the last of the chromosomes I, II, III, IV, V, X starts after position 82548900: the file ends "
         "before the genome does\n";
}
const std::string kShortRun1 = short_file("run1.txt", 6);

class PointScanRun : public ::testing::Test {
 protected:
  PointScanRun() { write_inputs(folder); }

  ProgramRun run(std::string_view answers) { return run_program(POINT_SCAN_BINARY, folder, answers); }

  ScratchFolder folder;
};

TEST_F(PointScanRun, ExonModeReport) {
  ProgramRun result = run("3\n2\nAnna\nrun1.txt\ne\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, kShortRun1);
  EXPECT_EQ(result.out, kSuccess);
  EXPECT_EQ(folder.read("Desktop/vesmar/SNP_results/Anna_snp_cexons.txt"),
            kExonHeading +
                "1           gene1.exon1         I           1           3           4                   "
                "tac(Tyr)->tac(Tyr)        tcgtacgtacgtaacgtacgtacgt       1           4                  \n" +
                k114 + "*||||||||||||\n" + k114 + "acgtacgtacgtaacgtacgtacgt\n" +
                "2           gene1.exon1         I           1           4           5                   "
                "tac(Tyr)->tgc(Cys)        acgtacgtacgtgacgtacgtacgt       0           2                  \n" +
                k114 + "||||||||||||*\n" + k114 + "acgtacgtacgtaacgtacgtacgt\n");
  const std::string vcf = folder.read("Desktop/vesmar/SNP_results/Anna_snp_cexons.vcf");
  EXPECT_TRUE(vcf.starts_with("##fileformat=VCFv4.2\n"));
  EXPECT_TRUE(vcf.ends_with(
      "#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\tAnna\n"
      "I\t4\t.\tA\tT\t.\t.\tREGION=gene1.exon1;CLASS=exon;STRAND=1;RPOS=3;CSQ=synonymous|gene1|tac>tac|Tyr>Tyr"
      "\tGT:AD:DP\t1/1:1,4:5\n"
      "I\t5\t.\tA\tG\t.\t.\tREGION=gene1.exon1;CLASS=exon;STRAND=1;RPOS=4;CSQ=missense|gene1|tac>tgc|Tyr>Cys"
      "\tGT:AD:DP\t1/1:0,2:2\n"));
}

TEST_F(PointScanRun, IntronModeHasNoCodonColumn) {
  // Five answers on one line; the exon tables are never opened in this mode.
  folder.remove("Desktop/vesmar/Feature_locations/exon_frames.txt");
  ProgramRun result = run("3 2 Anna run1.txt i\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, kSuccess);
  // The hit lies before chromosome III, so the VCF cannot hold it.
  EXPECT_EQ(result.err,
            kShortRun1 +
            "Point_scan: warning: 1 row of the report is not in Desktop/vesmar/SNP_results/Anna_snp_cintrons.vcf: "
            "1 whose place is on none of the chromosomes I, II, III, IV, V, X\n");
  EXPECT_EQ(folder.read("Desktop/vesmar/SNP_results/Anna_snp_cintrons.txt"),
            kIntronHeading +
                "1           gene1.intron1       III         1           13          -30351796           "
                "tcgtacgtacgtaacgtacgtacgt       1           4                  \n" +
                k88 + "*||||||||||||\n" + k88 + "acgtacgtacgtaacgtacgtacgt\n");
}

TEST_F(PointScanRun, NoReachedHitsLeavesTheHeadingOnly) {
  ProgramRun result = run("0 0 Bob run1.txt n\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(folder.read("Desktop/vesmar/SNP_results/Bob_snp_cintergenic.txt"), kIntronHeading);
}

// Warnings on standard error, which change neither the dialogue nor the
// report: a question asked again says why, and a threshold below 0 is named.
TEST_F(PointScanRun, WarningsSayWhyAQuestionComesBackAndNameThresholdsBelowZeroAndWindowsLineEnds) {
  struct Case {
    std::string answers;
    std::string questions;
    std::string warnings;
  };
  const std::string prefix = "Point_scan: warning: ";
  const std::string again = "; the question is asked again\n";
  const Case cases[] = {
      {"3\n2\nAnna\nmissing.txt\n.\nrun1.txt\nx\nE\nn\n",
       kRatio + kMinimum + kName + kAlignment + kAlignment + kAlignment + kRegion + kRegion + kRegion,
       prefix + "cannot open Desktop/vesmar/Alignment_results/missing.txt: No such file or directory" + again +
           prefix + "cannot open Desktop/vesmar/Alignment_results/.: Is a directory" + again + prefix +
           "the answer \"x\" is none of e, i and n" + again + prefix + "the answer \"E\" is none of e, i and n" +
           again + kShortRun1},
      {"-1\n-5\nAnna\nrun1.txt\nn\n", kQuestions,
       prefix + "the Mutant-to-WT reads ratio -1 is below 0: every position passes it, so only the minimum "
                "decides\n" +
           prefix + "the minimum number of mutant reads -5 is below 0: positions without any mutant read are "
                    "reported too\n" + kShortRun1},
      {"3\n2\nAnna\ncrlf.txt\nn\n", kQuestions,
       prefix + "Desktop/vesmar/Alignment_results/crlf.txt has Windows line ends (a carriage return before each "
                "line feed); they are read as part of the lines, where names and chromosomes then match nothing "
                "(convert the file with dos2unix)\n" + short_file("crlf.txt", 1)},
  };
  folder.write("Desktop/vesmar/Alignment_results/crlf.txt", "5\r\n0\r\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    ProgramRun result = run(c.answers);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "[clear]\n" + kBanner + c.questions + kProgress + "[PAUSE]\n");
    EXPECT_EQ(result.err, c.warnings);
    EXPECT_TRUE(folder.exists("Desktop/vesmar/SNP_results/Anna_snp_cintergenic.txt"));
  }
}

// `text` with a carriage return before each line feed.
std::string with_windows_line_ends(const std::string& text) {
  std::string windows;
  for (const char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return windows;
}

std::string windows_line_ends_warning(const std::string& path) {
  return "Point_scan: warning: " + path +
         " has Windows line ends (a carriage return before each line feed); they are read as part of the lines, "
         "where names and chromosomes then match nothing (convert the file with dos2unix)\n";
}

// Each input file that the run reads and finds written with Windows line
// ends is warned of once, the alignment results file first, then the region
// file and the exon tables; files the run does not read are not. The files
// are read as they stand.
TEST_F(PointScanRun, WarnsOfEachFileReadWithWindowsLineEndsOnce) {
  const std::string alignment = "Desktop/vesmar/Alignment_results/";
  const std::string tables = "Desktop/vesmar/Feature_locations/";
  struct Case {
    std::string answers;
    std::string report;                      // in SNP_results/
    std::vector<std::string> windows_files;  // in Feature_locations/, besides the alignment results
    std::vector<std::string> warned;         // in order
    std::string after;                       // what standard error says after the warnings
  };
  const Case cases[] = {
      {"3 2 Anna crlf.txt e\n", "Anna_snp_cexons.txt", {"exon_frames.txt", "cexons.txt", "genetic_code.txt"},
       {alignment + "crlf.txt", tables + "cexons.txt", tables + "genetic_code.txt", tables + "exon_frames.txt"},
       short_file("crlf.txt", 1)},
      {"3 2 Anna crlf.gz i\n", "Anna_snp_cintrons.txt", {"cintrons.txt", "exon_sequences.txt"},
       {alignment + "crlf.gz", tables + "cintrons.txt"}, short_file("crlf.gz", 1)},
      {"3 2 Anna run1.txt n\n", "Anna_snp_cintergenic.txt", {"cexons.txt", "cintergenic.txt"},
       {tables + "cintergenic.txt"}, kShortRun1},
      {"3 2 Anna run1.txt e\n", "Anna_snp_cexons.txt", {"cexons.txt", "exon_frames.txt"},
       {tables + "cexons.txt", tables + "exon_frames.txt"},
       // Read as it stands: the chromosome "I\r" is none of the six.
       kShortRun1 + "Point_scan: warning: 2 rows of the report are not in Desktop/vesmar/SNP_results/"
                    "Anna_snp_cexons.vcf: 2 whose place is on none of the chromosomes I, II, III, IV, V, X\n"},
      {"3 2 Anna run1.txt e\n", "Anna_snp_cexons.txt", {}, {}, kShortRun1},
  };
  folder.write(alignment + "crlf.txt", "5\r\n0\r\n");
  folder.write(alignment + "crlf.gz", testing::gzip_member("5\r\n0\r\n"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    for (const std::string& file : c.windows_files) {
      folder.write(tables + file, with_windows_line_ends(folder.read(tables + file)));
    }
    ProgramRun result = run(c.answers);
    std::string warnings;
    for (const std::string& path : c.warned) warnings += windows_line_ends_warning(path);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, warnings + c.after);
    EXPECT_EQ(result.out, kSuccess);
    EXPECT_TRUE(folder.exists("Desktop/vesmar/SNP_results/" + c.report));
    write_inputs(folder);
  }
  // A run that fails still warns of the files it read, before it says why.
  folder.write(tables + "genetic_code.txt", with_windows_line_ends(genetic_code()));
  folder.remove(tables + "exon_sequences.txt");
  ProgramRun failed = run("3 2 Anna crlf.txt e\n");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, windows_line_ends_warning(alignment + "crlf.txt") +
                            windows_line_ends_warning(tables + "genetic_code.txt") + "Point_scan: cannot open " +
                            tables + "exon_sequences.txt: No such file or directory\n");
}

TEST_F(PointScanRun, AnswersAreWords) {
  // "Anna Smith": Smith is taken as the file name, which does not exist.
  ProgramRun result = run("3 2 Anna Smith\n\n\nrun1.txt e\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "[clear]\n" + kBanner + kQuestions.substr(0, kQuestions.size() - kRegion.size()) +
                            kAlignment + kRegion + kProgress + "[PAUSE]\n");
  EXPECT_TRUE(folder.exists("Desktop/vesmar/SNP_results/Anna_snp_cexons.txt"));
}

TEST_F(PointScanRun, IntegerQuestionLeavesTheFractionForTheNextAnswer) {
  // 2.5 to the integer question gives 2, and ".5" becomes the first name.
  ProgramRun result = run("2.5\n2.5\nrun1.txt\ni\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(folder.exists("Desktop/vesmar/SNP_results/.5_snp_cintrons.txt"));
}

struct FailedRun {
  std::string answers;
  std::string expected_out;  // after the banner
  std::string error;
};

TEST_F(PointScanRun, UnansweredQuestionsStopTheRun) {
  const FailedRun cases[] = {
      {"", kRatio, "standard input ended before the question \"Specify maximum Mutant-to-WT reads "
                   "ratio (an integer, typically 3):\" was answered"},
      {"abc\n", kRatio, "the answer to the question \"Specify maximum Mutant-to-WT reads ratio (an "
                        "integer, typically 3):\" is not a number"},
      {"1e 2", kRatio, "is not a number"},
      {"3 99999999999", kRatio + kMinimum, "the answer to the question \"Specify minimum number of "
                                           "mutant reads to call a SNP (typically 2):\" is a number out of range"},
      {"1e999 2", kRatio, "the answer to the question \"Specify maximum Mutant-to-WT reads ratio (an "
                          "integer, typically 3):\" is a number out of range"},
      {"3 2", kRatio + kMinimum + kName, "\"Your first name:\" was answered"},
      {"3 2 Anna nothing.txt", kRatio + kMinimum + kName + kAlignment + kAlignment,
       "\"Alignment_results file name:\" was answered"},
      {"3 2 Anna run1.txt exons", kQuestions + kRegion,
       "\"Search mutations in exons (e), introns (i), or intergenic regions (n)?\" was answered"},
  };
  for (const FailedRun& c : cases) {
    ProgramRun result = run(c.answers);
    EXPECT_EQ(result.status, 1) << c.answers;
    EXPECT_EQ(result.out, "[clear]\n" + kBanner + c.expected_out) << c.answers;
    EXPECT_NE(result.err.find(c.error), std::string::npos) << c.answers << ": " << result.err;
    EXPECT_TRUE(result.err.starts_with("Point_scan: ")) << result.err;
    EXPECT_TRUE(folder.list("Desktop/vesmar/SNP_results").empty());
  }
}

TEST_F(PointScanRun, MissingInputFilesStopTheRunAndKeepTheOldReport) {
  folder.write("Desktop/vesmar/SNP_results/Anna_snp_cexons.txt", "an older report\n");
  const std::string files[] = {"genetic_code.txt", "exon_sequences.txt", "exon_frames.txt", "cexons.txt"};
  for (const std::string& file : files) {
    const std::string path = "Desktop/vesmar/Feature_locations/" + file;
    const std::string content = folder.read(path);
    folder.remove(path);
    ProgramRun result = run("3 2 Anna run1.txt e\n");
    EXPECT_EQ(result.status, 1) << file;
    EXPECT_EQ(result.err, "Point_scan: cannot open " + path + ": No such file or directory\n");
    EXPECT_EQ(result.out.find("[PAUSE]"), std::string::npos);
    EXPECT_EQ(folder.read("Desktop/vesmar/SNP_results/Anna_snp_cexons.txt"), "an older report\n");
    EXPECT_EQ(folder.list("Desktop/vesmar/SNP_results").size(), 1u);
    folder.write(path, content);
  }
}

TEST_F(PointScanRun, AReportThatCannotBeCreatedIsAFailure) {
  folder.remove("Desktop/vesmar/SNP_results");
  ProgramRun result = run("3 2 Anna run1.txt e\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "[clear]\n" + kBanner + kQuestions + kProgress);
  EXPECT_EQ(result.err, kShortRun1 +
                            "Point_scan: cannot create Desktop/vesmar/SNP_results/Anna_snp_cexons.txt: No such "
                            "file or directory\n");
}

TEST_F(PointScanRun, HelpAndVersionAnswerWithoutADialogue) {
  for (const char* asked : {"--help", "-h"}) {
    ProgramRun help = run_program(POINT_SCAN_BINARY, folder, "", {asked});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--ratio R", "--min-mut-reads N", "--name NAME", "--results FILE", "--regions e|i|n",
                               "-C DIR", "-V, --version", "Read_me"}) {
      EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(help.out.find("[clear]"), std::string::npos);
  }
  for (const char* asked : {"--version", "-V"}) {
    EXPECT_EQ(run_program(POINT_SCAN_BINARY, folder, "", {asked}).out, "Point_scan 1.0.0\n");
  }
}

const testing::ProgramUnderTest kPointScan{POINT_SCAN_BINARY, "Point_scan", write_inputs};

TEST(PointScanOptions, GiveTheDialoguesFilesWithoutAsking) {
  for (const char* regions : {"e", "i", "n"}) {
    const std::string file = std::string(regions) == "e" ? "cexons" : std::string(regions) == "i" ? "cintrons" : "cintergenic";
    testing::check_answers_match_dialogue(
        kPointScan, std::string("3\n2\nAnna\nrun1.txt\n") + regions + "\n",
        {"--ratio", "3", "--min-mut-reads", "2", "--name", "Anna", "--results", "run1.txt", "--regions", regions},
        {"Desktop/vesmar/SNP_results/Anna_snp_" + file + ".txt", "Desktop/vesmar/SNP_results/Anna_snp_" + file + ".vcf"});
  }
  // Values after "=", in any order.
  testing::check_answers_match_dialogue(
      kPointScan, "1.5 -1 Bo run1.txt e\n",
      {"--regions=e", "--name=Bo", "--results=run1.txt", "--min-mut-reads=-1", "--ratio=1.5"},
      {"Desktop/vesmar/SNP_results/Bo_snp_cexons.txt", "Desktop/vesmar/SNP_results/Bo_snp_cexons.vcf"});
}

TEST(PointScanOptions, APathOfTheUsersOwnIsTakenAsItIs) {
  const std::vector<std::string> bare = {"--ratio", "3", "--min-mut-reads", "2", "--name", "Anna",
                                         "--results", "run1.txt", "--regions", "e"};
  for (const char* own :
       {"{root}/Desktop/vesmar/Alignment_results/run1.txt", "./Desktop/vesmar/Alignment_results/run1.txt"}) {
    SCOPED_TRACE(own);
    std::vector<std::string> arguments = bare;
    arguments[7] = own;
    testing::check_own_paths_match_bare_names(kPointScan, bare, arguments,
                                              {"Desktop/vesmar/SNP_results/Anna_snp_cexons.txt"});
  }
}

TEST(PointScanOptions, AWrongCommandLineIsAUsageError) {
  const std::vector<std::string> all = {"--ratio", "3", "--min-mut-reads", "2", "--name", "Anna",
                                        "--results", "run1.txt", "--regions", "e"};
  const auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> arguments = all;
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
  };
  testing::check_usage_errors(
      kPointScan,
      {
          {{"-x"}, "unknown option \"-x\""},
          {{"extra"}, "unknown argument \"extra\""},
          {{"--name", "Anna"}, "--ratio, --min-mut-reads, --results and --regions are missing: give every answer, "
                                "or none to be asked"},
          {with({"--name", "Bo"}), "--name is given twice"},
          {with({"--verbose"}), "unknown option \"--verbose\""},
          {{"--ratio"}, "--ratio needs a value"},
          {{"--ratio", "three", "--min-mut-reads", "2", "--name", "A", "--results", "r", "--regions", "e"},
           "the value \"three\" of --ratio is not a number"},
          {{"--ratio", "3", "--min-mut-reads", "2.5", "--name", "A", "--results", "r", "--regions", "e"},
           "the value \"2.5\" of --min-mut-reads is not a whole number"},
          {{"--ratio", "3", "--min-mut-reads", "99999999999", "--name", "A", "--results", "r", "--regions", "e"},
           "the value \"99999999999\" of --min-mut-reads is out of range"},
          {{"--ratio", "3", "--min-mut-reads", "2", "--name", "A", "--results", "r", "--regions", "E"},
           "--regions takes e, i or n, not \"E\""},
          {{"-C", "/no/such/folder"}, "cannot enter /no/such/folder: No such file or directory"},
      });
}

TEST(PointScanOptions, AMissingResultsFileFailsTheRun) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run = run_program(POINT_SCAN_BINARY, folder, "",
                                     {"--ratio", "3", "--min-mut-reads", "2", "--name", "A", "--results", "none.txt",
                                      "--regions", "e"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.ends_with("Point_scan: cannot open Desktop/vesmar/Alignment_results/none.txt: No such file or "
                                "directory\n"))
      << run.err;
  EXPECT_TRUE(folder.list("Desktop/vesmar/SNP_results").empty());
}

}  // namespace
}  // namespace vesmar
