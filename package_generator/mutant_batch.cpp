#include "package_generator/mutant_batch.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "genome/package_paths.h"
#include "genome/chromosome_offsets.h"
#include "genome/chromosome_layout.h"
#include "formats/alignment_results/results_writer.h"
#include "package_generator/joined_genome.h"
#include "package_generator/package_folders.h"
#include "package_generator/random_stream.h"

namespace vesmar::generator {

namespace {

constexpr std::int64_t kGeneStart = 2'000;
constexpr std::int64_t kGeneSpacing = 5'600;
constexpr std::int64_t kExonBases = 300;
constexpr std::int64_t kIntronBases = 200;
constexpr char kBases[] = {'a', 'c', 'g', 't'};

char complement_of(char base) {
  switch (base) {
    case 'a': return 't';
    case 'c': return 'g';
    case 'g': return 'c';
    default: return 'a';
  }
}

// A gene of two exons and an intron; its first exon lies at its low end on
// the forward strand and at its high end on the reverse one.
struct GenePlace {
  std::string name;
  std::int64_t first = 0;  // genome positions
  std::string_view chromosome;
  bool forward = true;
  std::int64_t low_exon() const { return first; }
  std::int64_t high_exon() const { return first + kExonBases + kIntronBases; }
  std::int64_t last() const { return high_exon() + kExonBases - 1; }
};

struct Builder {
  const MutantBatchShape& shape;
  RandomStream random;
  MutantBatch batch;
  std::vector<GenePlace> genes;
  std::set<std::int64_t> used;

  // Whether `position` lies in a chromosome's own bases, `margin` from its
  // ends.
  bool inside_a_chromosome(std::int64_t position, std::int64_t margin) const {
    for (const Chromosome& c : batch.chromosomes) {
      if (position >= c.first_position() + margin && position <= c.last_position() - margin) return true;
    }
    return false;
  }

  bool in_an_exon_reach(std::int64_t position) const {
    for (const GenePlace& gene : genes) {
      for (const std::int64_t exon : {gene.low_exon(), gene.high_exon()}) {
        if (position >= exon - 12 && position <= exon + kExonBases + 12) return true;
      }
    }
    return false;
  }

  // A position outside every exon's reach, away from the ends and from the
  // positions taken.
  std::int64_t free_position() {
    for (;;) {
      const std::int64_t position = random.uniform(1, static_cast<std::int64_t>(batch.genome.size()));
      if (!inside_a_chromosome(position, 100) || in_an_exon_reach(position) || used.contains(position)) continue;
      used.insert(position);
      return position;
    }
  }

  char base_at(std::int64_t position) const { return batch.genome[static_cast<std::size_t>(position - 1)]; }

  // The mutagen's change of the base at `position` mostly (G to A, C to T),
  // a transition elsewhere.
  char alt_for(std::int64_t position) {
    const char ref = base_at(position);
    if (ref == 'g') return random.percent(90) ? 'a' : 't';
    if (ref == 'c') return random.percent(90) ? 't' : 'a';
    return ref == 'a' ? 'g' : 'c';
  }

  void lay_out_genome() {
    std::vector<ChromosomeBases> bases;
    for (std::size_t c = 0; c < shape.chromosome_bases.size() && c < kChromosomeNames.size(); ++c) {
      bases.push_back(ChromosomeBases{kChromosomeNames[c], shape.chromosome_bases[c]});
    }
    batch.chromosomes = join_chromosomes(bases);
    for (const Chromosome& c : batch.chromosomes) {
      std::string own(static_cast<std::size_t>(c.padded_length), 'g');
      for (std::int64_t i = 0; i < c.sequence_length; ++i) own[static_cast<std::size_t>(i)] = kBases[random.below(4)];
      batch.genome += own;
      for (std::int64_t first = c.offset + kGeneStart; first + 3 * kExonBases + kIntronBases <= c.last_position();
           first += kGeneSpacing) {
        const int k = static_cast<int>(genes.size());
        genes.push_back(GenePlace{"gen-" + std::to_string(k + 1), first, c.name, k % 2 == 0});
      }
    }
  }

  // The coding codon `codon` (from 0) of a forward gene's exon starting at
  // `exon` is set to `bases`; returns its first genome position.
  std::int64_t set_codon(std::int64_t exon, int codon, std::string_view bases) {
    const std::int64_t first = exon + 3 * codon;
    for (std::size_t i = 0; i < 3; ++i) batch.genome[static_cast<std::size_t>(first - 1) + i] = bases[i];
    for (std::int64_t p = first; p < first + 3; ++p) used.insert(p);
    return first;
  }

