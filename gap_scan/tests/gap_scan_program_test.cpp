// Runs the built Gap_region_scan in a scratch package folder and checks what
// it prints, the report it writes and how it ends.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/gzip_member.h"
#include "testing/program_run.h"
#include "testing/text_lines.h"
#include "gap_scan/gap_report.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = GAP_REGION_SCAN_BINARY;

const std::string kBanner =
    "\t\tGap_region_scan\n"
    "\t\t---------------\n"
    "This program identifies regions of the genome that have not been found\n"
    "in sequence reads, and assigns them to exons, introns, or intergenic\n"
    "regions, as specified by the user.  These sequence gaps may indicate\n"
    "deletions, insertions, multiple close SNPs (within about 30 bp), or simply\n"
    "poor sequence coverage.  See Read_me file for details.  All suspected\n"
    "mutations should be confirmed directly.\n"
    "\n"
    "The output of this program will be deposited in a file named\n"
    "'yourfirstname_del_cexons.txt' in the 'Deletion_results' folder.  File\n"
    "names for intron or intergenic searches replace 'cexons' with 'cintrons'\n"
    "or 'cintergenic', respectively.\n"
    "\n";
const std::string kRegion = "Search for deletions in exons (e), introns (i), or intergenic regions (n)? ";
const std::string kName = "Your first name: ";
const std::string kAlignment = "Alignment_results file name: ";
const std::string kProgress =
    "Reading exon data...\nMapping deletions...\nAssigning deletions to exons...\nDone\n";

// What a whole run prints, given what its questions printed.
std::string run_output(const std::string& questions) {
  return "[clear]\n" + kBanner + questions + kProgress + "[PAUSE]\n";
}

const std::string kHeading(gap_report_heading());

using Counts = std::vector<std::pair<int, int>>;

// An alignment results file as the aligner writes it: two count lines per
// position, and two window lines after a position with mutant reads.
std::string alignment_file(const Counts& positions) {
  std::string file;
  for (auto [wt_reads, mut_reads] : positions) {
    file += std::to_string(wt_reads) + "\n" + std::to_string(mut_reads) + "\n";
    if (mut_reads != 0) file += "acgtacgtacgtacgtacgtacgta\nacgtacgtacgtccgtacgtacgta\n";
  }
  return file;
}

Counts repeated(std::pair<int, int> counts, int times) { return Counts(times, counts); }

