// Runs the built Alignment_counts in a scratch package folder, as a user
// would, and checks its dialogue, the alignment results file it writes, its
// warnings and how it ends.
#include <gtest/gtest.h>
#include <htslib/sam.h>
#include <sys/resource.h>

#include <filesystem>

#include <string>
#include <vector>

#include "alignment_counts/alignment_input.h"
#include "testing/command_line_check.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = ALIGNMENT_COUNTS_BINARY;

const std::string kBanner =
    "[clear]\n"
    "\t\tAlignment_counts\n"
    "\t\t----------------\n"
    "This program writes an alignment results file for Point_scan and\n"
    "Gap_region_scan from the work of another aligner: a BAM, CRAM or SAM\n"
    "file sorted by position, and the reference FASTA file its reads were\n"
    "aligned to.  See Read_me file for details.\n"
    "\n"
    "The output of this program will be deposited in the 'Alignment_results'\n"
    "folder under the name you give it.\n"
    "\n"
    "PLEASE PLACE THE ALIGNMENT FILE AND THE FASTA FILE ON THE DESKTOP\n"
    "\n";
const std::string kAlignment = "Alignment file name (BAM, CRAM or SAM, on the Desktop): ";
const std::string kReference = "Reference FASTA file name (on the Desktop): ";
const std::string kResults = "Alignment_results file name to write: ";
const std::string kBaseQuality = "Specify minimum base quality of a counted base (typically 0): ";
const std::string kMappingQuality = "Specify minimum mapping quality of a counted read (typically 0): ";
const std::string kQuestions = kAlignment + kReference + kResults + kBaseQuality + kMappingQuality;
const std::string kProgress =
    "Reading the alignment file's header...\nReading the reference...\nCounting the reads at each position...\n";

// Chromosome I of 60 bases (acgt repeated) and a mitochondrial genome; two
// reads on I, the second with a mutant base at 8, and one on MtDNA.
const std::string kFasta = ">chrI\n" + std::string("ACGTACGTACGTACGTACGTACGTACGTACGTACGTACGT\n") +
                           "ACGTACGTACGTACGTACGT\n>MtDNA\nAAAAAAAAAAAAAAAAAAAA\n";
const std::string kSamHeader = "@HD\tVN:1.6\tSO:coordinate\n@SQ\tSN:chrI\tLN:60\n@SQ\tSN:MtDNA\tLN:20\n";
const std::string kSam = kSamHeader +
                         "r1\t0\tchrI\t1\t60\t10M\t*\t0\t0\tACGTACGTAC\t*\n"
                         "r2\t16\tchrI\t5\t60\t10M\t*\t0\t0\tACGAACGTAC\tIIIIIIIIII\n"
                         "m1\t0\tMtDNA\t1\t60\t5M\t*\t0\t0\tAAAAA\t*\n";

std::string counts(int wt_reads, int mut_reads) {
  return std::to_string(wt_reads) + "\n" + std::to_string(mut_reads) + "\n";
}
std::string uncovered(int positions) {
  std::string text;
  for (int i = 0; i < positions; ++i) text += counts(0, 0);
  return text;
}

// Chromosome I, its 40 bases of padding: 100 positions.
const std::string kResultsFile =
    counts(1, 0) + counts(1, 0) + counts(1, 0) + counts(1, 0) + counts(2, 0) + counts(2, 0) + counts(2, 0) +
    counts(1, 1) + "aacgtacgtacgtacgtacgtacgt\ntacgtacgtacgtacgtacgtacgt\n" + counts(2, 0) + counts(2, 0) +
    counts(1, 0) + counts(1, 0) + counts(1, 0) + counts(1, 0) + uncovered(86);
const std::string kMitochondriaWarning =
    "Alignment_counts: warning: the sequence MtDNA (1 read) of Desktop/run.sam is none of the chromosomes I, II, "
    "III, IV, V, X: the alignment results file leaves out the reads on it\n";

