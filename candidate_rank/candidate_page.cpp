#include "candidate_rank/candidate_page.h"

#include <algorithm>

#include "engine/program_info.h"
#include "page_drawing/axis_scale.h"
#include "page_drawing/page_style.h"
#include "page_drawing/page_text.h"

namespace vesmar {

namespace {

// The share plot of a chromosome, in SVG user units.
struct PlotLayout {
  static constexpr double kWidth = 800;
  static constexpr double kLeft = 60;
  static constexpr double kPlotWidth = 720;
  static constexpr double kTop = 8;
  static constexpr double kPlotHeight = 120;
  static constexpr double kHeight = 160;
};

constexpr std::string_view kExtraStyle = R"(
.linked{fill:#F0E442;opacity:0.55}
.pt{fill:#0072B2;opacity:0.75}
.hom{fill:#D55E00}
.smooth{stroke:#111;stroke-width:1.5;fill:none}
.limit{stroke:#D55E00;stroke-width:0.8;stroke-dasharray:4 3}
table.settings{max-width:100%;table-layout:auto}
td.reasons{text-align:left;max-width:30em}
)";

std::string x_of(std::int64_t position, std::int64_t end) {
  return decimal(PlotLayout::kLeft + PlotLayout::kPlotWidth * static_cast<double>(position) / static_cast<double>(end), 1);
}
std::string y_of(double share) { return decimal(PlotLayout::kTop + PlotLayout::kPlotHeight * (1 - share), 1); }

void share_plot(std::string& out, int chromosome, const StrainRanking& ranking, const ChromosomeSpan& span,
                double homozygous) {
  const LinkageMap& map = ranking.map;
  const std::vector<SharePoint>& points = map.points[static_cast<std::size_t>(chromosome)];
  std::int64_t end = span.length;
  for (const SharePoint& point : points) end = std::max(end, point.position);
  end = std::max<std::int64_t>(end, 1);
  // The axis ends at the chromosome's end, not at a rounded tick.
  const Axis axis{end, axis_for(end, end).step};
  out += "<svg class=\"track\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + decimal(PlotLayout::kWidth, 0) +
         " " + decimal(PlotLayout::kHeight, 0) + "\" role=\"img\">";
  const std::string plot_top = decimal(PlotLayout::kTop, 1);
  const std::string plot_height = decimal(PlotLayout::kPlotHeight, 1);
  out += "<rect class=\"lane\" x=\"" + decimal(PlotLayout::kLeft, 1) + "\" y=\"" + plot_top + "\" width=\"" +
         decimal(PlotLayout::kPlotWidth, 1) + "\" height=\"" + plot_height + "\"/>";
  for (const LinkedInterval& interval : map.intervals) {
    if (interval.chromosome != chromosome) continue;
    const double left = PlotLayout::kLeft + PlotLayout::kPlotWidth * static_cast<double>(interval.first - 1) / static_cast<double>(end);
    const double right = PlotLayout::kLeft + PlotLayout::kPlotWidth * static_cast<double>(interval.last) / static_cast<double>(end);
    out += "<rect class=\"linked\" x=\"" + decimal(left, 1) + "\" y=\"" + plot_top + "\" width=\"" +
           decimal(std::max(right - left, 1.0), 1) + "\" height=\"" + plot_height + "\" data-start=\"" +
           std::to_string(interval.first - 1) + "\" data-end=\"" + std::to_string(interval.last) +
           "\"><title>linked interval " + grouped(interval.first) + " to " + grouped(interval.last) + "</title></rect>";
  }
  for (const double share : {0.0, 0.5, 1.0}) {
    out += "<line class=\"grid\" x1=\"" + decimal(PlotLayout::kLeft, 1) + "\" x2=\"" +
           decimal(PlotLayout::kLeft + PlotLayout::kPlotWidth, 1) + "\" y1=\"" + y_of(share) + "\" y2=\"" +
           y_of(share) + "\"/><text class=\"num\" x=\"" + decimal(PlotLayout::kLeft - 4, 1) + "\" y=\"" +
           decimal(PlotLayout::kTop + PlotLayout::kPlotHeight * (1 - share) + 3, 1) + "\">" + decimal(share, 1) + "</text>";
  }
  out += "<line class=\"limit\" x1=\"" + decimal(PlotLayout::kLeft, 1) + "\" x2=\"" +
         decimal(PlotLayout::kLeft + PlotLayout::kPlotWidth, 1) + "\" y1=\"" + y_of(homozygous) + "\" y2=\"" +
         y_of(homozygous) + "\"/>";
  for (const SharePoint& point : points) {
    out += "<circle class=\"" + std::string(point.share >= homozygous ? "hom" : "pt") + "\" cx=\"" +
           x_of(point.position, end) + "\" cy=\"" + y_of(point.share) + "\" r=\"2.2\" data-pos=\"" +
           std::to_string(point.position) + "\"><title>" + grouped(point.position) + ": share " +
           decimal(point.share, 2) + " of " + grouped(point.depth) + " reads</title></circle>";
  }
  if (!points.empty()) {
    out += "<polyline class=\"smooth\" points=\"";
    for (const SharePoint& point : points) out += x_of(point.position, end) + "," + y_of(point.smoothed) + " ";
    out.back() = '"';
    out += "/>";
  }
  // The strain's own uncovered stretches, as bars along the foot of the plot.
  for (const Candidate& candidate : ranking.candidates) {
    if (candidate.kind != Candidate::Kind::Uncovered || candidate.chromosome != chromosome) continue;
    const std::int64_t first = candidate.first - span.offset;
    const std::int64_t last = candidate.last - span.offset;
    const double left = PlotLayout::kLeft + PlotLayout::kPlotWidth * static_cast<double>(first - 1) / static_cast<double>(end);
    const double right = PlotLayout::kLeft + PlotLayout::kPlotWidth * static_cast<double>(last) / static_cast<double>(end);
    out += "<rect class=\"g\" x=\"" + decimal(left, 1) + "\" y=\"" + decimal(PlotLayout::kTop + PlotLayout::kPlotHeight - 6, 1) +
           "\" width=\"" + decimal(std::max(right - left, 1.5), 1) + "\" height=\"6\" data-start=\"" + std::to_string(first - 1) +
           "\" data-end=\"" + std::to_string(last) + "\"><title>no reads, " + grouped(first) + " to " + grouped(last) + ": " +
           xml(candidate.annotation.region) + "</title></rect>";
  }
  const std::string axis_y = decimal(PlotLayout::kTop + PlotLayout::kPlotHeight, 1);
  out += "<line class=\"axis\" x1=\"" + decimal(PlotLayout::kLeft, 1) + "\" x2=\"" +
         decimal(PlotLayout::kLeft + PlotLayout::kPlotWidth, 1) + "\" y1=\"" + axis_y + "\" y2=\"" + axis_y + "\"/>";
  for (const std::int64_t tick : ticks(axis)) {
    out += "<text class=\"tick\" x=\"" + x_of(tick, end) + "\" y=\"" +
           decimal(PlotLayout::kTop + PlotLayout::kPlotHeight + 16, 1) + "\">" + tick_label(tick, axis.step) + "</text>";
  }
  out += "<text class=\"num\" x=\"" + x_of(end, end) + "\" y=\"" + decimal(PlotLayout::kHeight - 4, 1) + "\">end " +
         grouped(end) + "</text>";
  out += "</svg>";
}

std::string place_of(const GenomeSpans& spans, const Candidate& candidate) {
  std::string text = xml(chromosome_name(spans, candidate.chromosome)) + ":" +
                     grouped(chromosome_position(spans, candidate.first, candidate.chromosome));
  if (candidate.last != candidate.first) {
    text.push_back('-');
    text.append(grouped(chromosome_position(spans, candidate.last, candidate.chromosome)));
  }
  return text;
}

void candidates_section(std::string& out, const StrainRanking& ranking, const CandidateRankSettings& settings) {
  const std::size_t listed = std::min(ranking.candidates.size(), kPageCandidates);
  out += "<h2>Top candidates</h2><p class=\"note\">" + grouped(static_cast<std::int64_t>(listed)) + " of " +
         grouped(static_cast<std::int64_t>(ranking.candidates.size())) +
         " in rank order; all of them are in the strain's _candidates.tsv. Reads in red: fewer than twice the least "
         "depth (" + std::to_string(settings.min_depth) + "), a share to trust less.</p>";
  out +=
      "<table><tr><th>rank</th><th class=\"t\">place</th><th class=\"t\">kind</th><th class=\"t\">region</th>"
      "<th class=\"t\">consequence</th><th class=\"t\">change</th><th>share</th><th>reads (mutant/all)</th>"
      "<th class=\"t\">same gene in</th><th>score</th><th class=\"t\">reasons</th></tr>";
  for (std::size_t i = 0; i < listed; ++i) {
    const Candidate& candidate = ranking.candidates[i];
    const bool snp = candidate.kind == Candidate::Kind::Snp;
    const std::int64_t depth = std::int64_t{candidate.wt_reads} + candidate.mut_reads;
    std::string change = snp ? std::string(1, candidate.ref) + ">" + std::string(1, candidate.alt) : "no reads";
    if (candidate.annotation.amino_acids != ".") change.append(" ").append(candidate.annotation.amino_acids);
    std::string names;
    for (const std::string& name : candidate.strains_with_gene) names += (names.empty() ? "" : ", ") + name;
    out += "<tr><td>" + std::to_string(i + 1) + "</td><td class=\"t\">" + place_of(*ranking.spans, candidate) + "</td><td class=\"t\">" +
           (snp ? "SNP" : "uncovered") + "</td><td class=\"t\">" + xml(candidate.annotation.region) +
           "</td><td class=\"t\">" + xml(candidate.annotation.consequence) + "</td><td class=\"t\">" + xml(change) +
           "</td><td>" + (snp ? decimal(candidate.share(), 2) : "-") + "</td><td" +
           (snp && depth < 2 * std::int64_t{settings.min_depth} ? " class=\"low\"" : "") + ">" +
           (snp ? grouped(candidate.mut_reads) + "/" + grouped(depth) : "-") + "</td><td class=\"t\">" +
           (names.empty() ? "-" : xml(names)) + "</td><td>" + std::to_string(candidate.score) +
           "</td><td class=\"reasons\">" + xml(candidate.reasons) + "</td></tr>";
  }
  out += "</table>\n";
}

void removal_section(std::string& out, const StrainRanking& ranking, const CandidateRankSettings& settings) {
  const DropCounts& c = ranking.counts;
  const auto row = [&](const std::string& what, std::int64_t count) {
    out += "<tr><td class=\"t\">" + xml(what) + "</td><td>" + grouped(count) + "</td></tr>";
  };
  out += "<h2>What the filters removed</h2><table class=\"settings\"><tr><th class=\"t\">step</th><th>count</th></tr>";
  row("changes read (positions with a mutant read)", c.changes_read);
  row("removed: seen in another strain of the batch", c.changes_seen_elsewhere);
  row("removed: fewer than " + std::to_string(settings.min_mut_reads) + " mutant reads", c.changes_few_mutant_reads);
  row("removed: fewer than " + std::to_string(settings.min_depth) + " reads", c.changes_low_depth);
  row("changes kept", c.changes_kept);
  row("stretches without reads read", c.stretches_read);
  row("removed: overlapping one of another strain", c.stretches_shared);
  row("stretches kept", c.stretches_kept);
  out += "</table>\n<h2>Settings and batch</h2><table class=\"settings\"><tr><th class=\"t\">setting</th><th class=\"t\">value</th></tr>";
  const auto setting = [&](const std::string& what, const std::string& value) {
    out += "<tr><td class=\"t\">" + xml(what) + "</td><td class=\"t\">" + xml(value) + "</td></tr>";
  };
  setting("least mutant reads", std::to_string(settings.min_mut_reads));
  setting("least reads", std::to_string(settings.min_depth));
  setting("homozygous from share", decimal(settings.homozygous_share, 2));
  setting("mutagen", std::string(mutagen_name(settings.mutagen)));
  for (const StrainFile& strain : settings.strains) {
    setting(strain.name + (strain.ranked ? " (ranked)" : " (background)"), strain.alignment_path);
  }
  out += "</table>\n";
}

}  // namespace

std::string candidates_page(const StrainRanking& ranking, const CandidateRankSettings& settings,
                            const GenomeSpans& spans) {
  const std::string& name = ranking.strain->name;
  std::string out =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head><meta charset=\"utf-8\"/>"
      "<title>Candidates: " + xml(name) + "</title>\n<style>" + std::string(kPageStyle) + std::string(kExtraStyle) +
      "</style></head>\n<body>\n<h1>Candidates: " + xml(name) + "</h1>\n";
  out += "<p>The changes and stretches without reads that only this strain of the batch shows, ranked: inside the "
         "linked interval first, then what changes a protein, then homozygous, then the mutagen's signature. " +
         xml(ranking.map.verdict) + " All suspected mutations should be confirmed directly.</p>\n";
  out += "<p class=\"note\">Each dot is one of the strain's own changes at its mutant share (red: homozygous, at least " +
         decimal(settings.homozygous_share, 2) + ", the dashed line); the black line is the share smoothed over " +
         std::to_string(2 * MapRule::kHalfWindow + 1) +
         " neighbouring changes (their mutant reads over their reads); the yellow band is the linked interval; a purple "
         "bar at the foot, a stretch of its own without reads. Each axis ends at the chromosome's end.</p>\n";
  std::string empty;
  for (int c = 0; c < static_cast<int>(spans.size()); ++c) {
    const std::vector<SharePoint>& points = ranking.map.points[static_cast<std::size_t>(c)];
    if (points.empty()) {
      empty += (empty.empty() ? "" : ", ") + xml(spans[static_cast<std::size_t>(c)].name);
      continue;
    }
    out += "<figure><figcaption><b>Chromosome " + xml(spans[static_cast<std::size_t>(c)].name) + "</b>: " +
           grouped(static_cast<std::int64_t>(points.size())) + " own changes, " +
           grouped(spans[static_cast<std::size_t>(c)].length) + " positions.</figcaption>";
    share_plot(out, c, ranking, spans[static_cast<std::size_t>(c)], settings.homozygous_share);
    out += "</figure>\n";
  }
  if (!empty.empty()) out += "<p class=\"note\">No own changes on chromosome " + empty + ".</p>\n";
  candidates_section(out, ranking, settings);
  removal_section(out, ranking, settings);
  out += "<p class=\"note\">Ranked by Candidate_rank " + std::string(kSuiteVersion) + ".</p>\n</body>\n</html>\n";
  return out;
}

}  // namespace vesmar
