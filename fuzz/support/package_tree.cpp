#include "fuzz/support/package_tree.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "fuzz/support/scratch.h"

namespace vesmar::fuzz {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOutputFolders[] = {
    "Desktop/vesmar/Sequence_reads",
    "Desktop/vesmar/Genome_sequences",
    "Desktop/vesmar/SNP_results",
    "Desktop/vesmar/Deletion_results",
};

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
  for (int a = 0; a < 4; ++a) {
    for (int b = 0; b < 4; ++b) {
      for (int c = 0; c < 4; ++c) text += std::string{bases[a], bases[b], bases[c]} + acids[i++] + "\n";
    }
  }
  return text;
}

// One record of an alignment results file.
std::string record(int wt_reads, int mut_reads, std::string_view read_window = "",
                   std::string_view reference_window = "") {
  std::string text = std::to_string(wt_reads) + "\n" + std::to_string(mut_reads) + "\n";
  if (mut_reads != 0) {
    text += std::string(read_window) + "\n" + std::string(reference_window) + "\n";
  }
  return text;
}

// Sixty genome positions: covered stretches, gaps of several lengths, single
// and adjacent mutant positions, hits at the first and at the thirteenth
// window column.
std::string alignment_results() {
  const std::string reference = "acgtacgtacgtaacgtacgtacgt";
  const std::string at_thirteenth = "acgtacgtacgtgacgtacgtacgt";
  const std::string at_first = "tcgtacgtacgtaacgtacgtacgt";
  std::string text;
  for (int position = 1; position <= 60; ++position) {
    switch (position % 12) {
      case 0:
        text += record(0, 0);
        break;
      case 1:
        text += record(0, 3, at_first, reference);
        break;
      case 2:
        text += record(1, 4, at_thirteenth, reference);
        break;
      case 3:
        text += record(0, 0);
        break;
      case 4:
        text += record(0, 0);
        break;
      case 5:
        text += record(0, 2, at_thirteenth, reference);
        break;
      case 6:
        text += record(9, 1, at_first, reference);
        break;
      case 7:
        text += record(3, 0);
        break;
      case 8:
        text += record(0, 1, at_thirteenth, reference);
        break;
      case 9:
        text += record(0, 1, at_first, reference);
        break;
      default:
        text += record(5, 0);
        break;
    }
  }
  return text;
}

void write(std::string_view relative, std::string_view content) {
  write_file(scratch_path(relative), content);
}

}  // namespace

void enter_package_tree() {
  const std::string& root = scratch_root();
  for (const char* folder : {"Alignment_results", "Feature_locations"}) {
    fs::create_directories(root + "/Desktop/vesmar/" + folder);
  }
  for (const char* folder : kOutputFolders) fs::create_directories(root + "/" + folder);

  write("Desktop/vesmar/Alignment_results/run1.txt", alignment_results());
  write("Desktop/vesmar/Alignment_results/short.txt", "0\n0\n2\n3\nacg\nact\n0\n5\n\n\n7\n");
  write("Desktop/vesmar/Alignment_results/crlf.txt",
        "0\r\n0\r\n1\r\n4\r\nacgtacgtacgtg\r\nacgtacgtacgta\r\n");
  write("Desktop/vesmar/Alignment_results/empty.txt", "");

  // Exons on both strands, overlapping, with neighbours for split codons, a
  // chromosome with no offset and a strand that is neither 1 nor -1.
  write("Desktop/vesmar/Feature_locations/cexons.txt",
        "gene1.exon1\n0\n9\nI\n1\n"
        "gene1.exon2\n14\n20\nI\n1\n"
        "gene2.exon1\n18\n30\nII\n-1\n"
        "gene2.exon2\n33\n40\nY\n-1\n"
        "odd\n44\n47\nX\n0\n"
        "gene3.exon7\n50\n52\nIII\n1\n");
  write("Desktop/vesmar/Feature_locations/exon_sequences.txt",
        "gene1.exon1\nacgtacgtac\ngene1.exon2\nggatcca\ngene2.exon1\ntttacccgggaaa\n"
        "gene2.exon2\ncatgcatg\ngene3.exon7\nag\ngene3.exon6\nc\n");
  write("Desktop/vesmar/Feature_locations/exon_frames.txt",
        "gene1.exon1\n0\n1\n1\ngene1.exon2\n1\n0\n3\ngene2.exon1\n2\n1\n2\n"
        "gene2.exon2\n0\n0\n1\ngene3.exon7\n0\n0\n2\n");
  write("Desktop/vesmar/Feature_locations/genetic_code.txt", genetic_code());
  write("Desktop/vesmar/Feature_locations/cintrons.txt",
        "gene1.intron1\n9\n14\nI\n1\ngene2.intron1\n30\n33\nII\n-1\n");
  write("Desktop/vesmar/Feature_locations/cintergenic.txt", "far\n-5\n2000\nV\n1\ncut\n3000");

  write("Desktop/reads.gseq",
        "a b c d e f g h ACGTACGT.NACGTACGTACGTACGTACGTACGTACGT j 1\n"
        "a b c d e f g h TTTT j 0\n"
        " a b c d e f g h GGGG j 1\n"
        "a\tb c d e f g h CCCC j 1.0\r\n");
  write("Desktop/reads.fastq",
        "@r1\nACGT.ACGT\n+\nIIIIIIIII\n@r2\nacgtACGTacgtACGTacgtACGTacgtACGTacgt\n+\n");
  write("Desktop/reads.fa", ">r1\nACGTN.acgt\n\nTT>TT\nGGGGCCCC\r\n");
  write("Desktop/chrI.fa", ">chrI\nACGT\nAC\n");
  write("Desktop/chrII.fa", ">chrII\r\nTTTT\r\n\n");
  write("Desktop/both.fa", "ACG\n>chrI\nACGT\nAC\n>chrII\n>again\nTTTT\n>");

  if (::chdir(root.c_str()) != 0) {
    std::perror("chdir");
    std::abort();
  }
}

bool answers_stay_in_tree(std::string_view answers) { return answers.find("..") == std::string_view::npos; }

std::vector<std::string> output_entries() {
  std::vector<std::string> entries;
  for (const char* folder : kOutputFolders) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      entries.push_back(std::string(folder) + "/" + entry.path().filename().string());
    }
  }
  return entries;
}

void clear_output_folders() {
  for (const char* folder : kOutputFolders) {
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
  }
}

}  // namespace vesmar::fuzz