  void write_features() {
    FeatureLocations& f = batch.features;
    f.stop_name = "Stp";
    std::size_t next_gene = 0;
    for (const Chromosome& chromosome : batch.chromosomes) {
      std::int64_t intergenic_from = chromosome.first_position();
      for (; next_gene < genes.size() && genes[next_gene].chromosome == chromosome.name; ++next_gene) {
        const GenePlace& gene = genes[next_gene];
        f.intergenic.push_back(RegionRecord{"igr-" + gene.name, region_coordinate(intergenic_from),
                                            region_coordinate(gene.first - 1), chromosome.name, true});
        intergenic_from = gene.last() + 1;
        add_gene(gene);
      }
      f.intergenic.push_back(RegionRecord{"igr-end-" + std::string(chromosome.name), region_coordinate(intergenic_from),
                                          region_coordinate(chromosome.last_position()), chromosome.name, true});
    }
  }

  void add_gene(const GenePlace& gene) {
    FeatureLocations& f = batch.features;
    const std::int64_t exons[2] = {gene.forward ? gene.low_exon() : gene.high_exon(),
                                   gene.forward ? gene.high_exon() : gene.low_exon()};
    for (int e = 0; e < 2; ++e) {
      const std::string name = gene.name + ".exon" + std::to_string(e + 1);
      f.exons.push_back(RegionRecord{name, region_coordinate(exons[e]), region_coordinate(exons[e] + kExonBases - 1),
                                     gene.chromosome, gene.forward});
      std::string bases = batch.genome.substr(static_cast<std::size_t>(exons[e] - 1), kExonBases);
      if (!gene.forward) {
        std::reverse(bases.begin(), bases.end());
        for (char& base : bases) base = complement_of(base);
      }
      f.exon_sequences.push_back(ExonSequence{name, bases});
      f.exon_frames.push_back(NamedExonFrame{name, ExonFrame{0, 0, 1}});
    }
    f.introns.push_back(RegionRecord{gene.name + ".intron1", region_coordinate(gene.low_exon() + kExonBases),
                                     region_coordinate(gene.high_exon() - 1), gene.chromosome, gene.forward});
  }

  PlantedChange change_at(std::int64_t position, bool homozygous) {
    PlantedChange change{position, alt_for(position), 0, 0};
    if (homozygous) {
      change.wt_reads = static_cast<std::int32_t>(random.uniform(0, 1));
      change.mut_reads = static_cast<std::int32_t>(random.uniform(15, 25));
    } else {
      change.wt_reads = static_cast<std::int32_t>(random.uniform(8, 14));
      change.mut_reads = static_cast<std::int32_t>(random.uniform(6, 12));
    }
    return change;
  }

