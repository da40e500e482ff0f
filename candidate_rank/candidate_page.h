#pragma once

#include <string>

#include "candidate_rank/candidate_files.h"
#include "candidate_rank/linkage_map.h"

namespace vesmar {

// NAME_candidates.html: one self-contained XHTML page in the overview's
// style (inline CSS and SVG, no script). For each chromosome with own
// changes, their mutant shares along it, the smoothed line and the linked
// interval shaded, on an axis that ends at the chromosome's end; the
// chromosomes without any on one line; then the top candidates with their
// reasons, and what each filter removed.
std::string candidates_page(const StrainRanking& ranking, const CandidateRankSettings& settings,
                            const GenomeSpans& spans);

// How many candidates the page lists.
inline constexpr std::size_t kPageCandidates = 25;

}  // namespace vesmar
