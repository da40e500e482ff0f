#include "genome_overview/overview.h"

#include <algorithm>
#include <utility>

#include "formats/record_lines/field_text.h"
#include "page_drawing/page_text.h"

namespace vesmar {

namespace {

std::string snp_title(const std::string& chromosome, const SnpRecord& snp) {
  std::string title = chromosome + ":" + grouped(snp.position) + " " + percent_decoded(snp.ref) + ">" +
                      percent_decoded(snp.alt) + ", " + percent_decoded(snp.region);
  if (!snp.consequence.empty()) {
    title += ", " + percent_decoded(snp.consequence) + " " + percent_decoded(snp.codons) + " " +
             percent_decoded(snp.amino_acids);
  }
  if (snp.mut_reads >= 0) {
    title += "; reads: " + std::to_string(snp.wt_reads) + " WT, " + std::to_string(snp.mut_reads) + " mutant";
  }
  return title;
}

std::string gap_title(const std::string& chromosome, const GapRecord& gap, std::int64_t regions) {
  std::string title = chromosome + ":";
  if (gap.length() == 0) {
    title += grouped(gap.start) + "|" + grouped(gap.start + 1) + ": the trace of an insertion";
  } else {
    title += grouped(gap.start + 1) + "-" + grouped(gap.end) + ": " + grouped(gap.length()) +
             (gap.length() == 1 ? " position" : " positions") + " without reads";
  }
  title += ", " + percent_decoded(gap.name);
  if (regions > 1) title += " and " + std::to_string(regions - 1) + " more";
  if (!gap.comment.empty() && gap.comment != "insertion") {
    std::string comment = percent_decoded(gap.comment);
    std::replace(comment.begin(), comment.end(), '_', ' ');
    title += ", " + comment;
  }
  return title;
}

}  // namespace

Overview::Overview(ChromosomeLayout layout) : layout_(std::move(layout)), tracks_(layout_.chromosomes.size()) {}

std::int64_t Overview::extent(int chromosome) const {
  return std::max(layout_.chromosomes[static_cast<std::size_t>(chromosome)].length, track(chromosome).farthest);
}

void Overview::add_snp_place(std::span<const SnpRecord> records) {
  const SnpRecord& snp = *std::min_element(records.begin(), records.end(), [](const SnpRecord& a, const SnpRecord& b) {
    return index_of(a.snp_class) < index_of(b.snp_class);
  });
  ChromosomeTrack& track = tracks_[static_cast<std::size_t>(snp.chromosome)];
  ++track.snps[index_of(snp.snp_class)];
  track.farthest = std::max(track.farthest, snp.position);
  const double share = snp.mutant_share();
  bins_.add_snp(snp.chromosome, snp.position, snp.snp_class, share);
  if (track.snps_binned()) {
    std::vector<SnpMark>().swap(track.snp_marks);
  } else {
    track.snp_marks.push_back(SnpMark{snp.position, snp.snp_class, share, snp_title(name(snp.chromosome), snp)});
  }
  if (snp.snp_class == SnpClass::ProteinChange) candidates_.offer(snp);
}

void Overview::add_gap_place(std::span<const GapRecord> records) {
  // Of the stretches that start here, each end once.
  std::vector<const GapRecord*> by_end;
  for (const GapRecord& gap : records) by_end.push_back(&gap);
  std::stable_sort(by_end.begin(), by_end.end(),
                   [](const GapRecord* a, const GapRecord* b) { return a->end < b->end; });
  for (std::size_t i = 0; i < by_end.size();) {
    std::size_t same = i + 1;
    while (same < by_end.size() && by_end[same]->end == by_end[i]->end) ++same;
    add_gap(*by_end[i], static_cast<std::int64_t>(same - i));
    i = same;
  }
}

void Overview::add_gap(const GapRecord& gap, std::int64_t regions) {
  ChromosomeTrack& track = tracks_[static_cast<std::size_t>(gap.chromosome)];
  ++track.gaps;
  track.gap_positions += gap.length();
  // A stretch is binned by its first position, which for the trace of an
  // insertion (start = end) is the one after the point.
  track.farthest = std::max({track.farthest, gap.end, gap.start + 1});
  bins_.add_gap(gap.chromosome, gap.start + 1, gap.length());
  if (track.gaps_binned()) {
    std::vector<GapBar>().swap(track.gap_bars);
  } else {
    track.gap_bars.push_back(GapBar{gap.start, gap.end, gap_title(name(gap.chromosome), gap, regions)});
  }
}

std::int64_t Overview::farthest() const {
  std::int64_t farthest = 0;
  for (const ChromosomeTrack& track : tracks_) farthest = std::max(farthest, track.farthest);
  return farthest;
}

std::int64_t Overview::snps() const {
  std::int64_t snps = 0;
  for (const ChromosomeTrack& track : tracks_) snps += track.all_snps();
  return snps;
}

std::int64_t Overview::gaps() const {
  std::int64_t gaps = 0;
  for (const ChromosomeTrack& track : tracks_) gaps += track.gaps;
  return gaps;
}

}  // namespace vesmar