// The same reads as BAM, written by htslib.
std::string as_bam(const ScratchFolder& folder, const std::string& sam_name) {
  const std::string bam_name = sam_name.substr(0, sam_name.size() - 4) + ".bam";
  samFile* in = sam_open(folder.path("Desktop/" + sam_name).c_str(), "r");
  samFile* out = sam_open(folder.path("Desktop/" + bam_name).c_str(), "wb");
  sam_hdr_t* header = sam_hdr_read(in);
  bam1_t* read = bam_init1();
  EXPECT_EQ(sam_hdr_write(out, header), 0);
  while (sam_read1(in, header, read) >= 0) EXPECT_GE(sam_write1(out, header, read), 0);
  bam_destroy1(read);
  sam_hdr_destroy(header);
  EXPECT_EQ(sam_close(in), 0);
  EXPECT_EQ(sam_close(out), 0);
  return bam_name;
}

void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/run.sam", kSam);
  folder.write("Desktop/ref.fa", kFasta);
}

TEST(AlignmentCountsProgram, WritesTheResultsFileTheScannersRead) {
  struct Case {
    const char* what;
    std::string answers;
    std::string questions;
    std::string warnings;
  };
  const Case cases[] = {
      {"the answers in turn", "run.sam\nref.fa\nrun.txt\n0\n0\n", kQuestions, kMitochondriaWarning},
      {"answers are words, several on a line", "run.sam ref.fa run.txt 0 0", kQuestions, kMitochondriaWarning},
      {"a missing file or a folder brings a file question back, saying why",
       "none.sam vesmar run.sam none.fa ref.fa run.txt 0 0",
       kAlignment + kAlignment + kAlignment + kReference + kReference + kResults + kBaseQuality + kMappingQuality,
       "Alignment_counts: warning: cannot open Desktop/none.sam: No such file or directory; the question is asked "
       "again\n"
       "Alignment_counts: warning: cannot open Desktop/vesmar: Is a directory; the question is asked again\n"
       "Alignment_counts: warning: cannot open Desktop/none.fa: No such file or directory; the question is asked "
       "again\n" +
           kMitochondriaWarning},
      {"a quality below 0 is asked again", "run.sam ref.fa run.txt -1 0 -5 0",
       kAlignment + kReference + kResults + kBaseQuality + kBaseQuality + kMappingQuality + kMappingQuality,
       "Alignment_counts: warning: the answer -1 is below 0; the question is asked again\n"
       "Alignment_counts: warning: the answer -5 is below 0; the question is asked again\n" +
           kMitochondriaWarning},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    write_inputs(folder);
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_EQ(run.out, kBanner + c.questions + kProgress + "Done\n[PAUSE]\n");
    EXPECT_EQ(run.err, c.warnings);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(folder.read("Desktop/vesmar/Alignment_results/run.txt"), kResultsFile);
  }
}

