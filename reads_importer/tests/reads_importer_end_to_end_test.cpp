// Runs the built Reads_importer in a scratch folder, as a user would with a
// here-document of answers, and checks its dialogue, reads file and status.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/gzip_member.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = READS_IMPORTER_BINARY;

const std::string kBanner =
    "\t\t Reads_importer\n"
    "\t\t --------------\n\n"
    "This program converts three common Solexa output files (gseq, Fastq,\n"
    "or Fasta) to an output file compatible with the vesmar program.  For\n"
    "details on each output format, see the Read_me file.\n\n"
    "Output of this program is a file called 'yourname_reads.txt' located\n"
    "in the 'Sequence_reads' folder in the 'vesmar' folder.\n\n"
    "To begin, please place the file to be converted on the Desktop.\n\n";

const std::string kName = "Your first name: ";
const std::string kFormat = "Input file format (gseq, fastq, fasta): ";
const std::string kCount = "How many sequence read files do you have? ";

std::string file_prompt(int number) { return "Input file name number " + std::to_string(number) + ": "; }
std::string reading(const std::string& name) { return "Reading Desktop/" + name + "\n"; }

// The stdout of a run up to and including the count question.
std::string dialogue_start(int format_prompts = 1) {
  std::string out = "[clear]\n" + kBanner + kName;
  for (int i = 0; i < format_prompts; ++i) out += kFormat;
  return out + kCount;
}

const std::string kFastqA = "@a1\nACGTACGTACGTACGTACGTACGTACGTACGTACGT\n+\nIIII\n@a2\nTT.GA\n+\nIIII\n";
const std::string kFastqSix = "@b1\nCCCC\n+\nIIII\n@b2\nGGGG\n";
const std::string kGseq =
    "HWI\t4\t1\t1\t1012\t1993\t0\t1\tACGT.NACGT\tBBBB\t1\n"
    "HWI\t4\t1\t1\t1013\t1994\t0\t1\tTTTTTTTT\tBBBB\t0\n"
    " HWI\t4\t1\t1\t1014\t1995\t0\t1\tGGGGGGGG\tBBBB\t1\n"
    "HWI\t4\t1\t1\t1015\t1996\t0\t1\tCcCcCcCc\tBBBB\t1.0 \r\n"
    "\n";
const std::string kFasta = ">chr1 read\nACGTN\nAC>GT\n\nacgt.\r\n>";

std::string warning(const std::string& text) { return "Reads_importer: warning: " + text + "\n"; }
std::string asked_again(const std::string& why) { return warning(why + "; the question is asked again"); }

struct Case {
  const char* what;
  std::map<std::string, std::string> desktop;  // file name -> content
  std::string answers;
  std::string out;
  std::string err;
  std::string reads;  // Desktop/vesmar/Sequence_reads/ann_reads.txt
};

