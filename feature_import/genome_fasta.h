#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"

namespace vesmar {

// The chromosomes of the genome FASTA files, as Chromosome_join joins them:
// one file per chromosome or one file holding them all, a record per header
// line (a line with ">" in it), named by the first word after its ">". A
// sequence line's every character is a base of the chromosome (a carriage
// return at its end aside), since the joiner writes it as it stands; the
// bases are kept in lowercase, the letters of the exon tables.
struct GenomeChromosome {
  std::string name;
  std::string bases;
  std::string source;  // the file it came from
};

// Reads the files in turn, every chromosome in file order. A file that
// cannot be read, a line of sequence before the first header, and a file
// with no chromosome fail, naming the file (and line).
Result<std::vector<GenomeChromosome>> read_genome_fasta(const std::vector<std::string>& paths);

}  // namespace vesmar