TEST(AlignmentCountsProgram, ABamFileGivesWhatItsSamFileGives) {
  ScratchFolder folder;
  write_inputs(folder);
  const std::string bam = as_bam(folder, "run.sam");
  const ProgramRun run = testing::run_program(kBinary, folder, bam + " ref.fa run.txt 0 0\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(folder.read("Desktop/vesmar/Alignment_results/run.txt"), kResultsFile);

  // Cut short, it is a failure that leaves the older file.
  const std::string whole = folder.read("Desktop/" + bam);
  folder.write("Desktop/cut.bam", whole.substr(0, whole.size() - 28));
  const ProgramRun cut = testing::run_program(kBinary, folder, "cut.bam ref.fa run.txt 0 0\n");
  EXPECT_EQ(cut.status, 1);
  EXPECT_TRUE(cut.err.ends_with("Alignment_counts: Desktop/cut.bam lacks the block that ends every BAM file: it "
                                "is cut short\n"))
      << cut.err;
  EXPECT_EQ(folder.read("Desktop/vesmar/Alignment_results/run.txt"), kResultsFile);
}

std::string ended_before(const std::string& question) {
  return "Alignment_counts: standard input ended before the question \"" + question.substr(0, question.size() - 1) +
         "\" was answered\n";
}

// Failures: a message that names the file or the question, status 1, and no
// results file (an older one stays as it was).
TEST(AlignmentCountsProgram, FailsNamingTheFileOrTheQuestion) {
  struct Case {
    const char* what;
    std::string sam;
    std::string fasta;
    std::string answers;
    std::string error;
  };
  const std::string unsorted = kSamHeader +
                               "r1\t0\tchrI\t5\t60\t10M\t*\t0\t0\tACGTACGTAC\t*\n"
                               "r2\t0\tchrI\t1\t60\t10M\t*\t0\t0\tACGTACGTAC\t*\n";
  const std::string answers = "run.sam ref.fa run.txt 0 0\n";
  const Case cases[] = {
      {"no answer", kSam, kFasta, "", ended_before(kAlignment)},
      {"a quality that is no number", kSam, kFasta, "run.sam ref.fa run.txt high",
       "Alignment_counts: the answer to the question \"" + kBaseQuality.substr(0, kBaseQuality.size() - 1) +
           "\" is not a number\n"},
      {"reads out of order", unsorted, kFasta, answers,
       "Alignment_counts: Desktop/run.sam is not sorted by position: read r2 at chrI:1 comes after a read at "
       "chrI:5 (samtools sort makes a sorted copy)\n"},
      {"no alignment file", "this is no SAM file\n", kFasta, answers,
       "Alignment_counts: Desktop/run.sam is not an alignment file (BAM, CRAM or SAM): it reads as unknown text\n"},
      {"a damaged read", kSam + "r3\t0\tchrI\tx\n", kFasta, answers,
       "Alignment_counts: cannot read Desktop/run.sam on after 3 reads: the file is damaged or cut short\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/run.sam", c.sam);
    folder.write("Desktop/ref.fa", c.fasta);
    folder.write("Desktop/vesmar/Alignment_results/run.txt", "older\n");
    const ProgramRun run = testing::run_program(kBinary, folder, c.answers);
    EXPECT_TRUE(run.err.ends_with(c.error)) << run.err;
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find("[PAUSE]"), std::string::npos);
    EXPECT_EQ(folder.list("Desktop/vesmar/Alignment_results"), std::vector<std::string>{"run.txt"});
    EXPECT_EQ(folder.read("Desktop/vesmar/Alignment_results/run.txt"), "older\n");
  }
}

const testing::ProgramUnderTest kAlignmentCounts{kBinary, "Alignment_counts", write_inputs};

TEST(AlignmentCountsOptions, GiveTheDialoguesFileWithoutAsking) {
  testing::check_answers_match_dialogue(kAlignmentCounts, "run.sam\nref.fa\nrun.txt\n0\n0\n",
                                        {"--alignments", "run.sam", "--reference", "ref.fa", "--results", "run.txt"},
                                        {"Desktop/vesmar/Alignment_results/run.txt"});
  testing::check_answers_match_dialogue(kAlignmentCounts, "run.sam\nref.fa\nrun.txt\n41\n5\n",
                                        {"--alignments", "run.sam", "--reference", "ref.fa", "--results", "run.txt",
                                         "--min-mapping-quality=5", "--min-base-quality", "41"},
                                        {"Desktop/vesmar/Alignment_results/run.txt"});
}

// Many reads, so that the BAM file holds many compressed blocks for the
// threads to share: every position of chromosome I, forward and reverse,
// some with a mutant base.
std::string many_reads_sam() {
  std::string sam = kSamHeader;
  const std::string reference = "ACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGT";
  int name = 0;
  for (int start = 1; start <= 51; ++start) {
    for (int copy = 0; copy < 400; ++copy) {
      std::string bases = reference.substr(static_cast<std::size_t>(start - 1), 10);
      if ((copy + start) % 7 == 0) bases[4] = bases[4] == 'A' ? 'C' : 'A';
      sam += 'r';
      sam += std::to_string(name++);
      sam += copy % 2 ? "\t16\tchrI\t" : "\t0\tchrI\t";
      sam += std::to_string(start);
      sam += "\t60\t10M\t*\t0\t0\t";
      sam += bases;
      sam += '\t';
      sam.append("IIIIIIIIII\n");
    }
  }
  return sam;
}

TEST(AlignmentCountsOptions, AnyNumberOfThreadsWritesTheSameFile) {
  ScratchFolder folder;
  folder.write("Desktop/ref.fa", kFasta);
  folder.write("Desktop/many.sam", many_reads_sam());
  const std::string bam = as_bam(folder, "many.sam");
  // More than a megabyte of records, in some twenty blocks of 64 KiB.
  ASSERT_GT(folder.read("Desktop/" + bam).size(), 20000u);
  std::string first;
  for (const std::string& input : {std::string("many.sam"), bam}) {
    for (const char* threads : {"1", "2", "3", "0"}) {
      SCOPED_TRACE(input + " with --threads " + threads);
      const ProgramRun run = testing::run_program(
          kBinary, folder, "",
          {"--alignments", input, "--reference", "ref.fa", "--results", "many.txt", "--threads", threads});
      EXPECT_EQ(run.status, 0) << run.err;
      const std::string written = folder.read("Desktop/vesmar/Alignment_results/many.txt");
      if (first.empty()) first = written;
      EXPECT_EQ(written, first);
    }
  }
}