TEST(ReadsImporterRun, WritesTheReadsFileAsTheAnswersAsk) {
  const Case cases[] = {
      {"fastq, one well-formed file",
       {{"a.fq", kFastqA}},
       "ann\nfastq\n1\na.fq\n",
       dialogue_start() + file_prompt(1) + reading("a.fq") + "Done.\n",
       "",
       "acgtacgtacgtacgtacgtacgtacgtacgt\nttnga\n"},
      {"gseq",
       {{"s_1_0001_gseq.txt", kGseq}},
       "ann\ngseq\n1\ns_1_0001_gseq.txt\n",
       dialogue_start() + file_prompt(1) + reading("s_1_0001_gseq.txt") + "Done.\n",
       "",
       "acgtnnacgt\ncccccccc\n"},
      {"fasta, a carriage return before a line feed belonging to the line's end",
       {{"r.fa", kFasta}},
       "ann\nfasta\n1\nr.fa\n",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "",
       "acgtn\n\nacgtn\n"},
      {"fastq with Windows line ends",
       {{"w.fq", "@w\r\nACGT\r\n+\r\nIIII\r\n"}},
       "ann\nfastq\n1\nw.fq\n",
       dialogue_start() + file_prompt(1) + reading("w.fq") + "Done.\n",
       "",
       "acgt\n"},
      {"the same file named twice is converted twice",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n2\nr.fa\nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + reading("r.fa") + reading("r.fa") + "Done.\n",
       "",
       "ac\nac\n"},
      {"format answers other than the three exact names are asked again, saying why",
       {{"r.fa", "AC\n"}},
       "ann\nFASTQ\nfastq \n\nfasta\n1\nr.fa\n",
       dialogue_start(4) + file_prompt(1) + reading("r.fa") + "Done.\n",
       asked_again("the answer \"FASTQ\" is none of gseq, fastq and fasta (as written here, in small letters)") +
           asked_again("the answer \"fastq \" is none of gseq, fastq and fasta (as written here, in small letters)") +
           asked_again("the answer \"\" is none of gseq, fastq and fasta (as written here, in small letters)"),
       "ac\n"},
      {"a missing file is asked again under the same number, saying why",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n1\nnone.fa\nr.fa \nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(1) + file_prompt(1) + reading("r.fa") + "Done.\n",
       asked_again("cannot find Desktop/none.fa: No such file or directory") +
           asked_again("cannot find Desktop/r.fa : No such file or directory"),
       "ac\n"},
      {"a count of 2.5 asks two files",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n2.5\nr.fa\nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + reading("r.fa") + reading("r.fa") + "Done.\n",
       "",
       "ac\nac\n"},
      {"a count of 0.5 asks one file",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n0.5\nr.fa\n",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "",
       "ac\n"},
      {"a count of 3abc asks three files",
       {{"a.fa", "A\n"}, {"c.fa", "C\n"}, {"g.fa", "G"}},
       "ann\nfasta\n3abc\na.fa\nc.fa\ng.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + file_prompt(3) + reading("a.fa") + reading("c.fa") +
           reading("g.fa") + "Done.\n",
       "",
       "a\nc\ng\n"},
      {"names keep blanks and carriage returns",
       {{" r.fa\r", "AC\n"}},
       "ann\nfasta\n1\n r.fa\r\n",
       dialogue_start() + file_prompt(1) + reading(" r.fa\r") + "Done.\n",
       "",
       "ac\n"},
      {"the last answer may lack its line feed",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n1\nr.fa",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "",
       "ac\n"},
      {"a file of no reads, FASTQ read as FASTA and FASTA read as FASTQ are warned about",
       {{"empty.fa", ">only a header\n"}, {"q.fq", kFastqA}},
       "ann\nfasta\n2\nempty.fa\nq.fq\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + reading("empty.fa") + reading("q.fq") + "Done.\n",
       warning("Desktop/empty.fa gave no reads") +
           warning("Desktop/q.fq looks like FASTQ (an \"@\" line, then a \"+\" line two lines on) but was read as "
                   "FASTA: its quality lines are taken as reads too"),
       "@a1\nacgtacgtacgtacgtacgtacgtacgtacgt\n+\niiii\n@a2\nttnga\n+\niiii\n"},
      {"FASTA read as FASTQ",
       {{"r.fa", ">r1\nACGT\n>r2\nGGCC\n"}},
       "ann\nfastq\n1\nr.fa\n",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       warning("Desktop/r.fa looks like FASTA (it begins with a \">\" header line) but was read as FASTQ: only the "
               "second line of every four is taken as a read"),
       "acgt\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    for (const auto& [name, content] : c.desktop) folder.write("Desktop/" + name, content);
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), c.reads);
    EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  }
}

TEST(ReadsImporterRun, TheReadsFileIsNamedForTheFirstNameAsTyped) {
  ScratchFolder folder;
  folder.write("Desktop/r.fa", "A\n");
  EXPECT_EQ(testing::run_program(kBinary, folder, "\nfasta\n1\nr.fa\n").status, 0);
  EXPECT_EQ(testing::run_program(kBinary, folder, "Ann Lee\nfasta\n1\nr.fa\n").status, 0);
  EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"),
            (std::vector<std::string>{"Ann Lee_reads.txt", "_reads.txt"}));
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/_reads.txt"), "a\n");
}

TEST(ReadsImporterRun, ASecondRunReplacesTheEarlierReadsFile) {
  ScratchFolder folder;
  folder.write("Desktop/a.fa", "AAAA\nCCCC\nGGGG\n");
  folder.write("Desktop/b.fa", "TT\n");
  EXPECT_EQ(testing::run_program(kBinary, folder, "ann\nfasta\n1\na.fa\n").status, 0);
  EXPECT_EQ(testing::run_program(kBinary, folder, "ann\nfasta\n1\nb.fa\n").status, 0);
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "tt\n");
}

