// Runs the built Reads_importer on gzip-compressed read files in the three
// formats, as sequencing facilities deliver them.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/gzip_member.h"

namespace vesmar {
namespace {

using testing::gzip_member;
using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = READS_IMPORTER_BINARY;
const std::string kReadsFile = "Desktop/vesmar/Sequence_reads/ann_reads.txt";

const std::string kFastq = "@a1\nACGTACGTACGTACGTACGTACGTACGTACGTACGT\n+\nIIII\n@a2\nTT.GA\n+\nIIII\n";
const std::string kFastqReads = "acgtacgtacgtacgtacgtacgtacgtacgt\nttnga\n";
const std::string kFasta = ">r1\nACGTN\n>r2\nGG.A\n";
const std::string kFastaReads = "acgtn\nggna\n";
const std::string kGseq =
    "HWI\t4\t1\t1\t1012\t1993\t0\t1\tACGT.NACGT\tBBBB\t1\n"
    "HWI\t4\t1\t1\t1013\t1994\t0\t1\tTTTTTTTT\tBBBB\t0\n";
const std::string kGseqReads = "acgtnnacgt\n";

// The output of a run that converts the files named, in order.
std::string run_output(const std::vector<std::string>& names) {
  std::string out =
      "[clear]\n"
      "\t\t Reads_importer\n"
      "\t\t --------------\n\n"
      "This program converts three common Solexa output files (gseq, Fastq,\n"
      "or Fasta) to an output file compatible with the vesmar program.  For\n"
      "details on each output format, see the Read_me file.\n\n"
      "Output of this program is a file called 'yourname_reads.txt' located\n"
      "in the 'Sequence_reads' folder in the 'vesmar' folder.\n\n"
      "To begin, please place the file to be converted on the Desktop.\n\n"
      "Your first name: Input file format (gseq, fastq, fasta): How many sequence read files do you have? ";
  for (std::size_t i = 0; i < names.size(); ++i)
    out += "Input file name number " + std::to_string(i + 1) + ": ";
  for (const std::string& name : names) out += "Reading Desktop/" + name + "\n";
  return out + "Done.\n";
}

std::string answers(const std::string& format, const std::vector<std::string>& names) {
  std::string text = "ann\n" + format + "\n" + std::to_string(names.size()) + "\n";
  for (const std::string& name : names) text += name + "\n";
  return text;
}

struct Case {
  const char* what;
  std::string format;
  std::vector<std::pair<std::string, std::string>> desktop;  // file name, bytes; converted in this order
  std::string reads;
};

TEST(GzipImportRun, CompressedFilesConvertAsTheirTextWouldInEveryFormat) {
  const Case cases[] = {
      {"fastq, one member", "fastq", {{"lane1.fastq.gz", gzip_member(kFastq)}}, kFastqReads},
      {"fasta, one member", "fasta", {{"lane1.fa.gz", gzip_member(kFasta)}}, kFastaReads},
      {"gseq, one member", "gseq", {{"s_1_gseq.txt.gz", gzip_member(kGseq)}}, kGseqReads},
      {"fastq, members split inside a record",
       "fastq",
       {{"lane1.fastq.gz", gzip_member(kFastq.substr(0, 20)) + gzip_member(kFastq.substr(20))}},
       kFastqReads},
      {"a compressed file and a plain one",
       "fasta",
       {{"a.fa.gz", gzip_member(kFasta)}, {"b.fa", kFasta}},
       kFastaReads + kFastaReads},
      {"a plain file named .gz", "fasta", {{"plain.fa.gz", kFasta}}, kFastaReads},
      {"no compression suffix", "fastq", {{"lane1.fastq", gzip_member(kFastq)}}, kFastqReads},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    std::vector<std::string> names;
    for (const auto& [name, bytes] : c.desktop) {
      folder.write("Desktop/" + name, bytes);
      names.push_back(name);
    }
    const ProgramRun run = testing::run_program(kBinary, folder, answers(c.format, names));
    EXPECT_EQ(run.out, run_output(names));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(folder.read(kReadsFile), c.reads);
  }
}

}  // namespace
}  // namespace vesmar