Counts joined(std::initializer_list<Counts> parts) {
  Counts all;
  for (const Counts& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Genome positions 1006 to 1008 uncovered, the rest covered by WT reads.
const std::string kGapAt1006 =
    alignment_file(joined({repeated({5, 0}, 1005), repeated({0, 0}, 3), {{5, 0}}}));
const std::string kExonFile = "F56A8.1exon2\n1000\n2000\nI\n1\n";
const std::string kExonReport =
    kHeading +
    "1           F56A8.1exon2        I           1           +6          +9          "
    "1005                1008                3           \n";

// Positions 1 to 11: a gap closed by a mutant, a mutant, a gap between two
// mutants, an insertion, WT reads, and a gap that the end of the file closes.
const std::string kFlanksAndInsertion = alignment_file(
    {{5, 0}, {0, 0}, {0, 0}, {0, 2}, {0, 1}, {0, 0}, {0, 2}, {0, 1}, {6, 0}, {0, 0}, {0, 0}});
// The second region's chromosome text ends in a carriage return, so it is none
// of the six chromosomes.
const std::string kIntronFile = "intron1\n1\n6\nI\n1\nintron2\n8\n12\nX\r\n-1\n";
const std::string kIntronReport =
    kHeading +
    "1           intron1             I           1           +1          +3          "
    "1                   3                   2           Flanked by 1 Mutant read\n"
    "2           intron1             I           1           +5          +6          "
    "5                   6                   1           Flanked by 2 Mutant reads\n"
    "3           intron2             X\r          -1          +0          +0          "
    "0           Insertion? \n"
    "4           intron2             X\r          -1          +2          +4          "
    "2           \n";

// The warning of a question asked again.
std::string asked_again(const std::string& why) {
  return "Gap_region_scan: warning: " + why + "; the question is asked again\n";
}
std::string not_a_region(const std::string& answer) {
  return asked_again("the answer \"" + answer + "\" is none of e, i and n");
}
std::string cannot_open(const std::string& name, const std::string& reason) {
  return asked_again("cannot open Desktop/vesmar/Alignment_results/" + name + ": " + reason);
}

// The warning of an input file whose first line ends with a carriage return.
std::string windows_line_ends(const std::string& path) {
  return "Gap_region_scan: warning: Desktop/vesmar/" + path +
         " has Windows line ends (a carriage return before each line feed); they are read as part of the lines, "
         "where names and chromosomes then match nothing (convert the file with dos2unix)\n";
}

// The warning of an alignment results file of `positions` positions, far
// shorter than the built-in genome.
std::string short_file(std::size_t positions) {
  return "Gap_region_scan: warning: Desktop/vesmar/Alignment_results/aln.txt holds " + std::to_string(positions) +
         " positions, but the last of the chromosomes I, II, III, IV, V, X starts after position 82548900: the "
         "file ends before the genome does\n";
}
// The positions of an alignment results file: its pairs of count lines.
std::size_t positions_of(const std::string& alignment) {
  std::size_t count_lines = 0;
  for (const std::string& line : testing::lines_of(alignment)) count_lines += line.size() <= 6 && !line.empty();
  return count_lines / 2;
}

struct RunCase {
  const char* what;
  std::string answers;
  std::string region_file;     // in Feature_locations/
  std::string region_content;
  std::string alignment;       // content of Alignment_results/aln.txt
  std::string expected_questions;
  std::string report;          // in Deletion_results/
  std::string expected_report;
  std::string expected_warnings = "";  // before the short file's
  std::string expected_bed_warning = "";
};

TEST(GapRegionScanProgram, WritesTheReport) {
  const RunCase cases[] = {
      {"exons", "e\nann\naln.txt\n", "cexons.txt", kExonFile, kGapAt1006,
       kRegion + kName + kAlignment, "ann_del_cexons.txt", kExonReport},
      {"introns: flanks, insertion, unknown chromosome, gap at the end", "i\nann\naln.txt\n",
       "cintrons.txt", kIntronFile, kFlanksAndInsertion, kRegion + kName + kAlignment,
       "ann_del_cintrons.txt", kIntronReport, "",
       "Gap_region_scan: warning: 2 rows of the report are not in Desktop/vesmar/Deletion_results/"
       "ann_del_cintrons.bed: their regions lie on none of the chromosomes I, II, III, IV, V, X\n"},
      {"intergenic, no gaps", "n\nbob\naln.txt\n", "cintergenic.txt", kExonFile,
       alignment_file({{1, 0}, {0, 4}, {2, 0}}), kRegion + kName + kAlignment,
       "bob_del_cintergenic.txt", kHeading},
      {"region answers other than e, i, n come back, saying why", "E\nexons\n e\nann\naln.txt\n", "cexons.txt",
       kExonFile, kGapAt1006, kRegion + kRegion + kRegion + kName + kAlignment, "ann_del_cexons.txt",
       kExonReport, not_a_region("E") + not_a_region("exons")},
      {"a missing file or a folder brings the file question back, saying why",
       "e\nann\nmissing.txt\nfolder\naln.txt\n", "cexons.txt", kExonFile, kGapAt1006,
       kRegion + kName + kAlignment + kAlignment + kAlignment, "ann_del_cexons.txt", kExonReport,
       cannot_open("missing.txt", "No such file or directory") + cannot_open("folder", "Is a directory")},
      {"answers are words: several on a line, a name's second word answers the next question",
       "e ann lee\naln.txt", "cexons.txt", kExonFile, kGapAt1006,
       kRegion + kName + kAlignment + kAlignment, "ann_del_cexons.txt", kExonReport,
       cannot_open("lee", "No such file or directory")},
      {"an alignment results file without a final line feed", "e\nann\naln.txt\n", "cexons.txt",
       kExonFile, kGapAt1006.substr(0, kGapAt1006.size() - 1), kRegion + kName + kAlignment,
       "ann_del_cexons.txt", kExonReport},
      {"a region file without a final line feed, with a group cut short", "e\nann\naln.txt\n",
       "cexons.txt", kExonFile + "cut\n3000", kGapAt1006, kRegion + kName + kAlignment,
       "ann_del_cexons.txt", kExonReport},
      {"Windows line ends in both files: warned of, the alignment results file first, and read as they stand",
       "e\nann\naln.txt\n", "cexons.txt", "F56A8.1exon2\r\n" + kExonFile.substr(13), "5\r\n" + kGapAt1006.substr(2),
       kRegion + kName + kAlignment, "ann_del_cexons.txt",
       kHeading + "1           F56A8.1exon2\r       I           1           +6          +9          "
                  "1005                1008                3           \n",
       windows_line_ends("Alignment_results/aln.txt") + windows_line_ends("Feature_locations/cexons.txt")},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/vesmar/Feature_locations/" + c.region_file, c.region_content);
    folder.write("Desktop/vesmar/Alignment_results/aln.txt", c.alignment);
    folder.make_folder("Desktop/vesmar/Alignment_results/folder");
    ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, run_output(c.expected_questions));
    EXPECT_EQ(run.err, c.expected_warnings + short_file(positions_of(c.alignment)) + c.expected_bed_warning);
    EXPECT_EQ(run.status, 0);
    const std::string bed = c.report.substr(0, c.report.size() - 4) + ".bed";
    EXPECT_EQ(folder.list("Desktop/vesmar/Deletion_results"), (std::vector<std::string>{bed, c.report}));
    if (folder.exists("Desktop/vesmar/Deletion_results/" + c.report)) {
      EXPECT_EQ(folder.read("Desktop/vesmar/Deletion_results/" + c.report), c.expected_report);
    }
  }
}

TEST(GapRegionScanProgram, ReplacesAnOlderReport) {
  ScratchFolder folder;
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", kExonFile);
  folder.write("Desktop/vesmar/Alignment_results/aln.txt", kGapAt1006);
  folder.write("Desktop/vesmar/Deletion_results/ann_del_cexons.txt", std::string(100000, 'x'));
  ProgramRun run = testing::run_program(kBinary, folder, "e\nann\naln.txt\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(folder.read("Desktop/vesmar/Deletion_results/ann_del_cexons.txt"), kExonReport);
}

// The message when standard input ends before the question is answered.
std::string ended_before(const std::string& question) {
  return "Gap_region_scan: standard input ended before the question \"" +
         question.substr(0, question.size() - 1) + "\" was answered\n";
}

// Failures: a message on standard error, exit status 1, no "Done", no
// "PAUSE", and no new report.
struct FailureCase {
  const char* what;
  std::string answers;
  std::string expected_questions;
  std::string expected_error;
};

TEST(GapRegionScanProgram, TheEndOfInputBeforeAllAnswersEndsTheRun) {
  const FailureCase cases[] = {
      {"no answer at all", "", kRegion,
       ended_before(kRegion)},
      {"only wrong region answers", "x\nE\n", kRegion + kRegion + kRegion,
       not_a_region("x") + not_a_region("E") + ended_before(kRegion)},
      {"no first name", "e\n", kRegion + kName,
       ended_before(kName)},
      {"no alignment results file", "e ann\n", kRegion + kName + kAlignment,
       ended_before(kAlignment)},
      {"only a missing alignment results file", "e ann missing.txt\n",
       kRegion + kName + kAlignment + kAlignment,
       cannot_open("missing.txt", "No such file or directory") + ended_before(kAlignment)},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/vesmar/Feature_locations/cexons.txt", kExonFile);
    ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, "[clear]\n" + kBanner + c.expected_questions);
    EXPECT_EQ(run.err, c.expected_error);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folder.list("Desktop/vesmar/Deletion_results"), std::vector<std::string>{});
  }
}