TEST(ReadsImporterRun, AFastqFileOutOfStepIsWarnedAboutAndConvertedAsItStands) {
  ScratchFolder folder;
  folder.write("Desktop/b.fq", kFastqSix);
  folder.write("Desktop/a.fq", kFastqA);
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfastq\n2\nb.fq\na.fq\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "Reads_importer: warning: Desktop/b.fq has 6 lines, not a multiple of four; the files "
                     "after it are read out of step with their records\n");
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "cccc\ngggg\niiii\niiii\n");
}

// Makes a Unix socket at `path`: it exists, but cannot be opened as a file.
void make_socket(const std::string& path) {
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
}

// An input file that cannot be opened or read to its end stops the run after
// its "Reading" line: no "Done.", an older reads file as it was, and no
// temporary file left.
TEST(ReadsImporterRun, AnInputFileThatCannotBeReadStopsTheRunAndKeepsTheOlderReadsFile) {
  struct Unreadable {
    std::string answer;
    std::string error;
  };
  const Unreadable cases[] = {
      {"", "cannot open Desktop/: Is a directory"},
      {"sub", "cannot open Desktop/sub: Is a directory"},
      {"sock", "cannot open Desktop/sock: No such device or address"},
      {"mem", "cannot read Desktop/mem: Input/output error"},
      {"cut.fa.gz", "cannot read Desktop/cut.fa.gz: the file ends in the middle of its compressed data (it is cut short)"},
  };
  for (const Unreadable& c : cases) {
    SCOPED_TRACE(c.answer);
    ScratchFolder folder;
    folder.write("Desktop/a.fa", "AAAA\n");
    folder.write("Desktop/c.fa", "CCCC\n");
    folder.make_folder("Desktop/sub");
    make_socket(folder.path("Desktop/sock"));
    ASSERT_EQ(::symlink("/proc/self/mem", folder.path("Desktop/mem").c_str()), 0);
    const std::string compressed = testing::gzip_member(std::string(5000, 'A') + "\n");
    folder.write("Desktop/cut.fa.gz", compressed.substr(0, compressed.size() / 2));
    folder.write("Desktop/vesmar/Sequence_reads/ann_reads.txt", "older\n");
    const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n3\na.fa\n" + c.answer + "\nc.fa\n");
    EXPECT_EQ(run.out, dialogue_start() + file_prompt(1) + file_prompt(2) + file_prompt(3) + reading("a.fa") +
                           reading(c.answer));
    EXPECT_EQ(run.err, "Reads_importer: " + c.error + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "older\n");
    EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  }
}

struct FailedRun {
  const char* what;
  std::string answers;
  std::string out;
  std::string err;
};

std::string ended_before(const std::string& question) {
  return "Reads_importer: standard input ended before the question \"" + question + "\" was answered\n";
}

// Answers that leave nothing to convert stop the run before any file is
// read, and an older reads file stays as it was.
TEST(ReadsImporterRun, AnswersThatLeaveNothingToDoStopTheRunAndKeepTheOlderReadsFile) {
  const FailedRun cases[] = {
      {"no answer at all", "", "[clear]\n" + kBanner + kName, ended_before("Your first name:")},
      {"end of input at the format question", "ann\nFASTA\n", "[clear]\n" + kBanner + kName + kFormat + kFormat,
       asked_again("the answer \"FASTA\" is none of gseq, fastq and fasta (as written here, in small letters)") +
           ended_before("Input file format (gseq, fastq, fasta):")},
      {"end of input at the count question", "ann\nfasta\n", dialogue_start(),
       ended_before("How many sequence read files do you have?")},
      {"end of input at a file name", "ann\nfasta\n2\na.fa\n", dialogue_start() + file_prompt(1) + file_prompt(2),
       ended_before("Input file name number 2:")},
      {"a count of 0", "ann\nfasta\n0\n", dialogue_start(),
       "Reads_importer: the count \"0\" asks for no sequence read file: a run converts 1 or more\n"},
      {"a negative count", "ann\nfasta\n-2\n", dialogue_start(),
       "Reads_importer: the count \"-2\" asks for no sequence read file: a run converts 1 or more\n"},
      {"a count that is no number", "ann\nfasta\nabc\n", dialogue_start(),
       "Reads_importer: the count \"abc\" asks for no sequence read file: a run converts 1 or more\n"},
      {"an absurd count", "ann\nfasta\n1e12\n", dialogue_start(),
       "Reads_importer: the count \"1e12\" is more sequence read files than one run takes (at most 1000000)\n"},
  };
  for (const FailedRun& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/a.fa", "AAAA\n");
    folder.write("Desktop/vesmar/Sequence_reads/ann_reads.txt", "old\n");
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "old\n");
    EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  }
}

