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

#include "common/testing/program_run.h"

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

struct Case {
  const char* what;
  std::map<std::string, std::string> desktop;  // file name -> content
  std::string answers;
  std::string out;
  std::optional<std::string> reads;  // Desktop/vesmar/Sequence_reads/ann_reads.txt
  int status;
};

TEST(ReadsImporterRun, WritesTheReadsFileAsTheAnswersAsk) {
  const Case cases[] = {
      {"fastq, one well-formed file",
       {{"a.fq", kFastqA}},
       "ann\nfastq\n1\na.fq\n",
       dialogue_start() + file_prompt(1) + reading("a.fq") + "Done.\n",
       "acgtacgtacgtacgtacgtacgtacgtacgt\nttnga\n",
       0},
      {"gseq",
       {{"s_1_0001_gseq.txt", kGseq}},
       "ann\ngseq\n1\ns_1_0001_gseq.txt\n",
       dialogue_start() + file_prompt(1) + reading("s_1_0001_gseq.txt") + "Done.\n",
       "acgtnnacgt\ncccccccc\n",
       0},
      {"fasta",
       {{"r.fa", kFasta}},
       "ann\nfasta\n1\nr.fa\n",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "acgtn\n\nacgtn\r\n",
       0},
      {"the same file named twice is converted twice",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n2\nr.fa\nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + reading("r.fa") + reading("r.fa") + "Done.\n",
       "ac\nac\n",
       0},
      {"format answers other than the three exact names are asked again",
       {{"r.fa", "AC\n"}},
       "ann\nFASTQ\nfastq \n\nfa\nfasta\n1\nr.fa\n",
       dialogue_start(5) + file_prompt(1) + reading("r.fa") + "Done.\n",
       "ac\n",
       0},
      {"a missing file is asked again under the same number",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n1\nnone.fa\nr.fa \nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(1) + file_prompt(1) + reading("r.fa") + "Done.\n",
       "ac\n",
       0},
      {"a count of 0 asks no file names", {}, "ann\nfasta\n0\n", dialogue_start() + "Done.\n", "", 0},
      {"an empty count asks no file names", {}, "ann\nfasta\n\n", dialogue_start() + "Done.\n", "", 0},
      {"a count of abc asks no file names", {}, "ann\nfasta\nabc\n", dialogue_start() + "Done.\n", "", 0},
      {"the count question at end of input asks no file names", {}, "ann\nfasta\n", dialogue_start() + "Done.\n",
       "", 0},
      {"a count of 2.5 asks two files",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n2.5\nr.fa\nr.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + reading("r.fa") + reading("r.fa") + "Done.\n",
       "ac\nac\n",
       0},
      {"a count of 0.5 asks one file",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n0.5\nr.fa\n",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "ac\n",
       0},
      {"a count of 3abc asks three files",
       {{"a.fa", "A\n"}, {"c.fa", "C\n"}, {"g.fa", "G"}},
       "ann\nfasta\n3abc\na.fa\nc.fa\ng.fa\n",
       dialogue_start() + file_prompt(1) + file_prompt(2) + file_prompt(3) + reading("a.fa") + reading("c.fa") +
           reading("g.fa") + "Done.\n",
       "a\nc\ng\n",
       0},
      {"names keep blanks and carriage returns",
       {{" r.fa\r", "AC\n"}},
       "ann\nfasta\n1\n r.fa\r\n",
       dialogue_start() + file_prompt(1) + reading(" r.fa\r") + "Done.\n",
       "ac\n",
       0},
      {"the last answer may lack its line feed",
       {{"r.fa", "AC\n"}},
       "ann\nfasta\n1\nr.fa",
       dialogue_start() + file_prompt(1) + reading("r.fa") + "Done.\n",
       "ac\n",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    for (const auto& [name, content] : c.desktop) folder.write("Desktop/" + name, content);
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, "");
    if (c.reads) {
      ASSERT_TRUE(folder.exists("Desktop/vesmar/Sequence_reads/ann_reads.txt"));
      EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), *c.reads);
    }
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

