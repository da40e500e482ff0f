#pragma once

#include <span>
#include <string>
#include <vector>

#include "candidate_rank/batch_drop.h"
#include "candidate_rank/candidate_rank_settings.h"
#include "candidate_rank/candidate_ranking.h"
#include "candidate_rank/linkage_map.h"

namespace vesmar {

// What one ranked strain's files are written from.
struct StrainRanking {
  const StrainFile* strain = nullptr;
  const GenomeSpans* spans = nullptr;
  DropCounts counts;
  LinkageMap map;
  std::vector<Candidate> candidates;  // in rank order
};

// NAME_candidates.tsv: "##" lines (the program and version, the settings,
// the strains of the batch, what each filter removed, the linked
// intervals), the "#" header, then a row per candidate in rank order.
std::string candidates_table(const StrainRanking& ranking, const CandidateRankSettings& settings);

// NAME_linked.bed: the linked intervals, BED's half-open positions, in
// genome order; empty when there is none.
std::string linked_bed(const StrainRanking& ranking);

// A candidate's place on its chromosome, from 1, and the chromosome's name.
std::int64_t chromosome_position(const GenomeSpans& spans, std::int64_t genome_position, int chromosome);
const std::string& chromosome_name(const GenomeSpans& spans, int chromosome);

}  // namespace vesmar