  void add_errors(StrainPlan& strain) {
    for (int i = 0; i < shape.single_read_errors; ++i) {
      const std::int64_t position = free_position();
      strain.changes.push_back(PlantedChange{position, alt_for(position), static_cast<std::int32_t>(random.uniform(8, 14)), 1});
    }
  }
};

}  // namespace

MutantBatch make_mutant_batch(const MutantBatchShape& shape, std::uint64_t seed) {
  Builder b{shape, RandomStream(seed), {}, {}, {}};
  b.lay_out_genome();
  if (b.genes.size() < 9) return {};  // too short a genome for the causes
  // The causes, set into the genome before the exon tables are taken from it.
  const GenePlace& two_alleles = b.genes[2];   // forward
  const GenePlace& missense = b.genes[6];      // forward
  const GenePlace& deleted = b.genes[8];       // forward
  const std::int64_t stop_one = b.set_codon(two_alleles.low_exon(), 30, "tgg") + 2;
  const std::int64_t stop_two = b.set_codon(two_alleles.high_exon(), 50, "tgg") + 2;
  const std::int64_t changed = b.set_codon(missense.low_exon(), 40, "gga");
  const std::int64_t gap_first = deleted.high_exon() + 60;
  const std::int64_t gap_last = gap_first + 59;
  b.write_features();
  MutantBatch& batch = b.batch;
  const auto cause = [&](const char* strain, std::int64_t first, std::int64_t last, bool uncovered,
                         const GenePlace& gene) {
    const Chromosome& chromosome = chromosome_at(batch.chromosomes, first);
    return PlantedCause{strain, first, last, chromosome.name, first - chromosome.offset, last - chromosome.offset,
                        uncovered, gene.name};
  };
  batch.causes = {cause("m1", stop_one, stop_one, false, two_alleles), cause("m2", stop_two, stop_two, false, two_alleles),
                  cause("m3", changed, changed, false, missense), cause("m4", gap_first, gap_last, true, deleted)};

  // What every strain carries: the parent's differences, the padding after
  // the chromosome and a few stretches no strain's reads cover (one of them
  // over an exon).
  std::vector<PlantedChange> background;
  for (int i = 0; i < shape.background_changes; ++i) {
    const std::int64_t position = b.free_position();
    background.push_back(PlantedChange{position, b.alt_for(position), 0, 20});
    batch.background_positions.push_back(position);
  }
  std::vector<PlantedStretch> shared;
  for (const Chromosome& chromosome : batch.chromosomes) {
    shared.push_back({chromosome.last_position() + 1, chromosome.offset + chromosome.padded_length});
  }
  for (int i = 0; i < 3; ++i) {
    const std::int64_t first = b.free_position();
    shared.push_back({first, first + 19});
    for (std::int64_t p = first; p <= first + 19; ++p) b.used.insert(p);
  }
  shared.push_back({b.genes[4].low_exon() + 10, b.genes[4].low_exon() + 29});

  StrainPlan parent{"parent", true, background, shared};
  b.add_errors(parent);
  batch.strains.push_back(std::move(parent));
  for (const PlantedCause& cause : batch.causes) {
    StrainPlan strain{cause.strain, false, background, shared};
    if (!cause.uncovered) {
      strain.changes.push_back(PlantedChange{cause.first, 'a', static_cast<std::int32_t>(b.random.uniform(0, 1)),
                                             static_cast<std::int32_t>(b.random.uniform(18, 30))});
    } else {
      strain.stretches.push_back({cause.first, cause.last});
    }
    for (int i = 0; i < shape.own_changes; ++i) {
      const std::int64_t position = b.free_position();
      const bool linked = chromosome_at(batch.chromosomes, position).offset == chromosome_at(batch.chromosomes, cause.first).offset &&
                          position >= cause.first - shape.linked_reach && position <= cause.last + shape.linked_reach;
      strain.changes.push_back(b.change_at(position, linked));
    }
    // A few stretches of poor coverage of its own, far from the cause.
    for (int i = 0; i < 3;) {
      const std::int64_t first = b.free_position();
      if (std::abs(first - cause.first) < 2 * shape.linked_reach) continue;
      strain.stretches.push_back({first, first + 7});
      for (std::int64_t p = first; p <= first + 7; ++p) b.used.insert(p);
      ++i;
    }
    b.add_errors(strain);
    batch.strains.push_back(std::move(strain));
  }
  for (StrainPlan& strain : batch.strains) {
    std::sort(strain.changes.begin(), strain.changes.end(),
              [](const PlantedChange& x, const PlantedChange& y) { return x.position < y.position; });
    std::sort(strain.stretches.begin(), strain.stretches.end(),
              [](const PlantedStretch& x, const PlantedStretch& y) { return x.first < y.first; });
  }
  return batch;
}

Status write_mutant_batch(const std::string& home, const MutantBatch& batch) {
  if (Status made = make_package_folders(home); !made.ok()) return made;
  if (Status written = write_feature_locations(path_under(home, kFeatureLocationsFolder, ""), batch.features); !written.ok()) return written;
  if (batch.chromosomes.size() > 1) {
    std::vector<NamedLength> lengths;
    for (const Chromosome& chromosome : batch.chromosomes) {
      lengths.push_back(NamedLength{std::string(chromosome.name), chromosome.sequence_length});
    }
    Result<ChromosomeLayout> layout = layout_from_lengths(lengths, "the generated batch");
    if (!layout.ok()) return layout.failure();
    Result<std::unique_ptr<OutputFile>> file =
        OutputFile::create(path_under(home, kFeatureLocationsFolder, kChromosomeLayoutFileName), OutputFile::Mode::Replace);
    if (!file.ok()) return file.failure();
    write_layout(*file.value(), layout.value());
    if (Status committed = file.value()->commit(); !committed.ok()) return committed;
  }
  const auto positions = static_cast<std::int64_t>(batch.genome.size());
  for (const StrainPlan& strain : batch.strains) {
    Result<std::unique_ptr<OutputFile>> file =
        OutputFile::create(path_under(home, kAlignmentResultsFolder, strain.name + ".txt"), OutputFile::Mode::Replace);
    if (!file.ok()) return file.failure();
    AlignmentResultsWriter results(*file.value());
    std::size_t change = 0;
    std::size_t stretch = 0;
    for (std::int64_t position = 1; position <= positions; ++position) {
      while (stretch < strain.stretches.size() && strain.stretches[stretch].last < position) ++stretch;
      if (stretch < strain.stretches.size() && strain.stretches[stretch].first <= position) {
        results.add(0, 0, {}, {});
        continue;
      }
      if (change < strain.changes.size() && strain.changes[change].position == position) {
        const PlantedChange& c = strain.changes[change++];
        std::string reference = batch.genome.substr(static_cast<std::size_t>(position - 13), 25);
        std::string read = reference;
        read[12] = c.alt;
        results.add(c.wt_reads, c.mut_reads, read, reference);
        continue;
      }
      // Plain coverage that varies along the genome, the same in every strain.
      results.add(static_cast<std::int32_t>(8 + mix64(static_cast<std::uint64_t>(position)) % 8), 0, {}, {});
    }
    if (Status committed = file.value()->commit(); !committed.ok()) return committed;
  }
  return {};
}

}  // namespace vesmar::generator
