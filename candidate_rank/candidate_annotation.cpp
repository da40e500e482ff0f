#include "candidate_rank/candidate_annotation.h"

#include <algorithm>

#include "engine/number_reader.h"
#include "genome/package_paths.h"
#include "genome/region_choice.h"
#include "genome_scan/region_walk.h"
#include "genome_scan/codon_change.h"
#include "genome_scan/region_mapping.h"
#include "formats/snp_vcf/snp_class.h"
#include "formats/snp_vcf/snp_vcf.h"

namespace vesmar {

namespace {

constexpr std::size_t kExonsNamed = 5;  // a longer stretch's exons are counted beyond these

int severity_of(std::string_view consequence) {
  if (consequence == "stop_gained") return 3;
  if (consequence == "stop_lost") return 2;
  if (consequence == "missense") return 1;
  return 0;
}

void add_gene(std::vector<std::string>& genes, std::string_view exon_name) {
  const std::string gene(gene_of(exon_name));
  if (std::find(genes.begin(), genes.end(), gene) == genes.end()) genes.push_back(gene);
}

// The genome positions of an exon's coding part, none when no codon can be
// placed in it (as coding_geometry decides).
std::optional<std::pair<std::int64_t, std::int64_t>> coding_bounds(const Region& exon, const ExonFrame* frame) {
  const std::int32_t strand = read_atoi(exon.strand);
  if ((strand != 1 && strand != -1) || frame == nullptr || frame->start_frame < 1 || frame->start_frame > 3) {
    return std::nullopt;
  }
  const std::int64_t five = frame->five_prime_skip;
  const std::int64_t three = frame->three_prime_skip;
  if (strand == 1) return std::pair{std::int64_t{exon.start} + five + 1, std::int64_t{exon.end} - three + 1};
  return std::pair{std::int64_t{exon.start} + three + 1, std::int64_t{exon.end} - five + 1};
}

}  // namespace

Result<FeatureTables> load_feature_tables() {
  FeatureTables tables;
  RegionTable* const targets[] = {&tables.exons, &tables.introns, &tables.intergenic};
  for (std::size_t i = 0; i < 3; ++i) {
    Result<RegionTable> loaded = load_region_table(path_in(kFeatureLocationsFolder, kRegionChoices[i].file_name));
    if (!loaded.ok()) return loaded.failure();
    *targets[i] = std::move(loaded.value());
  }
  Result<ExonTables> exon_tables = load_exon_tables();
  if (!exon_tables.ok()) return exon_tables.failure();
  tables.exon_tables = std::move(exon_tables.value());
  return tables;
}

Annotator::Annotator(const FeatureTables& tables)
    : tables_(tables),
      codons_(tables.exon_tables.genetic_code),
      exon_matcher_(tables.exons.regions),
      intron_matcher_(tables.introns.regions),
      intergenic_matcher_(tables.intergenic.regions),
      exons_(sorted(tables.exons.regions)),
      introns_(sorted(tables.introns.regions)),
      intergenic_(sorted(tables.intergenic.regions)) {}

Annotation Annotator::change(const StrainChange& change) {
  Annotation annotation;
  const std::int64_t position = change.position;
  if (const std::optional<std::size_t> exon = exon_matcher_.match(position)) {
    const Region& region = tables_.exons.regions[*exon];
    annotation.region = std::string(region.name);
    annotation.candidate_class = CandidateClass::ExonOther;
    add_gene(annotation.genes, region.name);
    const std::int64_t place = region_position(region, position);
    if (place < 0 || place > std::int64_t{region.end} - region.start) {
      annotation.consequence = std::string(kSpliceRegion);
      return annotation;
    }
    const std::optional<ExonGeometry> geometry =
        coding_geometry(region, position, tables_.exon_tables.frames.find(region.name));
    if (!geometry) {
      annotation.consequence = "exon_not_coding";
      return annotation;
    }
    // The codon change reads the mutant base where the scanner's marker
    // stands: the thirteenth column of windows that begin alike.
    std::string reference(13, 'a');
    std::string read(13, 'a');
    reference[12] = change.ref;
    read[12] = change.alt;
    ExonContext context(region.name, tables_.exon_tables.sequences);
    const CodonChange codon = change.windows ? codon_change(context, *geometry, read, reference, codons_)
                                             : codon_change(context, *geometry, {}, {}, codons_);
    const std::string_view consequence = consequence_of(codon);
    annotation.consequence = std::string(consequence);
    annotation.codons = std::string(text_of(codon.wt_codon)) + ">" + std::string(text_of(codon.mut_codon));
    annotation.amino_acids = std::string(codon.wt_amino_acid) + ">" + std::string(codon.mut_amino_acid);
    annotation.severity = severity_of(consequence);
    if (annotation.severity > 0) annotation.candidate_class = CandidateClass::ProteinChange;
    return annotation;
  }
  if (const std::optional<std::size_t> intron = intron_matcher_.match(position)) {
    annotation.region = std::string(tables_.introns.regions[*intron].name);
    annotation.candidate_class = CandidateClass::Intron;
    annotation.consequence = "intron";
  } else if (const std::optional<std::size_t> between = intergenic_matcher_.match(position)) {
    annotation.region = std::string(tables_.intergenic.regions[*between].name);
    annotation.candidate_class = CandidateClass::Intergenic;
    annotation.consequence = "intergenic";
  }
  return annotation;
}

Annotation Annotator::stretch(const UncoveredStretch& stretch) const {
  Annotation annotation;
  const std::vector<std::uint32_t> exons = overlapping(exons_, stretch);
  if (!exons.empty()) {
    bool coding = false;
    annotation.region.clear();
    for (std::size_t i = 0; i < exons.size(); ++i) {
      const Region& exon = tables_.exons.regions[exons[i]];
      coding = coding || takes_coding_bases(exon, stretch);
      add_gene(annotation.genes, exon.name);
      if (i < kExonsNamed) annotation.region.append(i == 0 ? "" : ",").append(exon.name);
    }
    if (exons.size() > kExonsNamed) {
      annotation.region.append(",+").append(std::to_string(exons.size() - kExonsNamed)).append(" more");
    }
    annotation.candidate_class = coding ? CandidateClass::ProteinChange : CandidateClass::ExonOther;
    annotation.consequence = coding ? "coding_bases_uncovered" : "exon_bases_uncovered";
    annotation.severity = coding ? 3 : 0;
    return annotation;
  }
  if (const std::vector<std::uint32_t> introns = overlapping(introns_, stretch); !introns.empty()) {
    annotation.region = std::string(tables_.introns.regions[introns.front()].name);
    annotation.candidate_class = CandidateClass::Intron;
    annotation.consequence = "intron";
  } else if (const std::vector<std::uint32_t> between = overlapping(intergenic_, stretch); !between.empty()) {
    annotation.region = std::string(tables_.intergenic.regions[between.front()].name);
    annotation.candidate_class = CandidateClass::Intergenic;
    annotation.consequence = "intergenic";
  }
  return annotation;
}

Annotator::SortedRegions Annotator::sorted(const std::vector<Region>& regions) {
  SortedRegions sorted;
  sorted.regions = &regions;
  sorted.by_start.resize(regions.size());
  for (std::uint32_t i = 0; i < regions.size(); ++i) {
    sorted.by_start[i] = i;
    sorted.longest = std::max(sorted.longest, std::int64_t{regions[i].end} - regions[i].start);
  }
  std::stable_sort(sorted.by_start.begin(), sorted.by_start.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return regions[a].start < regions[b].start; });
  return sorted;
}