TEST(GapRegionScanProgram, AMissingRegionFileEndsTheRunNamingIt) {
  ScratchFolder folder;
  folder.write("Desktop/vesmar/Alignment_results/aln.txt", kGapAt1006);
  ProgramRun run = testing::run_program(kBinary, folder, "i\nann\naln.txt\n");
  EXPECT_EQ(run.out, "[clear]\n" + kBanner + kRegion + kName + kAlignment + "Reading exon data...\n");
  EXPECT_EQ(run.err,
            "Gap_region_scan: cannot open Desktop/vesmar/Feature_locations/cintrons.txt: "
            "No such file or directory\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.list("Desktop/vesmar/Deletion_results"), std::vector<std::string>{});
}

TEST(GapRegionScanProgram, AReportThatCannotBeCreatedEndsTheRunWithoutDone) {
  ScratchFolder folder;
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", kExonFile);
  folder.write("Desktop/vesmar/Alignment_results/aln.txt", kGapAt1006);
  folder.remove("Desktop/vesmar/Deletion_results");
  ProgramRun run = testing::run_program(kBinary, folder, "e\nann\naln.txt\n");
  EXPECT_EQ(run.out, "[clear]\n" + kBanner + kRegion + kName + kAlignment +
                         "Reading exon data...\nMapping deletions...\n"
                         "Assigning deletions to exons...\n");
  EXPECT_EQ(run.err, short_file(1009) +
                         "Gap_region_scan: cannot create Desktop/vesmar/Deletion_results/ann_del_cexons.txt: "
                         "No such file or directory\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(folder.exists("Desktop/vesmar/Deletion_results"));
}

TEST(GapRegionScanProgram, AReportThatCannotReplaceWhatIsThereLeavesIt) {
  // A folder stands where the report should go: the finished report cannot
  // take its place, and nothing else is left behind.
  ScratchFolder folder;
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", kExonFile);
  folder.write("Desktop/vesmar/Alignment_results/aln.txt", kGapAt1006);
  folder.make_folder("Desktop/vesmar/Deletion_results/ann_del_cexons.txt");
  folder.write("Desktop/vesmar/Deletion_results/ann_del_cexons.txt/kept", "kept\n");
  ProgramRun run = testing::run_program(kBinary, folder, "e\nann\naln.txt\n");
  EXPECT_EQ(run.out.find("Done"), std::string::npos);
  EXPECT_EQ(run.out.find("[PAUSE]"), std::string::npos);
  EXPECT_NE(run.err.find("Desktop/vesmar/Deletion_results/ann_del_cexons.txt: Is a directory"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.list("Desktop/vesmar/Deletion_results"),
            std::vector<std::string>{"ann_del_cexons.txt"});
  EXPECT_EQ(folder.read("Desktop/vesmar/Deletion_results/ann_del_cexons.txt/kept"), "kept\n");
}

TEST(GapRegionScanProgram, AnswersHelpAndVersion) {
  ScratchFolder folder;
  ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out.find("[clear]"), std::string::npos);
  for (const char* part : {"Gap_region_scan", "standard input", "here-document", "Read_me.md, installed in share/doc/vesmar"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  }
  ProgramRun version = testing::run_program(kBinary, folder, "", {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Gap_region_scan 1.0.0\n");
  EXPECT_EQ(version.err, "");
}

void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", kExonFile);
  folder.write("Desktop/vesmar/Feature_locations/cintrons.txt", kIntronFile);
  folder.write("Desktop/vesmar/Feature_locations/cintergenic.txt", kExonFile);
  folder.write("Desktop/vesmar/Alignment_results/aln.txt", kFlanksAndInsertion + kGapAt1006);
  // The same file compressed, in two gzip members.
  const std::string text = kFlanksAndInsertion + kGapAt1006;
  folder.write("Desktop/vesmar/Alignment_results/aln.txt.gz",
               testing::gzip_member(text.substr(0, 1000)) + testing::gzip_member(text.substr(1000)));
}

const testing::ProgramUnderTest kGapRegionScan{kBinary, "Gap_region_scan", write_inputs};

TEST(GapRegionScanOptions, APathOfTheUsersOwnIsTakenAsItIs) {
  testing::check_own_paths_match_bare_names(
      kGapRegionScan, {"--regions", "i", "--name", "Anna", "--results", "aln.txt"},
      {"--regions", "i", "--name", "Anna", "--results", "{root}/Desktop/vesmar/Alignment_results/aln.txt"},
      {"Desktop/vesmar/Deletion_results/Anna_del_cintrons.txt",
       "Desktop/vesmar/Deletion_results/Anna_del_cintrons.bed"});
}

TEST(GapRegionScanOptions, GiveTheDialoguesFilesWithoutAsking) {
  for (const char* regions : {"e", "i", "n"}) {
    const std::string file =
        std::string(regions) == "e" ? "cexons" : std::string(regions) == "i" ? "cintrons" : "cintergenic";
    testing::check_answers_match_dialogue(kGapRegionScan, std::string(regions) + "\nann\naln.txt\n",
                                          {"--regions", regions, "--name", "ann", "--results", "aln.txt"},
                                          {"Desktop/vesmar/Deletion_results/ann_del_" + file + ".txt",
                                           "Desktop/vesmar/Deletion_results/ann_del_" + file + ".bed"});
  }
}

TEST(GapRegionScanOptions, ACompressedResultsFileScansAsItsText) {
  for (const char* regions : {"e", "i"}) {
    ScratchFolder folder;
    write_inputs(folder);
    const std::string report = std::string("Desktop/vesmar/Deletion_results/ann_del_c") +
                               (std::string(regions) == "e" ? "exons" : "introns") + ".txt";
    ASSERT_EQ(testing::run_program(kBinary, folder, std::string(regions) + " ann aln.txt\n").status, 0);
    const std::string plain = folder.read(report);
    const ProgramRun compressed =
        testing::run_program(kBinary, folder, "", {"--regions", regions, "--name", "ann", "--results", "aln.txt.gz"});
    EXPECT_EQ(compressed.status, 0) << compressed.err;
    EXPECT_TRUE(folder.read(report) == plain);
  }
  ScratchFolder folder;
  write_inputs(folder);
  const std::string whole = folder.read("Desktop/vesmar/Alignment_results/aln.txt.gz");
  folder.write("Desktop/vesmar/Alignment_results/cut.gz", whole.substr(0, whole.size() - 10));
  const ProgramRun cut =
      testing::run_program(kBinary, folder, "", {"--regions", "e", "--name", "ann", "--results", "cut.gz"});
  EXPECT_EQ(cut.status, 1);
  EXPECT_TRUE(cut.err.ends_with("Gap_region_scan: cannot read Desktop/vesmar/Alignment_results/cut.gz: the file ends "
                                "in the middle of its compressed data (it is cut short)\n"))
      << cut.err;
  EXPECT_TRUE(folder.list("Desktop/vesmar/Deletion_results").empty());
}

TEST(GapRegionScanOptions, AWrongCommandLineIsAUsageError) {
  testing::check_usage_errors(
      kGapRegionScan,
      {
          {{"-v"}, "unknown option \"-v\""},
          {{"extra"}, "unknown argument \"extra\""},
          {{"--regions", "e"}, "--name and --results are missing: give every answer, or none to be asked"},
          {{"--regions", "x", "--name", "ann", "--results", "aln.txt"}, "--regions takes e, i or n, not \"x\""},
      });
}

TEST(GapRegionScanOptions, HelpListsEveryOption) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--regions e|i|n", "--name NAME", "--results FILE", "-C DIR", "-h, --help"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace vesmar
