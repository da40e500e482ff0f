#include "candidate_rank/linkage_map.h"

#include <algorithm>

namespace vesmar {

GenomeSpans genome_spans(const ChromosomeLayout& layout, std::int64_t file_positions) {
  GenomeSpans spans;
  for (std::size_t i = 0; i < layout.chromosomes.size(); ++i) {
    const LayoutChromosome& chromosome = layout.chromosomes[i];
    std::int64_t length = chromosome.length;
    if (!layout.lengths_known) {
      length = std::max<std::int64_t>(std::min(room_end(layout, i), file_positions) - chromosome.offset, 0);
    }
    spans.push_back(ChromosomeSpan{chromosome.name, chromosome.offset, length});
  }
  return spans;
}

int chromosome_of(const GenomeSpans& spans, std::int64_t position) {
  // Positions come in genome order, so the search starts at the end only
  // for the first of a chromosome; spans are few.
  int found = 0;
  for (std::size_t i = 1; i < spans.size() && spans[i].offset < position; ++i) found = static_cast<int>(i);
  return found;
}

namespace {

// The smoothed shares of one chromosome's points.
void smooth(std::vector<SharePoint>& points, std::span<const StrainChange> changes) {
  const auto count = static_cast<std::int64_t>(points.size());
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t from = std::max<std::int64_t>(0, i - MapRule::kHalfWindow);
    const std::int64_t to = std::min<std::int64_t>(count - 1, i + MapRule::kHalfWindow);
    double mutant = 0;
    double reads = 0;
    for (std::int64_t j = from; j <= to; ++j) {
      mutant += changes[static_cast<std::size_t>(j)].mut_reads;
      reads += static_cast<double>(changes[static_cast<std::size_t>(j)].depth());
    }
    points[static_cast<std::size_t>(i)].smoothed = reads > 0 ? mutant / reads : 0;
  }
}

// The homozygous runs of one chromosome.
void find_runs(int chromosome, std::int64_t offset, const std::vector<SharePoint>& points,
               std::span<const StrainChange> changes, std::int64_t length, double homozygous,
               std::vector<LinkedInterval>& runs) {
  const std::size_t count = points.size();
  std::size_t i = 0;
  while (i < count) {
    if (points[i].smoothed < homozygous) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < count && points[end].smoothed >= homozygous) ++end;
    std::size_t first = i;
    std::size_t last = end - 1;
    while (first < last && points[first].share < homozygous) ++first;
    while (last > first && points[last].share < homozygous) --last;
    i = end;
    if (points[first].share < homozygous) continue;
    LinkedInterval run;
    run.chromosome = chromosome;
    run.offset = offset;
    run.changes = static_cast<std::int64_t>(last - first + 1);
    run.first = first > 0 ? points[first - 1].position + 1 : 1;
    run.last = last + 1 < count ? points[last + 1].position - 1 : std::max(length, points[last].position);
    double mutant = 0;
    double reads = 0;
    for (std::size_t j = first; j <= last; ++j) {
      mutant += changes[j].mut_reads;
      reads += static_cast<double>(changes[j].depth());
    }
    run.share = reads > 0 ? mutant / reads : 0;
    if (run.changes >= MapRule::kLeastRunChanges) runs.push_back(run);
  }
}

}  // namespace

LinkageMap map_linkage(std::span<const StrainChange> changes, const GenomeSpans& spans, double homozygous_share) {
  LinkageMap map;
  map.points.resize(spans.size());
  std::vector<LinkedInterval> runs;
  std::size_t begin = 0;
  while (begin < changes.size()) {
    const int chromosome = chromosome_of(spans, changes[begin].position);
    std::size_t end = begin;
    while (end < changes.size() && chromosome_of(spans, changes[end].position) == chromosome) ++end;
    const std::span<const StrainChange> here = changes.subspan(begin, end - begin);
    std::vector<SharePoint>& points = map.points[static_cast<std::size_t>(chromosome)];
    const std::int64_t offset = spans[static_cast<std::size_t>(chromosome)].offset;
    for (const StrainChange& change : here) {
      points.push_back(SharePoint{change.position - offset, change.share(), 0, change.depth()});
    }
    smooth(points, here);
    find_runs(chromosome, offset, points, here, spans[static_cast<std::size_t>(chromosome)].length, homozygous_share, runs);
    begin = end;
  }
  std::int64_t largest = 0;
  for (const LinkedInterval& run : runs) largest = std::max(largest, run.changes);
  std::int64_t in_runs = 0;
  for (const LinkedInterval& run : runs) {
    if (2 * run.changes >= largest) {
      map.intervals.push_back(run);
      in_runs += run.changes;
    }
  }
  const auto all = static_cast<std::int64_t>(changes.size());
  if (map.intervals.empty()) {
    map.verdict = "No chromosome stands out: no run of " + std::to_string(MapRule::kLeastRunChanges) +
                  " or more of the strain's own changes is homozygous; the candidates are ranked without an interval.";
  } else if (2 * in_runs > all) {
    map.intervals.clear();
    map.verdict =
        "No chromosome stands out: the strain's own changes are homozygous nearly everywhere (" +
        std::to_string(in_runs) + " of " + std::to_string(all) +
        " in homozygous runs), as before any cross; the candidates are ranked without an interval.";
  } else {
    map.verdict = std::to_string(map.intervals.size()) +
                  (map.intervals.size() == 1 ? " linked interval" : " linked intervals") +
                  ", where the strain's own changes are homozygous.";
  }
  return map;
}

bool in_linked_interval(const LinkageMap& map, std::int64_t first, std::int64_t last) {
  for (const LinkedInterval& interval : map.intervals) {
    if (first <= interval.offset + interval.last && last >= interval.offset + interval.first) return true;
  }
  return false;
}

}  // namespace vesmar