TEST(ReadsImporterRun, AnUnreadableInputFileIsAnnouncedWarnedAboutAndPassedOver) {
  ScratchFolder folder;
  folder.write("Desktop/a.fa", "AAAA\n");
  folder.write("Desktop/c.fa", "CCCC\n");
  folder.make_folder("Desktop/sub");
  make_socket(folder.path("Desktop/sock"));
  ASSERT_EQ(::symlink("/proc/self/mem", folder.path("Desktop/mem").c_str()), 0);
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n6\na.fa\n\nsub\nsock\nmem\nc.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1) + file_prompt(2) + file_prompt(3) + file_prompt(4) +
                         file_prompt(5) + file_prompt(6) + reading("a.fa") + "Reading Desktop/\n" + reading("sub") +
                         reading("sock") + reading("mem") + reading("c.fa") + "Done.\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Reads_importer: warning: cannot open Desktop/: Is a directory; it gives no reads\n"
            "Reads_importer: warning: cannot open Desktop/sub: Is a directory; it gives no reads\n"
            "Reads_importer: warning: cannot open Desktop/sock: No such device or address; it gives no reads\n"
            "Reads_importer: warning: cannot read Desktop/mem: Input/output error; only the reads before the "
            "error were taken\n"
            "Reads_importer: 4 of 6 input files could not be read; their reads are missing from "
            "Desktop/vesmar/Sequence_reads/ann_reads.txt\n");
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "aaaa\ncccc\n");
}

TEST(ReadsImporterRun, EndOfInputAtTheLastFileNameTakesTheDesktopFolder) {
  ScratchFolder folder;
  folder.write("Desktop/a.fa", "AAAA\n");
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n2\na.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1) + file_prompt(2) + reading("a.fa") +
                         "Reading Desktop/\nDone.\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "aaaa\n");
}

struct FailedRun {
  const char* what;
  std::string answers;
  std::string out;
  std::string err;
};

TEST(ReadsImporterRun, AnswersThatCanNeverComeStopTheRunAndLeaveTheOldReadsFile) {
  const FailedRun cases[] = {
      {"end of input at the format question",
       "ann\nFASTA\n",
       "[clear]\n" + kBanner + kName + kFormat + kFormat,
       "Reads_importer: standard input ended before the input file format (gseq, fastq, fasta) was given\n"},
      {"no answer at all", "", "[clear]\n" + kBanner + kName + kFormat,
       "Reads_importer: standard input ended before the input file format (gseq, fastq, fasta) was given\n"},
      {"an absurd count",
       "ann\nfasta\n1e12\n",
       dialogue_start(),
       "Reads_importer: the count \"1e12\" is more sequence read files than one run takes (at most 1000000)\n"},
  };
  for (const FailedRun& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/vesmar/Sequence_reads/ann_reads.txt", "old\n");
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt"), "old\n");
    EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  }
}

TEST(ReadsImporterRun, EndOfInputAtAFileNameWithoutADesktopStopsTheRun) {
  ScratchFolder folder;
  folder.remove("Desktop");
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n1\nr.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1) + file_prompt(1));
  EXPECT_EQ(run.err,
            "Reads_importer: standard input ended before input file name number 1 was given (nothing exists at "
            "Desktop/)\n");
  EXPECT_EQ(run.status, 1);
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

TEST(ReadsImporterRun, AReadsFileThatCannotReplaceTheOldOneGivesNoDone) {
  ScratchFolder folder;
  folder.write("Desktop/r.fa", "AC\n");
  folder.make_folder("Desktop/vesmar/Sequence_reads/ann_reads.txt");
  folder.write("Desktop/vesmar/Sequence_reads/ann_reads.txt/keep", "kept\n");
  const ProgramRun run = testing::run_program(kBinary, folder, "ann\nfasta\n1\nr.fa\n");
  EXPECT_EQ(run.out, dialogue_start() + file_prompt(1) + reading("r.fa"));
  EXPECT_EQ(run.err, "Reads_importer: cannot replace Desktop/vesmar/Sequence_reads/ann_reads.txt: Is a directory\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), std::vector<std::string>{"ann_reads.txt"});
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/ann_reads.txt/keep"), "kept\n");
}

TEST(ReadsImporterRun, AnswersHelpAndVersionAndIgnoresOtherArguments) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("standard input"), std::string::npos);
  EXPECT_NE(help.out.find("here-document"), std::string::npos);
  EXPECT_NE(help.out.find("Read_me.md, installed in share/doc/vesmar"), std::string::npos);
  EXPECT_EQ(help.out.find("[clear]"), std::string::npos);

  const ProgramRun version = testing::run_program(kBinary, folder, "", {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Reads_importer 1.0.0\n");

  const ProgramRun other = testing::run_program(kBinary, folder, "ann\nfasta\n0\n", {"-x", "extra"});
  EXPECT_EQ(other.out, dialogue_start() + "Done.\n");
  EXPECT_EQ(other.status, 0);
}

}  // namespace
}  // namespace vesmar
