#include "candidate_rank/candidate_ranking.h"

#include <algorithm>
#include <cstdio>

namespace vesmar {

namespace {

std::int64_t class_points(CandidateClass candidate_class) { return 100 * static_cast<std::int64_t>(candidate_class); }

std::string share_text(double share) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", share);
  return text;
}

std::string reasons_of(const Candidate& candidate, Mutagen mutagen) {
  std::vector<std::string> parts;
  parts.push_back(candidate.linked ? "in the linked interval" : "outside any linked interval");
  const Annotation& a = candidate.annotation;
  switch (a.candidate_class) {
    case CandidateClass::ProteinChange:
      parts.push_back(candidate.kind == Candidate::Kind::Uncovered ? "no reads over coding bases of " + a.region
                                                                   : a.consequence + " " + a.amino_acids + " in " + a.region);
      break;
    case CandidateClass::ExonOther:
      parts.push_back(a.consequence + " in " + a.region);
      break;
    case CandidateClass::Intron:
      parts.push_back("intron " + a.region);
      break;
    case CandidateClass::Intergenic:
      parts.push_back("intergenic " + a.region);
      break;
    case CandidateClass::Outside:
      parts.push_back("in no region");
      break;
  }
  if (candidate.kind == Candidate::Kind::Uncovered) {
    parts.push_back("no read covers its " + std::to_string(candidate.last - candidate.first + 1) + " positions");
  } else {
    parts.push_back(std::string(candidate.homozygous ? "homozygous" : "not homozygous") + " (share " +
                    share_text(candidate.share()) + " of " +
                    std::to_string(std::int64_t{candidate.wt_reads} + candidate.mut_reads) + " reads)");
    if (mutagen == Mutagen::Ems) {
      parts.push_back(std::string(candidate.ems ? "EMS " : "not EMS ") + std::string(1, candidate.ref) + ">" + std::string(1, candidate.alt));
    }
  }
  if (!candidate.strains_with_gene.empty()) {
    std::string names;
    for (const std::string& name : candidate.strains_with_gene) names += (names.empty() ? "" : ",") + name;
    parts.push_back("same gene in " + names);
  }
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
  return text;
}

}  // namespace

bool ems_transition(char ref, char alt) {
  const char r = base_capital(ref);
  const char a = base_capital(alt);
  return (r == 'G' && a == 'A') || (r == 'C' && a == 'T');
}

std::vector<Candidate> strain_candidates(std::span<const StrainChange> changes,
                                         std::span<const UncoveredStretch> stretches, Annotator& annotator,
                                         const LinkageMap& map, const GenomeSpans& spans,
                                         double homozygous_share) {
  std::vector<Candidate> candidates;
  candidates.reserve(changes.size() + stretches.size());
  for (const StrainChange& change : changes) {
    Candidate candidate;
    candidate.first = candidate.last = change.position;
    candidate.chromosome = chromosome_of(spans, change.position);
    if (change.windows) {
      candidate.ref = base_capital(change.ref);
      candidate.alt = base_capital(change.alt);
    }
    candidate.annotation = annotator.change(change);
    candidate.mut_reads = change.mut_reads;
    candidate.wt_reads = change.wt_reads;
    candidate.homozygous = change.share() >= homozygous_share;
    candidate.ems = ems_transition(candidate.ref, candidate.alt);
    candidate.linked = in_linked_interval(map, change.position, change.position);
    candidates.push_back(std::move(candidate));
  }
  for (const UncoveredStretch& stretch : stretches) {
    Candidate candidate;
    candidate.kind = Candidate::Kind::Uncovered;
    candidate.first = stretch.first;
    candidate.last = stretch.last;
    candidate.chromosome = chromosome_of(spans, stretch.first);
    candidate.annotation = annotator.stretch(stretch);
    candidate.homozygous = true;  // no read at all: no copy is left
    candidate.linked = in_linked_interval(map, stretch.first, stretch.last);
    candidates.push_back(std::move(candidate));
  }
  return candidates;
}

void name_strains_with_gene(std::vector<std::vector<Candidate>>& batch, std::span<const std::string> names) {
  std::vector<std::vector<std::string>> genes(batch.size());
  for (std::size_t s = 0; s < batch.size(); ++s) {
    for (const Candidate& candidate : batch[s]) {
      for (const std::string& gene : candidate.annotation.genes) genes[s].push_back(gene);
    }
    std::sort(genes[s].begin(), genes[s].end());
    genes[s].erase(std::unique(genes[s].begin(), genes[s].end()), genes[s].end());
  }
  for (std::size_t s = 0; s < batch.size(); ++s) {
    for (Candidate& candidate : batch[s]) {
      for (std::size_t other = 0; other < batch.size(); ++other) {
        if (other == s) continue;
        const bool shared = std::any_of(candidate.annotation.genes.begin(), candidate.annotation.genes.end(),
                                        [&](const std::string& gene) {
                                          return std::binary_search(genes[other].begin(), genes[other].end(), gene);
                                        });
        if (shared) candidate.strains_with_gene.push_back(names[other]);
      }
    }
  }
}

void rank_candidates(std::vector<Candidate>& candidates, Mutagen mutagen) {
  for (Candidate& candidate : candidates) {
    const bool signature = candidate.kind == Candidate::Kind::Uncovered || candidate.ems;
    candidate.score = (candidate.linked ? 1000 : 0) + class_points(candidate.annotation.candidate_class) +
                      (candidate.homozygous ? 10 : 0) + (mutagen == Mutagen::Ems && signature ? 1 : 0);
    candidate.reasons = reasons_of(candidate, mutagen);
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.score != b.score) return a.score > b.score;
    const bool a_allele = !a.strains_with_gene.empty();
    const bool b_allele = !b.strains_with_gene.empty();
    if (a_allele != b_allele) return a_allele;
    if (a.annotation.severity != b.annotation.severity) return a.annotation.severity > b.annotation.severity;
    const bool a_stretch = a.kind == Candidate::Kind::Uncovered;
    const bool b_stretch = b.kind == Candidate::Kind::Uncovered;
    if (!a_stretch && !b_stretch) {
      if (a.share() != b.share()) return a.share() > b.share();
      const std::int64_t a_depth = std::int64_t{a.wt_reads} + a.mut_reads;
      const std::int64_t b_depth = std::int64_t{b.wt_reads} + b.mut_reads;
      if (a_depth != b_depth) return a_depth > b_depth;
    }
    return a.first < b.first;
  });
}

}  // namespace vesmar