std::vector<std::uint32_t> Annotator::overlapping(const SortedRegions& sorted, const UncoveredStretch& stretch) {
  const std::vector<Region>& regions = *sorted.regions;
  const GapEntry gap{stretch.last, static_cast<std::int32_t>(stretch.length()), GapComment::None};
  // A region that the stretch overlaps starts at most `longest` before it.
  const std::int64_t lowest_start = std::int64_t{stretch.first} - sorted.longest - 1;
  auto at = std::lower_bound(sorted.by_start.begin(), sorted.by_start.end(), lowest_start,
                             [&](std::uint32_t index, std::int64_t start) { return regions[index].start < start; });
  std::vector<std::uint32_t> found;
  for (; at != sorted.by_start.end() && regions[*at].start <= stretch.last; ++at) {
    if (gap_overlaps_region(gap, regions[*at])) found.push_back(*at);
  }
  std::sort(found.begin(), found.end());
  return found;
}

bool Annotator::takes_coding_bases(const Region& exon, const UncoveredStretch& stretch) const {
  const auto bounds = coding_bounds(exon, tables_.exon_tables.frames.find(exon.name));
  return bounds && bounds->first <= bounds->second && stretch.first <= bounds->second && stretch.last >= bounds->first;
}

}  // namespace vesmar
