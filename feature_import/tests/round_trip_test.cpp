// The round trip: the bundled example's and the benchmark's generated
// packages, their exons written as a GFF3 annotation by this test from their
// own feature location files, give Feature_import the same exons, frames,
// sequences and introns back.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/text_lines.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kFolder = "Desktop/vesmar/Feature_locations/";

struct Chromosome {
  std::string name;
  std::int64_t offset = 0;
  std::int64_t length = 0;
};

// The chromosomes of a FASTA file and where the joiner puts them.
std::vector<Chromosome> chromosomes_of(const std::string& fasta) {
  std::vector<Chromosome> chromosomes;
  for (const std::string& line : testing::lines_of(fasta)) {
    if (line.starts_with(">")) {
      const std::int64_t offset =
          chromosomes.empty() ? 0 : chromosomes.back().offset + chromosomes.back().length + 50 - chromosomes.back().length % 50;
      chromosomes.push_back({line.substr(1, line.find(' ') == std::string::npos ? std::string::npos : line.find(' ') - 1),
                             offset, 0});
    } else {
      chromosomes.back().length += static_cast<std::int64_t>(line.size());
    }
  }
  return chromosomes;
}

// A GFF3 annotation of the exons that the region and frame files describe:
// one gene and mRNA per transcript name (the exon name before ".exon"), an
// exon line per exon and a CDS line for its coding part, with the phase
// that its start frame gives.
std::string annotation_of(const std::string& exons_file, const std::string& frames_file,
                          const std::vector<Chromosome>& chromosomes) {
  const std::vector<std::string> regions = testing::lines_of(exons_file);
  const std::vector<std::string> frames = testing::lines_of(frames_file);
  std::map<std::string, std::vector<int>> frame_of;
  for (std::size_t i = 0; i + 3 < frames.size(); i += 4) {
    frame_of[frames[i]] = {std::stoi(frames[i + 1]), std::stoi(frames[i + 2]), std::stoi(frames[i + 3])};
  }
  std::string gff = "##gff-version 3\n";
  std::map<std::string, bool> written;
  for (std::size_t i = 0; i + 4 < regions.size() + 1; i += 5) {
    const std::string& name = regions[i];
    const std::string transcript = name.substr(0, name.find(".exon"));
    const std::string& chromosome = regions[i + 3];
    std::int64_t offset = 0;
    for (const Chromosome& c : chromosomes) {
      if (c.name == chromosome) offset = c.offset;
    }
    const std::int64_t first = std::stoll(regions[i + 1]) + 1 - offset;
    const std::int64_t last = std::stoll(regions[i + 2]) + 1 - offset;
    const bool forward = regions[i + 4] == "1";
    const std::string columns = chromosome + "\ttest\t";
    const std::string strand = forward ? "\t.\t+\t" : "\t.\t-\t";
    if (!written[transcript]) {
      written[transcript] = true;
      gff += columns + "gene\t1\t1" + strand + ".\tID=gene:" + transcript + "\n";
      gff += columns + "mRNA\t1\t1" + strand + ".\tID=transcript:" + transcript + ";Parent=gene:" + transcript + "\n";
    }
    const auto range = [](std::int64_t a, std::int64_t b) { return std::to_string(a) + "\t" + std::to_string(b); };
    gff += columns + "exon\t" + range(first, last) + strand + ".\tParent=transcript:" + transcript + "\n";
    const std::vector<int>& frame = frame_of[name];
    if (frame[0] + frame[1] < last - first + 1) {
      const std::int64_t low = forward ? first + frame[0] : first + frame[1];
      const std::int64_t high = forward ? last - frame[1] : last - frame[0];
      gff += columns + "CDS\t" + range(low, high) + strand + std::to_string((4 - frame[2]) % 3) +
             "\tID=cds:" + transcript + ";Parent=transcript:" + transcript + "\n";
    }
  }
  return gff;
}

void check_round_trip(const std::string& generator, const std::vector<std::string>& generator_arguments,
                      const std::string& fasta) {
  ScratchFolder folder;
  std::string command = generator;
  for (const std::string& argument : generator_arguments) command += " " + argument;
  command += " " + folder.root() + " > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::map<std::string, std::string> generated;
  for (const char* file : {"cexons.txt", "cintrons.txt", "exon_frames.txt", "exon_sequences.txt"}) {
    generated[file] = folder.read(kFolder + file);
  }
  folder.write("Desktop/genes.gff3", annotation_of(generated["cexons.txt"], generated["exon_frames.txt"],
                                                   chromosomes_of(folder.read("Desktop/" + fasta))));
  const ProgramRun run =
      testing::run_program(FEATURE_IMPORT_BINARY, folder, "", {"--annotation", "genes.gff3", "--fasta", fasta});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const auto& [file, text] : generated) EXPECT_TRUE(folder.read(kFolder + file) == text) << file;
}

TEST(FeatureImportRoundTrip, TheExamplePackageComesBack) {
  check_round_trip(EXAMPLE_PACKAGE_BINARY, {}, "chrI.fa");
}

TEST(FeatureImportRoundTrip, TheBenchmarkPackageComesBack) {
  check_round_trip(BENCH_GENERATE_BINARY, {"--scale", "small", "--seed", "3", "--out"}, "reference.fa");
}

}  // namespace
}  // namespace vesmar
