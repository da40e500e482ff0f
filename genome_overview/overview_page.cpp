#include "genome_overview/overview_page.h"

#include <algorithm>
#include <array>

#include "engine/program_info.h"
#include "engine/fixed_width.h"
#include "engine/percent_encoding.h"
#include "page_drawing/axis_scale.h"
#include "page_drawing/page_style.h"
#include "page_drawing/page_text.h"
#include "genome_overview/track_svg.h"

namespace vesmar {

namespace {

// A layout's names may hold any character but white space.
std::string chromosome_name(const Overview& overview, int chromosome) { return xml(overview.name(chromosome)); }

std::string file_name(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string plural(std::int64_t count, const char* one, const char* many) {
  return grouped(count) + " " + (count == 1 ? one : many);
}

// Where every track is drawn, and how its bins are merged.
struct Picture {
  Axis axis;
  std::int64_t bin_positions = 1;
  std::vector<std::vector<PositionBin>> drawn;  // by chromosome
  BinPeaks peaks;
};

Picture picture_of(const Overview& overview) {
  Picture picture;
  std::int64_t longest = 0;
  for (int c = 0; c < overview.chromosomes(); ++c) longest = std::max(longest, overview.extent(c));
  picture.axis = axis_for(overview.farthest(), longest);
  picture.bin_positions = drawn_bin_positions(picture.axis, overview.bins().width());
  picture.drawn.resize(static_cast<std::size_t>(overview.chromosomes()));
  for (int c = 0; c < overview.chromosomes(); ++c) {
    const ChromosomeTrack& track = overview.track(c);
    if (!track.snps_binned() && !track.gaps_binned()) continue;
    picture.drawn[static_cast<std::size_t>(c)] =
        overview.bins().merged(c, picture.bin_positions / overview.bins().width());
    for (const PositionBin& bin : picture.drawn[static_cast<std::size_t>(c)]) {
      if (track.snps_binned())
        picture.peaks.snps = std::max(picture.peaks.snps, *std::max_element(bin.snps.begin(), bin.snps.end()));
      if (track.gaps_binned()) picture.peaks.gaps = std::max(picture.peaks.gaps, bin.gaps);
    }
  }
  return picture;
}

// A legend's sample: `shape` drawn in a square of 16 units.
std::string swatch(const std::string& shape) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" viewBox=\"0 0 16 16\">" + shape +
         "</svg>";
}

std::string css(const char* name) { return "class=\"" + std::string(name) + "\" "; }

void legend(std::string& out) {
  out += "<ul class=\"legend\">";
  for (int c = 0; c < kSnpClasses; ++c) {
    out += "<li>" + swatch("<rect " + css(kClassCss[c]) + "x=\"6\" y=\"1\" width=\"4\" height=\"14\"/>") +
           "SNP: " + std::string(kSnpClassNames[static_cast<std::size_t>(c)]) + "</li>";
  }
  out += "<li>" + swatch("<rect " + css(kGapCss) + "x=\"0\" y=\"1\" width=\"16\" height=\"14\"/>") +
         "stretch without reads</li>";
  out += "<li>" + swatch("<path " + css(kGapCss) + "d=\"M2,2h12l-6,11z\"/>") + "trace of an insertion</li>";
  out += "<li>" + swatch("<circle " + css(kClassCss[0]) + "cx=\"8\" cy=\"8\" r=\"4\"/>") +
         "an SNP's mutant share, in its class's colour</li>";
  out += "<li>" +
         swatch(
             "<rect class=\"range\" x=\"7\" y=\"1\" width=\"2\" height=\"14\"/>"
             "<circle class=\"mean\" cx=\"8\" cy=\"6\" r=\"3\"/>") +
         "a bin's mean share and range</li>";
  out += "</ul>";
}

void track_figure(std::string& out, const Overview& overview, const Picture& picture, int c) {
  const ChromosomeTrack& track = overview.track(c);
  const std::int64_t extent = overview.extent(c);
  out += "<figure><figcaption><b>Chromosome " + chromosome_name(overview, c) + "</b>: ";
  if (track.all_snps() == 0 && track.gaps == 0) {
    out += "no SNPs and no stretches without reads in these files. ";
  } else {
    out += plural(track.all_snps(), "SNP", "SNPs") + " (" + grouped(track.snps[0]) + " changing a protein), " +
           plural(track.gaps, "stretch", "stretches") + " without reads (" +
           plural(track.gap_positions, "position", "positions") + "). ";
  }
  out += grouped(extent) + " positions long";
  out += extent > picture.axis.end ? "; cut where the axis ends, at " + grouped(picture.axis.end) + "." : ".";
  if (track.snps_binned()) out += " SNPs in bins of " + grouped(picture.bin_positions) + " positions.";
  if (track.gaps_binned()) out += " Stretches in bins of " + grouped(picture.bin_positions) + " positions.";
  out += "</figcaption>";
  out += track_svg(overview.name(c), extent, track, picture.drawn[static_cast<std::size_t>(c)], picture.bin_positions,
                   picture.axis, picture.peaks);
  out += "</figure>\n";
}

void counts_table(std::string& out, const Overview& overview) {
  out += "<h2>Counts</h2><table><tr><th class=\"t\">chromosome</th>";
  for (const std::string_view name : kSnpClassNames) out += "<th>" + std::string(name) + "</th>";
  out += "<th>all SNPs</th><th>stretches without reads</th><th>positions without reads</th></tr>";
  std::array<std::int64_t, kSnpClasses + 3> total{};
  for (int c = 0; c < overview.chromosomes(); ++c) {
    const ChromosomeTrack& track = overview.track(c);
    std::array<std::int64_t, kSnpClasses + 3> row{};
    std::copy(track.snps.begin(), track.snps.end(), row.begin());
    row[kSnpClasses] = track.all_snps();
    row[kSnpClasses + 1] = track.gaps;
    row[kSnpClasses + 2] = track.gap_positions;
    out += "<tr><td class=\"t\">" + chromosome_name(overview, c) + "</td>";
    for (std::size_t i = 0; i < row.size(); ++i) {
      out += "<td>" + grouped(row[i]) + "</td>";
      total[i] += row[i];
    }
    out += "</tr>";
  }
  out += "<tr><th class=\"t\">all</th>";
  for (const std::int64_t value : total) out += "<th>" + grouped(value) + "</th>";
  out += "</tr></table>\n";
}

// The share with the reads it comes from beside it: a share of 1.00 from 2
// reads is no call like one from 45. Fewer reads than Candidate_rank's
// least depth (3) are marked.
constexpr std::int64_t kLeastTrustedDepth = 3;

std::string share_cell(const Candidate& candidate) {
  if (candidate.share < 0) return "<td>-</td>";
  if (candidate.wt_reads < 0 || candidate.mut_reads < 0) return "<td>" + decimal(candidate.share, 2) + "</td>";
  const std::int64_t depth = std::int64_t{candidate.wt_reads} + candidate.mut_reads;
  return std::string(depth < kLeastTrustedDepth ? "<td class=\"low\" title=\"fewer than 3 reads\">" : "<td>") +
         decimal(candidate.share, 2) + " of " + grouped(depth) + (depth < kLeastTrustedDepth ? " (few reads)" : "") +
         "</td>";
}

void candidates_table(std::string& out, const Overview& overview) {
  const CandidateList& candidates = overview.candidates();
  out += "<h2>SNPs that change a protein</h2>";
  if (candidates.offered() == 0) {
    out +=
        "<p>None: no exon SNP in these files changes a protein (an exon search, region choice e, finds "
        "them).</p>\n";
    return;
  }
  const std::vector<Candidate> listed = candidates.listed();
  out +=
      "<p class=\"note\">The candidates to look at first: exon SNPs whose codon change alters the amino acid "
      "(missense) or makes or loses a stop codon. ";
  if (candidates.offered() > static_cast<std::int64_t>(listed.size())) {
    out += "Listed: the " + grouped(static_cast<std::int64_t>(listed.size())) + " of " + grouped(candidates.offered()) +
           " with the highest mutant share (then the most mutant reads), in genome order; " +
           grouped(candidates.offered() - static_cast<std::int64_t>(listed.size())) + " more are in the exon VCF file.";
  } else {
    out += "All of them, in genome order.";
  }
  out +=
      "</p><table><tr><th class=\"t\">place</th><th class=\"t\">region</th><th class=\"t\">change</th>"
      "<th class=\"t\">bases</th><th class=\"t\">codons</th><th class=\"t\">amino acids</th>"
      "<th>WT reads</th><th>mutant reads</th><th>mutant share of reads</th></tr>";
  for (const Candidate& candidate : listed) {
    const std::string place = chromosome_name(overview, candidate.chromosome) + ":" + grouped(candidate.position);
    out += "<tr><td class=\"t\">" + place +
           "</td><td class=\"t\">" + xml(candidate.region) + "</td><td class=\"t\">" + xml(candidate.consequence) +
           "</td><td class=\"t\">" + xml(candidate.ref + ">" + candidate.alt) + "</td><td class=\"t\">" +
           xml(candidate.codons) + "</td><td class=\"t\">" + xml(candidate.amino_acids) + "</td><td>" +
           (candidate.wt_reads < 0 ? "-" : grouped(candidate.wt_reads)) + "</td><td>" +
           (candidate.mut_reads < 0 ? "-" : grouped(candidate.mut_reads)) + "</td>" + share_cell(candidate) + "</tr>";
  }
  out += "</table>\n";
}

std::string binned_names(const Overview& overview, bool snps) {
  std::string names;
  for (int c = 0; c < overview.chromosomes(); ++c) {
    if (snps ? overview.track(c).snps_binned() : overview.track(c).gaps_binned()) {
      names += (names.empty() ? "" : ", ") + chromosome_name(overview, c);
    }
  }
  return names.empty() ? "none" : names;
}

// How long a track is. The built-in layout knows the chromosomes' offsets
// alone, so each gets its whole room; a layout file gives their lengths.
std::string track_length_note(const ChromosomeLayout& layout) {
  if (!layout.lengths_known) {
    return "A track is as long as the chromosome's room in the joined reference genome: from its offset to the "
           "next chromosome's, " +
           xml(layout.chromosomes.back().name) + "'s to the genome's end at " + grouped(genome_end(layout)) +
           " (its length and the padding after it)";
  }
  return "A track is as long as the chromosome, as the chromosome layout " + xml(layout.source) + " gives its length";
}

void reading_notes(std::string& out, const Overview& overview, const Picture& picture) {
  const std::string marks = grouped(ChromosomeTrack::kMarksBeforeBins);
  out += "<h2>How to read the picture</h2><ul>";
  out +=
      "<li>Each chromosome has a track, drawn to scale on an axis that all tracks share (positions on the "
      "chromosome, as the files give them). " +
      track_length_note(overview.layout()) +
      ", or longer when a record lies farther. The axis runs to the "
      "farthest record, rounded up to a tick, here " +
      grouped(picture.axis.end) +
      ", but never past the longest chromosome, so that records near the start of the genome are spread out; "
      "a chromosome that goes on past the axis ends in a break mark.</li>";
  out +=
      "<li>Lanes: an SNP is a mark at its position, in the lane and colour of its class. An SNP reported in "
      "several files (a hit at the edge of an exon is also the neighbour of an intron) is drawn and counted "
      "once, in the most specific of its classes: exon changing a protein, exon, intron, intergenic. A stretch "
      "without reads that several regions report is drawn once; the trace of an insertion (changed positions "
      "side by side) is a triangle.</li>";
  out +=
      "<li>Mutant share: mutant reads / (WT + mutant reads) of each SNP. 1: every read shows the change; near "
      "0.5: one of two copies. In a mapping cross the causal mutation lies where the shares approach 1.</li>";
  out += "<li>Bins: a chromosome with more than " + marks + " SNPs has its SNP lanes drawn in bins of " +
         grouped(picture.bin_positions) +
         " positions, a bar for each bin and class whose height grows with the logarithm of the number of SNPs in "
         "it (the fullest bin on the page fills its lane); its share strip then shows each bin's mean share and "
         "the range from its least to its most. Likewise with more than " +
         marks + " stretches without reads. Binned SNPs here: " + binned_names(overview, true) +
         "; binned stretches: " + binned_names(overview, false) + ".</li>";
  out += "<li>In a browser, a mark shows its record (or a bin its count) under the pointer.</li></ul>\n";
}

// The files read and the settings their headers record, a column a file.
void files_table(std::string& out, const PageSources& sources) {
  std::vector<const FileTally*> files;
  for (const FileTally& file : sources.snp_files) files.push_back(&file);
  for (const FileTally& file : sources.gap_files) files.push_back(&file);
  std::vector<std::string> keys;
  for (const FileTally* file : files) {
    for (const auto& [key, value] : file->settings) {
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    }
  }
  out +=
      "<h2>Files and settings</h2><p class=\"note\">The files read, in Desktop/vesmar/, and the run settings "
      "their headers record (the BED files record none).</p><table class=\"files\"><tr><th class=\"t\">file</th>";
  for (const FileTally* file : files) out += "<th class=\"t\">" + xml(file_name(file->path)) + "</th>";
  const auto row = [&](const std::string& label, auto cell) {
    out += "</tr><tr><td class=\"t\">" + xml(label) + "</td>";
    for (const FileTally* file : files) out += "<td class=\"t\">" + xml(cell(*file)) + "</td>";
  };
  row("records", [](const FileTally& file) { return grouped(file.records); });
  row("lines left out", [](const FileTally& file) { return grouped(file.other_chromosomes + file.malformed); });
  for (const std::string& key : keys) {
    row(key.starts_with("vesmar_") ? key.substr(7) : key, [&](const FileTally& file) {
      for (const auto& [k, value] : file.settings) {
        if (k == key) return value;
      }
      return std::string("-");
    });
  }
  out += "</tr></table>\n";
}

}  // namespace

std::string overview_page(const Overview& overview, const PageSources& sources) {
  const Picture picture = picture_of(overview);
  std::string out =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head><meta charset=\"utf-8\"/>"
      "<title>Genome overview: " +
      xml(sources.first_name) + "</title>\n<style>" + std::string(kPageStyle) +
      "</style></head>\n<body>\n<h1>Genome overview: " + xml(sources.first_name) + "</h1>\n";
  out += "<p>Where along each chromosome the suspected SNPs (" + grouped(overview.snps()) + ", from " +
         plural(static_cast<std::int64_t>(sources.snp_files.size()), "VCF file", "VCF files") +
         " of Point_scan) and the stretches without reads (" + grouped(overview.gaps()) + ", from " +
         plural(static_cast<std::int64_t>(sources.gap_files.size()), "BED file", "BED files") +
         " of Gap_region_scan) lie. All suspected mutations should be confirmed directly.</p>\n";
  if (sources.candidates_page) {
    std::string link(3 * sources.first_name.size() + 40, '\0');
    char* end = put_text(link.data(), "../Candidates/");
    end = put_percent_encoded(end, sources.first_name, [](char c) {
      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    });
    end = put_text(end, "_candidates.html");
    link.resize(static_cast<std::size_t>(end - link.data()));
    out += "<p>The strain's candidates, ranked against the other strains of its batch by Candidate_rank: <a href=\"" +
           xml(link) + "\">" + xml(sources.first_name) + "_candidates.html</a>.</p>\n";
  }
  legend(out);
  out += "\n";
  // Chromosomes with nothing found share one line rather than an empty
  // track each, which took half the page.
  std::string empty;
  for (int c = 0; c < overview.chromosomes(); ++c) {
    const ChromosomeTrack& track = overview.track(c);
    if (track.all_snps() == 0 && track.gaps == 0) {
      empty += (empty.empty() ? "" : ", ") + chromosome_name(overview, c);
    } else {
      track_figure(out, overview, picture, c);
    }
  }
  if (!empty.empty()) out += "<p class=\"note\">Nothing found on chromosome " + empty + " in these files.</p>\n";
  counts_table(out, overview);
  candidates_table(out, overview);
  reading_notes(out, overview, picture);
  files_table(out, sources);
  out += "<p class=\"note\">Drawn by Genome_overview " + std::string(kSuiteVersion) + ".</p>\n</body>\n</html>\n";
  return out;
}

}  // namespace vesmar
