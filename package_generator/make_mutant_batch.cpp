// Writes a generated mapping batch (package_generator/mutant_batch.h): the
// feature location files and the alignment results of a parent and four
// mutants, and lists the planted causes on standard output.

#include <iostream>
#include <string>
#include <string_view>

#include "package_generator/mutant_batch.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::string_view(argv[1]) == "--help") {
    std::cerr << "usage: vesmar_mutant_batch FOLDER [SEED]\n"
                 "Writes the batch into FOLDER (the folder that then holds Desktop/): parent.txt and\n"
                 "m1.txt to m4.txt in Alignment_results/, and prints each mutant's planted cause.\n";
    return argc == 2 ? 0 : 2;
  }
  const std::uint64_t seed = argc == 3 ? std::stoull(argv[2]) : 23;
  const vesmar::generator::MutantBatch batch = vesmar::generator::make_mutant_batch({}, seed);
  const vesmar::Status written = vesmar::generator::write_mutant_batch(argv[1], batch);
  if (!written.ok()) return vesmar::report_failure("vesmar_mutant_batch", written.failure());
  for (const vesmar::generator::PlantedCause& cause : batch.causes) {
    std::cout << cause.strain << "\tI\t" << cause.first << "\t" << cause.last << "\t"
              << (cause.uncovered ? "uncovered" : "snp") << "\t" << cause.gene << "\n";
  }
  return 0;
}
