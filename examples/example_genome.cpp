#include "examples/example_genome.h"

#include <algorithm>

#include "genome/bases.h"

namespace vesmar::example {

namespace {

// A gene as the example lays it out. Exons are in transcript order, so on
// the reverse strand from the high genome end down.
struct GeneModel {
  std::string name;
  bool reverse;
  std::vector<Span> exons;
  int five_prime_utr;   // bases of the first exon before the start codon
  int three_prime_utr;  // bases of the last exon after the stop codon
  // Codons set on purpose (codon index from the start codon), so that the
  // planted changes have a known effect.
  std::map<int, std::string> chosen_codons;
};

const std::vector<GeneModel>& gene_models() {
  static const std::vector<GeneModel> genes = {
      // gga (Gly) at 447 for a missense change; tgg (Trp) split over the
      // boundary of exons 1 and 2, its last base at 701, for a stop codon;
      // gct (Ala) at 1050 for a heterozygous change.
      {"ves-1",
       false,
       {{401, 520}, {701, 835}, {1001, 1190}},
       31,
       45,
       {{5, "gga"}, {29, "tgg"}, {91, "gct"}}},
      // cag (Gln), whose c is the g at genome position 1910, for a stop codon
      // on the reverse strand.
      {"ves-2", true, {{1801, 1960}, {1501, 1640}}, 20, 37, {{10, "cag"}}},
  };
  return genes;
}

bool is_stop(const std::string& codon) { return codon == "taa" || codon == "tag" || codon == "tga"; }

char random_base(RandomStream& random) {
  // A genome rich in a and t, as many are.
  const int roll = random.below(100);
  return roll < 18 ? 'g' : roll < 36 ? 'c' : roll < 68 ? 'a' : 't';
}

std::string random_bases(RandomStream& random, int count) {
  std::string bases;
  for (int i = 0; i < count; ++i) bases += random_base(random);
  return bases;
}

// The genome positions of a gene's exons in transcript order.
std::vector<int> transcript_positions(const GeneModel& gene) {
  std::vector<int> positions;
  for (const Span& exon : gene.exons) {
    for (int i = 0; i < exon.length(); ++i)
      positions.push_back(gene.reverse ? exon.last - i : exon.first + i);
  }
  return positions;
}

// `coding_length` is a multiple of 3.
std::string coding_sequence(const GeneModel& gene, int coding_length, RandomStream& random) {
  const int codons = coding_length / 3;
  std::string coding;
  for (int index = 0; index < codons; ++index) {
    std::string codon;
    if (auto chosen = gene.chosen_codons.find(index); chosen != gene.chosen_codons.end()) {
      codon = chosen->second;
    } else if (index == 0) {
      codon = "atg";
    } else if (index == codons - 1) {
      codon = "taa";
    } else {
      do codon = random_bases(random, 3);
      while (is_stop(codon));
    }
    coding += codon;
  }
  return coding;
}

// Writes a base given in transcript orientation at a genome position.
void put(ReferenceGenome& reference, const GeneModel& gene, int position, char base) {
  reference.chromosome[static_cast<std::size_t>(position - 1)] = gene.reverse ? complement(base) : base;
}

Status place_gene(ReferenceGenome& reference, const GeneModel& gene, RandomStream& random) {
  const std::vector<int> positions = transcript_positions(gene);
  const int length = static_cast<int>(positions.size());
  const int coding_begin = gene.five_prime_utr;
  const int coding_end = length - gene.three_prime_utr;
  if ((coding_end - coding_begin) % 3 != 0) {
    return Failure{gene.name + ": coding length is not a multiple of 3"};
  }
  // The three parts are drawn one after another, the last one first, as the
  // example has always drawn them: drawn within one expression, their order
  // would be up to the compiler.
  const std::string three_prime_utr = random_bases(random, gene.three_prime_utr);
  const std::string coding = coding_sequence(gene, coding_end - coding_begin, random);
  const std::string five_prime_utr = random_bases(random, coding_begin);
  const std::string transcript = five_prime_utr + coding + three_prime_utr;
  for (int t = 0; t < length; ++t)
    put(reference, gene, positions[static_cast<std::size_t>(t)], transcript[static_cast<std::size_t>(t)]);

  int offset = 0;
  for (std::size_t k = 0; k < gene.exons.size(); ++k) {
    const Span exon = gene.exons[k];
    const std::string name = exon_name(gene.name, k + 1);
    reference.exons.push_back({name, exon, gene.reverse});
    reference.exon_sequences.push_back(
        {name, transcript.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(exon.length()))});
    ExonFrame frame;
    const int exon_end = offset + exon.length();
    frame.five_prime_skip = std::clamp(coding_begin - offset, 0, exon.length());
    frame.three_prime_skip = std::clamp(exon_end - coding_end, 0, exon.length());
    frame.start_frame = (std::max(offset, coding_begin) - coding_begin) % 3 + 1;
    reference.exon_frames.push_back({name, frame});
    offset = exon_end;

    if (k + 1 < gene.exons.size()) {
      // The intron after this exon, in transcript order: gt ... ag.
      const Span next = gene.exons[k + 1];
      const Span intron =
          gene.reverse ? Span{next.last + 1, exon.first - 1} : Span{exon.last + 1, next.first - 1};
      const int start = gene.reverse ? intron.last : intron.first;
      const int step = gene.reverse ? -1 : 1;
      const int end = gene.reverse ? intron.first : intron.last;
      put(reference, gene, start, 'g');
      put(reference, gene, start + step, 't');
      put(reference, gene, end - step, 'a');
      put(reference, gene, end, 'g');
    }
  }
  return {};
}

// The gene as the region files see it: one transcript, its exons in
// region coordinates (genome positions less 1).
TranscriptExons transcript_of(const GeneModel& gene) {
  TranscriptExons transcript{gene.name, kChromosomeName, !gene.reverse, {}, {}};
  for (const Span& exon : gene.exons) {
    transcript.exons.push_back({region_coordinate(exon.first), region_coordinate(exon.last)});
  }
  return transcript;
}

}  // namespace

Result<ReferenceGenome> build_reference(RandomStream& random, const FixedBases& fixed) {
  ReferenceGenome reference;
  reference.chromosome = random_bases(random, kChromosomeLength);
  for (const GeneModel& gene : gene_models()) {
    if (Status placed = place_gene(reference, gene, random); !placed.ok()) return placed.failure();
    reference.transcripts.push_back(transcript_of(gene));
  }
  for (const auto& [position, base] : fixed) {
    char& at = reference.chromosome[static_cast<std::size_t>(position - 1)];
    for (const NamedRegion& exon : reference.exons) {
      if (exon.span.contains(position) && at != base) {
        return Failure{"the base at " + std::to_string(position) + " is set by a gene, not " + base};
      }
    }
    at = base;
  }
  return reference;
}

}  // namespace vesmar::example
