// Runs the built Chromosome_join in a scratch folder, as a user would with a
// here-document of answers, and checks its dialogue, genome sequence file and
// exit status.

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = CHROMOSOME_JOIN_BINARY;

const std::string kBanner =
    "[clear]\n"
    "               Chromosome_join\n"
    "               ---------------\n"
    "An application for converting chromosome sequences into a\n"
    "'vesmar' compatible genomic sequence file\n\n"
    "PLEASE PLACE FASTA FILES ON THE DESKTOP\n\n"
    "Do you have separate files for each chromosome (m) or one\n"
    "FASTA file in which each chromosome begins with '>' (s)? ";
const std::string kCount = "How many chromosome files in Fasta format do you have? ";
const std::string kGenome = "Name of concatenated genome file? ";
const std::string kSingle = "Name of chromosome file: ";
const std::string kNoOption = "no such option, type m or s";

std::string chromosome(int number) { return "chromosome " + std::to_string(number) + " file name: "; }
std::string g(std::size_t count) { return std::string(count, 'g'); }

const std::map<std::string, std::string> kChromosomes = {
    {"chrI.fa", ">chrI\nACGT\nAC\n"},
    {"crlf.fa", ">chrI\r\nACGT\r\nAC\r\n"},
    {"chrII.fa", ">chrII\nTTTT\n"},
    {"both.fa", ">chrI\nACGT\nAC\n>chrII\nTTTT\n"},
};
const std::string kJoined = "ACGT\nAC\n" + g(44) + "\nTTTT\n" + g(46);

const std::string kOlder = "an older genome\n";
const std::string kLayout = "Desktop/vesmar/Feature_locations/chromosomes.txt";
const std::string kOlderLayout = "old\t0\t10\n";

std::string ended_before(const std::string& question) {
  return "Chromosome_join: standard input ended before the question \"" + question + "\" was answered\n";
}

struct Case {
  const char* what;
  std::string answers;
  std::string out;
  std::string err;
  std::optional<std::string> genome;  // Desktop/vesmar/Genome_sequences/genome.txt; nothing: the older one stays
  int status;
};

