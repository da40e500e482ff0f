#include "candidate_rank/candidate_files.h"

#include <cstdio>

#include "engine/program_info.h"

namespace vesmar {

namespace {

std::string fixed(double value, int places) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

// The table's cells hold no tab or line break, whatever a region file holds.
std::string cell(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return out.empty() ? "." : out;
}

std::string interval_text(const GenomeSpans& spans, const LinkedInterval& interval) {
  return chromosome_name(spans, interval.chromosome) + ":" +
         std::to_string(interval.first) + "-" + std::to_string(interval.last);
}

}  // namespace

std::int64_t chromosome_position(const GenomeSpans& spans, std::int64_t genome_position, int chromosome) {
  return genome_position - spans[static_cast<std::size_t>(chromosome)].offset;
}

const std::string& chromosome_name(const GenomeSpans& spans, int chromosome) {
  return spans[static_cast<std::size_t>(chromosome)].name;
}

std::string candidates_table(const StrainRanking& ranking, const CandidateRankSettings& settings) {
  const DropCounts& c = ranking.counts;
  const GenomeSpans& spans = *ranking.spans;
  std::string out = "##program=Candidate_rank " + std::string(kSuiteVersion) + "\n";
  out += "##strain=" + ranking.strain->name + "\n";
  out += "##min_mut_reads=" + std::to_string(settings.min_mut_reads) + "\n";
  out += "##min_depth=" + std::to_string(settings.min_depth) + "\n";
  out += "##homozygous_share=" + fixed(settings.homozygous_share, 2) + "\n";
  out += "##mutagen=" + std::string(mutagen_name(settings.mutagen)) + "\n";
  for (const StrainFile& strain : settings.strains) {
    out += "##batch=" + strain.name + (strain.ranked ? ",ranked," : ",background,") + cell(strain.alignment_path) + "\n";
  }
  out += "##changes_read=" + std::to_string(c.changes_read) + "\n";
  out += "##removed_changes_seen_in_another_strain=" + std::to_string(c.changes_seen_elsewhere) + "\n";
  out += "##removed_changes_below_min_mut_reads=" + std::to_string(c.changes_few_mutant_reads) + "\n";
  out += "##removed_changes_below_min_depth=" + std::to_string(c.changes_low_depth) + "\n";
  out += "##changes_kept=" + std::to_string(c.changes_kept) + "\n";
  out += "##stretches_read=" + std::to_string(c.stretches_read) + "\n";
  out += "##removed_stretches_shared_with_another_strain=" + std::to_string(c.stretches_shared) + "\n";
  out += "##stretches_kept=" + std::to_string(c.stretches_kept) + "\n";
  if (ranking.map.intervals.empty()) {
    out += "##linked_interval=none\n";
  } else {
    for (const LinkedInterval& interval : ranking.map.intervals) out += "##linked_interval=" + interval_text(spans, interval) + "\n";
  }
  out += "##map=" + ranking.map.verdict + "\n";
  out +=
      "#rank\tchromosome\tposition\tend\tkind\tref\talt\tregion\tconsequence\tcodons\tamino_acids\tshare\t"
      "mut_reads\twt_reads\tems\tlinked\tstrains_with_gene\tscore\treasons\n";
  std::int64_t rank = 0;
  for (const Candidate& candidate : ranking.candidates) {
    const bool snp = candidate.kind == Candidate::Kind::Snp;
    const Annotation& a = candidate.annotation;
    std::string names;
    for (const std::string& name : candidate.strains_with_gene) names += (names.empty() ? "" : ",") + name;
    out += std::to_string(++rank) + "\t" + cell(chromosome_name(spans, candidate.chromosome)) +
           "\t" + std::to_string(chromosome_position(spans, candidate.first, candidate.chromosome)) + "\t" +
           std::to_string(chromosome_position(spans, candidate.last, candidate.chromosome)) + "\t" +
           (snp ? "snp" : "uncovered") + "\t" + (snp ? std::string(1, candidate.ref) : ".") + "\t" +
           (snp ? std::string(1, candidate.alt) : ".") + "\t" + cell(a.region) + "\t" + cell(a.consequence) + "\t" +
           cell(a.codons) + "\t" + cell(a.amino_acids) + "\t" + (snp ? fixed(candidate.share(), 3) : ".") + "\t" +
           (snp ? std::to_string(candidate.mut_reads) : ".") + "\t" + (snp ? std::to_string(candidate.wt_reads) : ".") +
           "\t" + (candidate.ems ? "yes" : "no") + "\t" + (candidate.linked ? "yes" : "no") + "\t" + cell(names) +
           "\t" + std::to_string(candidate.score) + "\t" + cell(candidate.reasons) + "\n";
  }
  return out;
}

std::string linked_bed(const StrainRanking& ranking) {
  std::string out;
  for (const LinkedInterval& interval : ranking.map.intervals) {
    out += cell(chromosome_name(*ranking.spans, interval.chromosome)) + "\t" +
           std::to_string(interval.first - 1) + "\t" + std::to_string(interval.last) + "\t" + ranking.strain->name +
           "_linked\n";
  }
  return out;
}

}  // namespace vesmar
