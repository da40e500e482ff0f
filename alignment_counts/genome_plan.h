#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// A reference sequence as an alignment file's header names it (@SQ).
struct SequenceHeader {
  std::string name;
  std::int64_t length = 0;
};

// One of the genome's chromosomes that the alignment file names, and where
// it lies in the alignment results file.
struct PlannedChromosome {
  std::size_t genome_index = 0;  // into the layout's chromosomes
  std::string name;              // as the header spells it
  std::int64_t length = 0;
  std::int64_t offset = 0;  // genome positions before its first base
  std::string genome_name;  // the layout's name

  // The genome position of its last padding base.
  std::int64_t padded_end() const;
};

// How the alignment file's sequences become the alignment results file: the
// chromosomes it names, in genome order, which is also their order in the
// header (a file sorted by position holds its reads in that order, and the
// results file is written as they come). Every other sequence is left out.
struct GenomePlan {
  std::vector<PlannedChromosome> chromosomes;
  // For each sequence of the header: its index in `chromosomes`, or -1 for
  // a sequence that is none of the genome's chromosomes.
  std::vector<int> chromosome_of_target;
  // The end of the genome where the layout knows it (a layout file); 0 with
  // the built-in layout.
  std::int64_t genome_end = 0;

  // Where the results file ends: the genome's end, or without a known one
  // the padded end of the last chromosome.
  std::int64_t end() const { return genome_end > 0 ? genome_end : chromosomes.back().padded_end(); }
};

// The plan for the header `sequences` of the alignment file at `path`, its
// names matched to the layout's chromosomes by find_chromosome. Fails,
// naming the file, when the header names none of the layout's chromosomes,
// one of them twice, or two of them out of genome order; and, for a layout
// file, a chromosome of another length than the layout's (naming both), for
// the built-in layout one longer than the room before the next one's offset
// (the genome position of the end of chromosome X must stay a 32-bit
// number).
Result<GenomePlan> plan_genome(std::span<const SequenceHeader> sequences, std::string_view path,
                               const ChromosomeLayout& layout);

// The greatest length a chromosome of the built-in layout may have at
// genome_index: its padding must end by the next chromosome's offset.
std::int64_t longest_chromosome(std::size_t genome_index);

}  // namespace vesmar
