#pragma once

#include <cstdint>
#include <string>

#include "bench/bench_scale.h"
#include "engine/failure.h"

namespace vesmar::bench {

struct GeneratorSettings {
  BenchScale scale;
  std::uint64_t seed = 1;
  bool stress = false;
  // Only the alignment results file and the feature location files: what a
  // strain of the ranking benchmark needs, without the reads, chromosome
  // files and BAM that take most of a genome-scale package's time and room.
  bool results_only = false;
  std::string folder;  // the working folder that gets Desktop/
  // Set for "--help" and "--version": the text to print instead of
  // generating anything.
  std::string early_text;
};

// Raised whenever the generator writes different files for the same
// settings, so that a folder written by an older generator is generated anew.
inline constexpr int kGeneratorVersion = 4;

// File names inside the generated folder.
inline constexpr std::string_view kAlignmentFileName = "alignment.txt";
inline constexpr std::string_view kStressAlignmentFileName = "stress_alignment.txt";
inline constexpr std::string_view kStressFolderName = "stress_regions";
inline constexpr std::string_view kManifestName = "manifest.txt";

// Writes a whole package folder under `settings.folder`:
//   Desktop/chrI.fa ... chrX.fa, genome.fa     chromosome FASTA files
//   Desktop/reference.fa                       the genome of the alignment results
//   Desktop/alignments.bam                     true alignments of reads at the
//                                              alignment results' coverage
//   Desktop/reads.fastq (2 GiB at the genome scale), reads_short.fastq (a
//     64th of it), reads.gseq, reads.fasta     Solexa read files
//   Desktop/vesmar/Alignment_results/alignment.txt
//   Desktop/vesmar/Feature_locations/          the six feature location files
//   Desktop/vesmar/{Sequence_reads,Genome_sequences,SNP_results,Deletion_results}/
// and with `stress`:
//   Desktop/vesmar/Alignment_results/stress_alignment.txt (about ten million
//     hits at the genome scale)
//   stress_regions/Desktop/vesmar/, a second working folder whose
//     cintergenic.txt holds a million regions, with the stress alignment file
//     linked in.
// manifest.txt, written last, lists the settings and what each file holds;
// its text is returned. A folder whose manifest is missing is incomplete.
Result<std::string> generate_package(const GeneratorSettings& settings);

}  // namespace vesmar::bench
