#pragma once

#include <string>

#include "engine/failure.h"

namespace vesmar::example {

// Writes the example under `home`, the folder that holds the Desktop:
//   Desktop/chrI.fa                          chromosome I in FASTA
//   Desktop/lane1_gseq.txt, lane2_gseq.txt   the reads in gseq
//   Desktop/lane1.fastq, lane2.fastq         the same reads in FASTQ
//   Desktop/lane1.fasta, lane2.fasta         and in FASTA
//   Desktop/Anna_run1.sam                    their true alignments, as another
//                                            aligner would write them
//   Desktop/vesmar/<its six folders>/
//   Desktop/vesmar/Alignment_results/Anna_run1.txt
//   Desktop/vesmar/Feature_locations/<the six feature location files>
//   planted_changes.txt                      what was planted, as a key
//   Desktop/Bea_R1.fastq, Bea_R2.fastq       the batch beside Anna (example_batch.h):
//   Desktop/Parent.fastq                     a second mutant's paired reads and
//   batch_changes.txt                        the parent's, and their key
// Fails naming a file that cannot be written.
Status write_example(const std::string& home);

}  // namespace vesmar::example