// Every run begins with an older genome sequence file in place: a run that
// fails leaves it byte for byte as it was, and no temporary file beside it.
TEST(ChromosomeJoinRun, JoinsAsTheAnswersAsk) {
  const std::string count_of_none = "Chromosome_join: the count \"%\" asks for no chromosome file: a genome has 1 "
                                    "or more\n";
  const auto no_file_for = [&](const std::string& count) {
    std::string text = count_of_none;
    return text.replace(text.find('%'), 1, count);
  };
  const auto neither = [](const std::string& answer) {
    return "Chromosome_join: the answer \"" + answer + "\" is neither m nor s: nothing was joined\n";
  };
  const Case cases[] = {
      {"separate files", "m\n2\nchrI.fa\nchrII.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2) + kGenome, "", kJoined, 0},
      {"Windows line ends", "m\n2\ncrlf.fa\nchrII.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2) + kGenome, "", kJoined, 0},
      {"names with white space at their end", "m\n2\nchrI.fa \t\nchrII.fa\r\ngenome.txt  \n",
       kBanner + kCount + chromosome(1) + chromosome(2) + kGenome, "", kJoined, 0},
      {"a count of 2.9 asks two files", "m\n2.9\nchrI.fa\nchrII.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2) + kGenome, "", kJoined + "\n", 0},
      {"a count of 2.5 ends the file with a line feed", "m\n2.5\nchrI.fa\nchrII.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2) + kGenome, "", kJoined + "\n", 0},
      {"a count of 3abc asks three files", "m\n3abc\nchrI.fa\nchrII.fa\nchrI.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2) + chromosome(3) + kGenome,
       "Chromosome_join: warning: the chromosome name chrI stands twice: chromosome 3 is chrI_3 in "
       "Desktop/vesmar/Feature_locations/chromosomes.txt\n",
       kJoined + "\nACGT\nAC\n" + g(44), 0},
      {"one file of several records", "s\nboth.fa\ngenome.txt\n", kBanner + kSingle + kGenome, "", kJoined, 0},
      {"one file with its name typed with a trailing blank", "s\nboth.fa \ngenome.txt\r\n",
       kBanner + kSingle + kGenome, "", kJoined, 0},
      {"a count of 0", "m\n0\ngenome.txt\n", kBanner + kCount, no_file_for("0"), std::nullopt, 1},
      {"a count that is no number", "m\nabc\ngenome.txt\n", kBanner + kCount, no_file_for("abc"), std::nullopt, 1},
      {"a negative count", "m\n-3\ngenome.txt\n", kBanner + kCount, no_file_for("-3"), std::nullopt, 1},
      {"an answer other than m or s", "x\n", kBanner + kNoOption, neither("x"), std::nullopt, 1},
      {"a capital M", "M\nchrI.fa\n", kBanner + kNoOption, neither("M"), std::nullopt, 1},
      {"a blank after m", "m \n", kBanner + kNoOption, neither("m "), std::nullopt, 1},
      {"an empty mode answer", "\n", kBanner + kNoOption, neither(""), std::nullopt, 1},
      {"no answer at all", "", kBanner,
       ended_before("Do you have separate files for each chromosome (m) or one FASTA file in which each "
                    "chromosome begins with '>' (s)?"),
       std::nullopt, 1},
      {"end of input at the count", "m\n", kBanner + kCount,
       ended_before("How many chromosome files in Fasta format do you have?"), std::nullopt, 1},
      {"end of input at a file name", "m\n2\nchrI.fa\n", kBanner + kCount + chromosome(1) + chromosome(2),
       ended_before("chromosome 2 file name:"), std::nullopt, 1},
      {"end of input at the genome file name", "m\n1\nchrI.fa\n", kBanner + kCount + chromosome(1) + kGenome,
       ended_before("Name of concatenated genome file?"), std::nullopt, 1},
      {"end of input at the chromosome file name", "s\n", kBanner + kSingle,
       ended_before("Name of chromosome file:"), std::nullopt, 1},
      {"a missing file at the check", "m\n2\nnone.fa\nchrII.fa\ngenome.txt\n", kBanner + kCount + chromosome(1),
       "no such file name (Chromosome_join, location 31, standard input line 3).\n", std::nullopt, 2},
      {"a missing second file at the check", "m\n2\nchrI.fa\nnone.fa\ngenome.txt\n",
       kBanner + kCount + chromosome(1) + chromosome(2),
       "no such file name (Chromosome_join, location 31, standard input line 4).\n", std::nullopt, 2},
      {"an empty file name names the Desktop folder", "m\n1\n\ngenome.txt\n", kBanner + kCount + chromosome(1),
       "no such file name (Chromosome_join, location 31, standard input line 3).\n", std::nullopt, 21},
      {"single-file mode with a missing file", "s\nnone.fa\ngenome.txt\n", kBanner + kSingle + kGenome,
       "no such file name (Chromosome_join, location 45, standard input line 3).\n", std::nullopt, 2},
      {"single-file mode with the Desktop folder", "s\n\ngenome.txt\n", kBanner + kSingle + kGenome,
       "no such file name (Chromosome_join, location 45, standard input line 3).\n", std::nullopt, 21},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
    folder.write("Desktop/vesmar/Genome_sequences/genome.txt", kOlder);
    folder.write(kLayout, kOlderLayout);
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(folder.list("Desktop/vesmar/Genome_sequences"), std::vector<std::string>{"genome.txt"});
    EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome.txt"), c.genome.value_or(kOlder));
    // The layout is replaced together with the genome sequence file, or not at all.
    EXPECT_EQ(folder.read(kLayout) == kOlderLayout, !c.genome.has_value());
    EXPECT_EQ(folder.list("Desktop/vesmar/Feature_locations"), std::vector<std::string>{"chromosomes.txt"});
  }
}

// Each chromosome is named by the first word of its header line, in the
// order joined, with its length less padding and its offset past the
// padding before it.
TEST(ChromosomeJoinRun, WritesTheLayoutOfTheJoinedChromosomes) {
  const std::string comment =
      "# chromosome\toffset (genome positions before it)\tlength (its bases; each chromosome is padded with g to a "
      "multiple of 50)\n";
  struct Layout {
    const char* what;
    std::map<std::string, std::string> files;
    std::string answers;
    std::string layout;  // after the comment line
  };
  const Layout cases[] = {
      {"separate files", kChromosomes, "m\n2\nchrI.fa\nchrII.fa\ng.txt\n", "chrI\t0\t6\nchrII\t50\t4\n"},
      {"Windows line ends", kChromosomes, "m\n1\ncrlf.fa\ng.txt\n", "chrI\t0\t6\n"},
      {"one file of records", kChromosomes, "s\nboth.fa\ng.txt\n", "chrI\t0\t6\nchrII\t50\t4\n"},
      {"a header's first word", {{"a.fa", "> I dna:chromosome\n" + std::string(50, 'A') + "\n"}},
       "m\n1\na.fa\ng.txt\n", "I\t0\t50\n"},
      {"the first header of a separate file", {{"a.fa", ">a\nAC\n>b\nAC\n"}}, "m\n1\na.fa\ng.txt\n", "a\t0\t4\n"},
      {"no header", {{"a.fa", "ACG\n"}, {"b.fa", ">b\nT\n"}}, "m\n2\na.fa\nb.fa\ng.txt\n",
       "chromosome_1\t0\t3\nb\t50\t1\n"},
      {"sequence before the first header, headers in a row, a header at the end",
       {{"a.fa", "AC\n>x\n>y\nTTT\n>z\n"}}, "s\na.fa\ng.txt\n", "chromosome_1\t0\t2\ny\t50\t3\nz\t100\t0\n"},
  };
  for (const Layout& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    for (const auto& [name, content] : c.files) folder.write("Desktop/" + name, content);
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folder.read(kLayout), comment + c.layout);
  }
}

TEST(ChromosomeJoinRun, WithoutAFeatureLocationsFolderNoLayoutIsWritten) {
  ScratchFolder folder;
  for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
  folder.remove("Desktop/vesmar/Feature_locations");
  const ProgramRun run =
      testing::run_program(kBinary, folder, "", {"--mode", "m", "--genome", "g.txt", "chrI.fa", "chrII.fa"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Desktop/vesmar/Genome_sequences/g.txt\n");
  EXPECT_EQ(run.err,
            "Chromosome_join: warning: no folder Desktop/vesmar/Feature_locations/ for the chromosome layout of "
            "Desktop/vesmar/Genome_sequences/g.txt: the scanners will take the built-in one\n"
            "Chromosome_join: wrote Desktop/vesmar/Genome_sequences/g.txt, joined from 2 chromosome files\n");
  EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/g.txt"), kJoined);
}

TEST(ChromosomeJoinRun, AnEmptyGenomeFileNameNamesTheFolder) {
  ScratchFolder folder;
  for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
  const ProgramRun run = testing::run_program(kBinary, folder, "m\n1\nchrI.fa\n\n");
  EXPECT_EQ(run.out, kBanner + kCount + chromosome(1) + kGenome);
  EXPECT_EQ(run.err, "Chromosome_join: cannot create Desktop/vesmar/Genome_sequences/: Is a directory\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.list("Desktop/vesmar/Genome_sequences"), std::vector<std::string>{});
}

TEST(ChromosomeJoinRun, AGenomeFileThatCannotBeCreatedStopsBeforeAnyChromosomeIsRead) {
  for (const char* answers : {"m\n1\nchrI.fa\ngenome.txt\n", "s\nboth.fa\ngenome.txt\n"}) {
    SCOPED_TRACE(answers);
    ScratchFolder folder;
    for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
    folder.remove("Desktop/vesmar/Genome_sequences");
    const ProgramRun run = testing::run_program(kBinary, folder, answers);
    EXPECT_EQ(run.err,
              "Chromosome_join: cannot create Desktop/vesmar/Genome_sequences/genome.txt: No such file or "
              "directory\n");
    EXPECT_EQ(run.status, 1);
  }
}

TEST(ChromosomeJoinRun, AChromosomeFileThatCannotBeReadFailsTheRunKeepingTheOlderGenomeFile) {
  ScratchFolder folder;
  for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
  folder.write("Desktop/vesmar/Genome_sequences/genome.txt", kOlder);
  // Reading the start of a process's own memory file fails with an I/O error.
  ASSERT_EQ(::symlink("/proc/self/mem", folder.path("Desktop/mem").c_str()), 0);
  for (const char* answers : {"m\n2\nchrI.fa\nmem\ngenome.txt\n", "s\nmem\ngenome.txt\n"}) {
    SCOPED_TRACE(answers);
    const ProgramRun run = testing::run_program(kBinary, folder, answers);
    EXPECT_EQ(run.err, "Chromosome_join: cannot read Desktop/mem: Input/output error\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folder.list("Desktop/vesmar/Genome_sequences"), std::vector<std::string>{"genome.txt"});
    EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome.txt"), kOlder);
  }
}

void write_inputs(const ScratchFolder& folder) {
  for (const auto& [name, content] : kChromosomes) folder.write("Desktop/" + name, content);
}

const testing::ProgramUnderTest kChromosomeJoin{kBinary, "Chromosome_join", write_inputs};

TEST(ChromosomeJoinOptions, GiveTheDialoguesFilesWithoutAsking) {
  testing::check_answers_match_dialogue(kChromosomeJoin, "m\n2\nchrI.fa\nchrII.fa\ngenome.txt\n",
                                        {"--mode", "m", "--genome", "genome.txt", "chrI.fa", "chrII.fa"},
                                        {"Desktop/vesmar/Genome_sequences/genome.txt", kLayout});
  testing::check_answers_match_dialogue(kChromosomeJoin, "s\nboth.fa\ngenome.txt\n",
                                        {"--mode", "s", "--genome", "genome.txt", "both.fa"},
                                        {"Desktop/vesmar/Genome_sequences/genome.txt", kLayout});
}

TEST(ChromosomeJoinOptions, APathOfTheUsersOwnIsTakenAsItIs) {
  testing::check_own_paths_match_bare_names(
      kChromosomeJoin, {"--mode", "m", "--genome", "genome.txt", "chrI.fa", "chrII.fa"},
      {"--mode", "m", "--genome", "./Desktop/vesmar/Genome_sequences/genome.txt", "{root}/Desktop/chrI.fa",
       "./Desktop/chrII.fa"},
      {"Desktop/vesmar/Genome_sequences/genome.txt"});
}

TEST(ChromosomeJoinOptions, AMissingChromosomeFileIsTheDialoguesFailure) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run =
      testing::run_program(kBinary, folder, "", {"--mode", "m", "--genome", "g.txt", "chrI.fa", "none.fa"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "no such file name (Chromosome_join, location 31).\n");
  EXPECT_TRUE(folder.list("Desktop/vesmar/Genome_sequences").empty());
}

TEST(ChromosomeJoinOptions, AWrongCommandLineIsAUsageError) {
  testing::check_usage_errors(
      kChromosomeJoin,
      {
          {{"extra"}, "--mode and --genome are missing: give every answer, or none to be asked"},
          {{"--mode", "x", "--genome", "g.txt", "chrI.fa"}, "--mode takes m or s, not \"x\""},
          {{"--mode", "s", "--genome", "g.txt", "chrI.fa", "chrII.fa"}, "--mode s joins one file, not 2"},
          {{"--genome"}, "--genome needs a value"},
      });
}

TEST(ChromosomeJoinOptions, HelpAndVersion) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"-h"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--mode m|s", "--genome NAME", "FILE...", "-C DIR", "Read_me.md, installed in"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(testing::run_program(kBinary, folder, "", {"-V"}).out, "Chromosome_join 1.0.0\n");
}

}  // namespace
}  // namespace vesmar
