#include "bench/feature_files.h"

#include <memory>

#include "common/output_file.h"

namespace vesmar::bench {

namespace {

Result<std::unique_ptr<OutputFile>> create_file(const std::string& path) {
  return OutputFile::create(path, OutputFile::Mode::Replace);
}

void write_line(OutputFile& file, std::string_view text) {
  file.write(text);
  file.put('\n');
}

Status write_exon_sequences(const std::string& path, const Reference& reference,
                            const std::vector<Gene>& genes) {
  Result<std::unique_ptr<OutputFile>> created = create_file(path);
  if (!created.ok()) return created.failure();
  OutputFile& file = *created.value();
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      write_line(file, exon_name(gene, exon));
      write_line(file, exon_sequence(exon, gene.forward, reference));
    }
  }
  return file.commit();
}

Status write_exon_frames(const std::string& path, const std::vector<Gene>& genes) {
  Result<std::unique_ptr<OutputFile>> created = create_file(path);
  if (!created.ok()) return created.failure();
  OutputFile& file = *created.value();
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      write_line(file, exon_name(gene, exon));
      write_line(file, std::to_string(exon.five_prime_skip));
      write_line(file, std::to_string(exon.three_prime_skip));
      write_line(file, std::to_string(exon.start_frame));
    }
  }
  return file.commit();
}

Status write_genetic_code(const std::string& path) {
  Result<std::unique_ptr<OutputFile>> created = create_file(path);
  if (!created.ok()) return created.failure();
  created.value()->write(genetic_code_text());
  return created.value()->commit();
}

}  // namespace

Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions) {
  Result<std::unique_ptr<OutputFile>> created = create_file(path);
  if (!created.ok()) return created.failure();
  OutputFile& file = *created.value();
  for (const RegionRecord& region : regions) {
    write_line(file, region.name);
    write_line(file, std::to_string(region.start));
    write_line(file, std::to_string(region.end));
    write_line(file, region.chromosome);
    write_line(file, region.forward ? "1" : "-1");
  }
  return file.commit();
}

std::string exon_sequence(const Exon& exon, bool forward, const Reference& reference) {
  std::string bases;
  bases.reserve(static_cast<std::size_t>(exon.length()));
  // Region coordinate c is genome position c + 1.
  if (forward) {
    for (std::int64_t c = exon.start; c <= exon.end; ++c) bases.push_back(reference.base(c + 1));
  } else {
    for (std::int64_t c = exon.end; c >= exon.start; --c) bases.push_back(complement(reference.base(c + 1)));
  }
  return bases;
}

std::string genetic_code_text() {
  constexpr std::string_view kBases = "tcag";
  // One letter per codon in the order ttt, ttc, tta, ttg, tct, ...
  constexpr std::string_view kAminoAcids = "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
  auto three_letter = [](char amino_acid) -> std::string_view {
    switch (amino_acid) {
      case 'A': return "Ala"; case 'R': return "Arg"; case 'N': return "Asn"; case 'D': return "Asp";
      case 'C': return "Cys"; case 'Q': return "Gln"; case 'E': return "Glu"; case 'G': return "Gly";
      case 'H': return "His"; case 'I': return "Ile"; case 'L': return "Leu"; case 'K': return "Lys";
      case 'M': return "Met"; case 'F': return "Phe"; case 'P': return "Pro"; case 'S': return "Ser";
      case 'T': return "Thr"; case 'W': return "Trp"; case 'Y': return "Tyr"; case 'V': return "Val";
      default: return "Ter";
    }
  };
  std::string text;
  for (int i = 0; i < 64; ++i) {
    text += kBases[i / 16];
    text += kBases[i / 4 % 4];
    text += kBases[i % 4];
    text += three_letter(kAminoAcids[i]);
    text += '\n';
  }
  return text;
}

Result<FeatureSummary> write_feature_files(const std::string& folder, const Reference& reference,
                                           const std::vector<Gene>& genes, std::int64_t positions) {
  const auto& chromosomes = reference.chromosomes();
  FeatureSummary summary;
  summary.genes = static_cast<std::int64_t>(genes.size());
  const std::vector<RegionRecord> exons = exon_regions(genes, chromosomes);
  const std::vector<RegionRecord> introns = intron_regions(genes, chromosomes);
  const std::vector<RegionRecord> intergenic = intergenic_regions(genes, chromosomes, positions);
  summary.exons = static_cast<std::int64_t>(exons.size());
  summary.introns = static_cast<std::int64_t>(introns.size());
  summary.intergenic_regions = static_cast<std::int64_t>(intergenic.size());
  if (Status s = write_region_file(folder + "/cexons.txt", exons); !s.ok()) return s.failure();
  if (Status s = write_region_file(folder + "/cintrons.txt", introns); !s.ok()) return s.failure();
  if (Status s = write_region_file(folder + "/cintergenic.txt", intergenic); !s.ok()) return s.failure();
  if (Status s = write_exon_sequences(folder + "/exon_sequences.txt", reference, genes); !s.ok()) return s.failure();
  if (Status s = write_exon_frames(folder + "/exon_frames.txt", genes); !s.ok()) return s.failure();
  if (Status s = write_genetic_code(folder + "/genetic_code.txt"); !s.ok()) return s.failure();
  return summary;
}

}  // namespace vesmar::bench