TEST(ReadsImporterRun, AReadsFileThatCannotBeCreatedStopsTheRunAfterTheQuestions) {
  ScratchFolder folder;
  folder.write("Desktop/r.fa", "AC\n");
  folder.remove("Desktop/vesmar/Sequence_reads");
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n1\nr.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1));
  EXPECT_EQ(run.err,
            "Reads_importer: cannot create Desktop/vesmar/Sequence_reads/ann_reads.txt: No such file or directory\n");
  EXPECT_EQ(run.status, 1);
}

TEST(ReadsImporterRun, AFolderWhereTheReadsFileShouldGoStopsTheRunBeforeAnyFileIsRead) {
  ScratchFolder folder;
  folder.write("Desktop/r.fa", "AC\n");
  folder.make_folder("Desktop/vesmar/Sequence_reads/ann_reads.txt");
  folder.write("Desktop/vesmar/Sequence_reads/ann_reads.txt/keep", "kept\n");
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n1\nr.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1));
  EXPECT_EQ(run.err, "Reads_importer: cannot create Desktop/vesmar/Sequence_reads/ann_reads.txt: Is a directory\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt/keep"), "kept\n");
}

void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/a.fq", kFastqA);
  folder.write("Desktop/b.fq.gz", testing::gzip_member(kFastqA));
  folder.write("Desktop/s.gseq", kGseq);
  folder.write("Desktop/r.fa", kFasta);
}

const testing::ProgramUnderTest kReadsImporter{kBinary, "Reads_importer", write_inputs};

TEST(ReadsImporterOptions, APathOfTheUsersOwnIsTakenAsItIs) {
  testing::check_own_paths_match_bare_names(kReadsImporter, {"--name", "Anna", "--format", "fastq", "a.fq", "b.fq.gz"},
                                            {"--name", "Anna", "--format", "fastq", "./Desktop/a.fq",
                                             "{root}/Desktop/b.fq.gz"},
                                            {"Desktop/vesmar/Sequence_reads/Anna_reads.txt"});
}

TEST(ReadsImporterOptions, GiveTheDialoguesFilesWithoutAsking) {
  testing::check_answers_match_dialogue(kReadsImporter, "ann\nfastq\n2\na.fq\nb.fq.gz\n",
                                        {"--name", "ann", "--format", "fastq", "a.fq", "b.fq.gz"},
                                        {"Desktop/vesmar/Sequence_reads/ann_reads.txt"});
  testing::check_answers_match_dialogue(kReadsImporter, "Ann Lee\ngseq\n1\ns.gseq\n",
                                        {"s.gseq", "--format=gseq", "--name=Ann Lee"},
                                        {"Desktop/vesmar/Sequence_reads/Ann Lee_reads.txt"});
}

TEST(ReadsImporterOptions, AWrongCommandLineIsAUsageError) {
  testing::check_usage_errors(
      kReadsImporter,
      {
          {{"-x"}, "unknown option \"-x\""},
          {{"--name", "ann", "--format", "fasta"}, "a FILE... is missing: give every answer, or none to be asked"},
          {{"r.fa"}, "--name and --format are missing: give every answer, or none to be asked"},
          {{"--name", "ann", "--format", "FASTA", "r.fa"}, "--format takes gseq, fastq or fasta, not \"FASTA\""},
      });
}

TEST(ReadsImporterOptions, HelpAndVersion) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--name NAME", "--format gseq|fastq|fasta", "FILE...", "-C DIR", "here-document"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(testing::run_program(kBinary, folder, "", {"--version"}).out, "Reads_importer 1.0.0\n");
}

}  // namespace
}  // namespace vesmar