// The pool's threads decompress at a lower priority than the counting
// thread's, which stays the caller's.
TEST(AlignmentCountsOptions, ThePoolRunsBelowTheCallersPriorityAndLeavesTheCallersAlone) {
  ScratchFolder folder;
  folder.write("Desktop/many.sam", many_reads_sam());
  const std::string bam = as_bam(folder, "many.sam");
  const int before = getpriority(PRIO_PROCESS, 0);
  Result<AlignmentInput> input = AlignmentInput::open(folder.root() + "/Desktop/" + bam, "", 2);
  ASSERT_TRUE(input.ok()) << input.failure().message;
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before);
  // Linux's getpriority takes a thread's id for PRIO_PROCESS.
  int lowered = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    if (getpriority(PRIO_PROCESS, static_cast<id_t>(std::stoi(task.path().filename()))) > before) ++lowered;
  }
  EXPECT_GE(lowered, 2);
}

TEST(AlignmentCountsOptions, APathOfTheUsersOwnIsTakenAsItIs) {
  ScratchFolder folder;
  write_inputs(folder);
  // From the folder the program runs in, not the Desktop: glued to
  // Desktop/ these would name no file.
  const ProgramRun run = testing::run_program(
      kBinary, folder, "",
      {"--alignments", "./Desktop/run.sam", "--reference", folder.path("Desktop/ref.fa"), "--results",
       "../" + folder.root().substr(folder.root().rfind('/') + 1) + "/Desktop/own.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(folder.read("Desktop/own.txt"), kResultsFile);
  EXPECT_NE(run.err.find("the sequence MtDNA (1 read) of ./Desktop/run.sam"), std::string::npos) << run.err;
  // A bare name that holds a folder still lies on the Desktop.
  folder.write("Desktop/vesmar/run.sam", kSam);
  const ProgramRun bare = testing::run_program(
      kBinary, folder, "", {"--alignments", "vesmar/run.sam", "--reference", "ref.fa", "--results", "bare.txt"});
  EXPECT_EQ(bare.status, 0) << bare.err;
  EXPECT_EQ(folder.read("Desktop/vesmar/Alignment_results/bare.txt"), kResultsFile);
}

TEST(AlignmentCountsOptions, AWrongCommandLineIsAUsageError) {
  const std::vector<std::string> files = {"--alignments", "run.sam", "--reference", "ref.fa", "--results", "r.txt"};
  const auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> arguments = files;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  };
  testing::check_usage_errors(
      kAlignmentCounts,
      {
          {{"--min-base-quality", "20"},
           "--alignments, --reference and --results are missing: give every answer, or none to be asked"},
          {with({"--min-base-quality", "-1"}), "the value \"-1\" of --min-base-quality is below 0"},
          {with({"--min-mapping-quality", "high"}), "the value \"high\" of --min-mapping-quality is not a whole number"},
          {with({"--depth", "3"}), "unknown option \"--depth\""},
          {with({"--threads", "-2"}), "the value \"-2\" of --threads is below 0"},
          {with({"--threads", "two"}), "the value \"two\" of --threads is not a whole number"},
      });
}

TEST(AlignmentCountsOptions, HelpListsEveryOptionAndItsDefault) {
  ScratchFolder folder;
  const ProgramRun help = testing::run_program(kBinary, folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* part : {"--alignments NAME", "--reference NAME", "--results NAME",
                           "[--min-base-quality Q]", "[--threads N]", "least", "(default 0)", "-C DIR", "Read_me.md"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part << "\n" << help.out;
  }
  const ProgramRun version = testing::run_program(kBinary, folder, "", {"--version"});
  EXPECT_EQ(version.out, "Alignment_counts 1.0.0\n");
}

}  // namespace
}  // namespace vesmar
