// The bundled example, end to end: the main job run on it with all four
// programs gives the reports, VCF and BED files kept in examples/expected/
// (the user guide's worked example quotes them), and its files agree with
// one another.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/text_lines.h"
#include "examples/example_files.h"
#include "examples/example_genome.h"

namespace vesmar {
namespace {

using testing::lines_of;
using testing::ProgramRun;
using testing::ScratchFolder;

std::string expected(const std::string& name) {
  std::ifstream file(std::string(EXAMPLE_EXPECTED_FOLDER) + "/" + name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

class Example : public ::testing::Test {
 protected:
  void SetUp() override {
    const Status written = example::write_example(folder.root());
    ASSERT_TRUE(written.ok()) << written.failure().message;
  }

  ProgramRun run(const std::string& binary, const std::string& answers) {
    ProgramRun result = testing::run_program(binary, folder, answers);
    EXPECT_EQ(result.err, "") << binary << " with " << answers;
    EXPECT_EQ(result.status, 0) << binary << " with " << answers;
    return result;
  }

  ScratchFolder folder;
};

TEST_F(Example, TheMainJobGivesTheExpectedReports) {
  run(CHROMOSOME_JOIN_BINARY, "m\n1\nchrI.fa\ngenome_I.txt\n");
  run(READS_IMPORTER_BINARY, "Anna\nfastq\n2\nlane1.fastq\nlane2.fastq\n");
  for (const char* mode : {"e", "i", "n"}) {
    run(POINT_SCAN_BINARY, std::string("3 2 Anna Anna_run1.txt ") + mode + "\n");
    run(GAP_REGION_SCAN_BINARY, std::string(mode) + "\nAnna\nAnna_run1.txt\n");
  }
  for (const char* report : {"Anna_snp_cexons.txt", "Anna_snp_cintrons.txt", "Anna_snp_cintergenic.txt",
                             "Anna_snp_cexons.vcf", "Anna_snp_cintrons.vcf", "Anna_snp_cintergenic.vcf"}) {
    SCOPED_TRACE(report);
    EXPECT_EQ(folder.read(std::string("Desktop/vesmar/SNP_results/") + report), expected(report));
  }
  for (const char* report : {"Anna_del_cexons.txt", "Anna_del_cintrons.txt", "Anna_del_cintergenic.txt",
                             "Anna_del_cexons.bed", "Anna_del_cintrons.bed", "Anna_del_cintergenic.bed"}) {
    SCOPED_TRACE(report);
    EXPECT_EQ(folder.read(std::string("Desktop/vesmar/Deletion_results/") + report), expected(report));
  }
}

TEST_F(Example, TheGenomeSequenceFileIsChromosomeIPaddedToAMultipleOf50) {
  run(CHROMOSOME_JOIN_BINARY, "m\n1\nchrI.fa\ngenome_I.txt\n");
  const std::string fasta = folder.read("Desktop/chrI.fa");
  ASSERT_TRUE(fasta.starts_with(">I\n"));
  EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome_I.txt"),
            fasta.substr(3) + std::string(50, 'g'));
}

TEST_F(Example, TheThreeReadFormatsGiveTheSameReadsFile) {
  run(READS_IMPORTER_BINARY, "fastq\nfastq\n2\nlane1.fastq\nlane2.fastq\n");
  run(READS_IMPORTER_BINARY, "gseq\ngseq\n2\nlane1_gseq.txt\nlane2_gseq.txt\n");
  run(READS_IMPORTER_BINARY, "fasta\nfasta\n2\nlane1.fasta\nlane2.fasta\n");
  const std::string reads = folder.read("Desktop/vesmar/Sequence_reads/fastq_reads.txt");
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/gseq_reads.txt"), reads);
  EXPECT_EQ(folder.read("Desktop/vesmar/Sequence_reads/fasta_reads.txt"), reads);
  const std::vector<std::string> lines = lines_of(reads);
  EXPECT_EQ(lines.size(), 3997u);
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 32u) << line;
    ASSERT_EQ(line.find_first_not_of("acgtn"), std::string::npos) << line;
  }
}

// As the aligner writes it: a record for every position of the genome
// sequence file, windows of 25 bases drawn from the genome, the changed base
// in column 12, or in column 0 exactly when the windows' first bases differ.
TEST_F(Example, TheAlignmentResultsFileFitsTheGenome) {
  run(CHROMOSOME_JOIN_BINARY, "m\n1\nchrI.fa\ngenome_I.txt\n");
  std::string genome;
  for (const std::string& line : lines_of(folder.read("Desktop/vesmar/Genome_sequences/genome_I.txt")))
    genome += line;
  ASSERT_EQ(genome.size(), static_cast<std::size_t>(example::kGenomeLength));

  const std::vector<std::string> lines =
      lines_of(folder.read("Desktop/vesmar/Alignment_results/Anna_run1.txt"));
  std::size_t at = 0;
  int position = 0;
  while (at < lines.size()) {
    ++position;
    ASSERT_LE(at + 2, lines.size());
    const int mut_reads = std::stoi(lines[at + 1]);
    at += 2;
    if (mut_reads == 0) continue;
    ASSERT_LE(at + 2, lines.size());
    const std::string& read_window = lines[at];
    const std::string& reference_window = lines[at + 1];
    at += 2;
    ASSERT_EQ(read_window.size(), 25u);
    ASSERT_EQ(reference_window.size(), 25u);
    const bool at_first_column = read_window[0] != reference_window[0];
    const int first = at_first_column ? position : position - 12;
    EXPECT_EQ(reference_window, genome.substr(static_cast<std::size_t>(first - 1), 25)) << position;
    EXPECT_NE(read_window[static_cast<std::size_t>(position - first)],
              reference_window[static_cast<std::size_t>(position - first)])
        << position;
  }
  EXPECT_EQ(position, example::kGenomeLength);
}

}  // namespace
}  // namespace vesmar
