#include "genome_overview/track_svg.h"

#include <algorithm>
#include <cmath>

#include "page_drawing/page_text.h"

namespace vesmar {

namespace {

using L = TrackLayout;

// A lane for each SNP class, then the uncovered stretches' lane.
constexpr const char* kLaneNames[] = {"protein change", "exon, other", "splice region", "intron", "intergenic",
                                      "no reads"};
constexpr int kGapLane = kSnpClasses;

// Draws on `axis`: x of a place between positions (u = p - 1 is the start
// of position p, u = p its end, as BED counts).
struct Plot {
  const Axis& axis;
  std::string& out;

  double x(double u) const { return L::kPlotLeft + u / static_cast<double>(axis.end) * L::kPlotWidth; }
  static double lane_y(int lane) { return L::kLaneTop + lane * L::kLanePitch; }
  static double share_y(double share) { return L::kStripTop + (1 - share) * L::kStripHeight; }

  void text(double x, double y, const char* css, const std::string& words) {
    out += "<text class=\"" + std::string(css) + "\" x=\"" + decimal(x, 1) + "\" y=\"" + decimal(y, 1) + "\">";
    append_xml(out, words);
    out += "</text>";
  }
  void rect(const char* css, double x, double y, double width, double height) {
    out += "<rect class=\"" + std::string(css) + "\" x=\"" + decimal(x, 1) + "\" y=\"" + decimal(y, 1) + "\" width=\"" +
           decimal(width, 2) + "\" height=\"" + decimal(height, 1) + "\"";
  }
  // Opens a circle; the caller adds attributes and ends it.
  void circle(const char* css, double cx, double cy, double r) {
    out += "<circle class=\"" + std::string(css) + "\" cx=\"" + decimal(cx, 1) + "\" cy=\"" + decimal(cy, 1) +
           "\" r=\"" + decimal(r, 1) + "\"";
  }
  void line(const char* css, double x1, double x2, double y1, double y2) {
    out += "<line class=\"" + std::string(css) + "\" x1=\"" + decimal(x1, 1) + "\" x2=\"" + decimal(x2, 1) +
           "\" y1=\"" + decimal(y1, 1) + "\" y2=\"" + decimal(y2, 1) + "\"/>";
  }
  // Ends an element opened by rect() or by hand, with its tooltip.
  void titled(const std::string& title, const char* tag) {
    out += "><title>";
    append_xml(out, title);
    out += "</title></" + std::string(tag) + ">";
  }
};

std::string data(const char* name, std::int64_t value) {
  return std::string(" data-") + name + "=\"" + std::to_string(value) + "\"";
}

std::string place(const std::string& chromosome, std::int64_t from, std::int64_t to) {
  return chromosome + ":" + grouped(from) + "-" + grouped(to);
}

// A bin's bar: bottom-aligned in its lane, higher the more it holds.
double bar_height(std::uint32_t count, std::uint32_t peak) {
  const double scaled = std::log1p(count) / std::log1p(std::max<std::uint32_t>(peak, 1));
  return 3 + (L::kLaneHeight - 3) * std::min(scaled, 1.0);
}

// The shared axis, whole under every track, with its ticks and labels.
void draw_axis(Plot& plot, double y) {
  plot.line("axis", L::kPlotLeft, L::kPlotLeft + L::kPlotWidth, y, y);
  for (const std::int64_t tick : ticks(plot.axis)) {
    const double x = plot.x(static_cast<double>(tick));
    plot.line("axis", x, x, y, y + 5);
    plot.text(x, y + 19, "tick", tick_label(tick, plot.axis.step));
  }
}

// A lane's background, as long as the chromosome is drawn.
void draw_lane(Plot& plot, const char* name, double y, double height, double end_x) {
  plot.text(L::kPlotLeft - 6, y + 11, "lab", name);
  plot.rect("lane", L::kPlotLeft, y, end_x - L::kPlotLeft, height);
  plot.out += "/>";
}

// Where the chromosome's drawing ends: its length, or the axis's end.
double chromosome_end(const Plot& plot, std::int64_t extent) {
  return plot.x(static_cast<double>(std::min(extent, plot.axis.end)));
}

// A chromosome that goes on past the axis gets a break mark at its end,
// whose foot is at `bottom`.
void draw_cut(Plot& plot, std::int64_t extent, double bottom) {
  if (extent <= plot.axis.end) return;
  const double end_x = chromosome_end(plot, extent);
  plot.out += "<path class=\"cut\" d=\"M" + decimal(end_x - 5, 1) + "," + decimal(bottom, 1) + "l5,-10m0,10l5,-10\"/>";
}

void draw_frame(Plot& plot, std::int64_t extent) {
  const double end_x = chromosome_end(plot, extent);
  for (int lane = 0; lane <= kGapLane; ++lane) draw_lane(plot, kLaneNames[lane], Plot::lane_y(lane), L::kLaneHeight, end_x);
  plot.text(L::kPlotLeft - 26, L::kStripTop + 22, "lab", "mutant");
  plot.text(L::kPlotLeft - 26, L::kStripTop + 36, "lab", "share");
  draw_lane(plot, "", L::kStripTop, L::kStripHeight, end_x);
  for (const double share : {1.0, 0.5, 0.0}) {
    plot.line("grid", L::kPlotLeft, end_x, Plot::share_y(share), Plot::share_y(share));
    plot.text(L::kPlotLeft - 4, Plot::share_y(share) + 4, "num", share == 0.5 ? "0.5" : share == 1 ? "1" : "0");
  }
  draw_cut(plot, extent, L::kStripTop + L::kStripHeight);
  draw_axis(plot, L::kAxisY);
}

void draw_snp_marks(Plot& plot, const ChromosomeTrack& track) {
  for (const SnpMark& mark : track.snp_marks) {
    const int lane = index_of(mark.snp_class);
    const double x = plot.x(static_cast<double>(mark.position) - 0.5);
    plot.rect(kClassCss[lane], x - 0.8, Plot::lane_y(lane), 1.6, L::kLaneHeight);
    plot.out += data("pos", mark.position);
    plot.titled(mark.title, "rect");
  }
  for (const SnpMark& mark : track.snp_marks) {
    if (mark.share < 0) continue;
    plot.circle(kClassCss[index_of(mark.snp_class)], plot.x(static_cast<double>(mark.position) - 0.5),
                Plot::share_y(mark.share), 2.4);
    plot.out += data("pos", mark.position) + " data-share=\"" + decimal(mark.share, 3) + "\"/>";
  }
}

void draw_gap_bars(Plot& plot, const ChromosomeTrack& track) {
  const double y = Plot::lane_y(kGapLane);
  for (const GapBar& bar : track.gap_bars) {
    const double x = plot.x(static_cast<double>(bar.start));
    const std::string where = data("start", bar.start) + data("end", bar.end);
    if (bar.end == bar.start) {
      // The trace of an insertion: a point between two positions.
      plot.out += "<path class=\"" + std::string(kGapCss) + "\" d=\"M" + decimal(x - 3.5, 1) + "," + decimal(y, 1) +
                  "h7l-3.5,8z\"" + where;
      plot.titled(bar.title, "path");
      continue;
    }
    const double width = plot.x(static_cast<double>(bar.end)) - x;
    plot.rect(kGapCss, x - std::max(0.0, 1.2 - width) / 2, y, std::max(width, 1.2), L::kLaneHeight);
    plot.out += where;
    plot.titled(bar.title, "rect");
  }
}

// Each drawn bin: its first and last position, up to the axis's end.
struct BinRange {
  std::int64_t from;
  std::int64_t to;
};

BinRange range_of(std::size_t bin, std::int64_t bin_positions, const Axis& axis) {
  const std::int64_t first = static_cast<std::int64_t>(bin) * bin_positions;
  return {std::max<std::int64_t>(first, 1), std::min(first + bin_positions - 1, axis.end)};
}

void draw_snp_bins(Plot& plot, const std::string& chromosome, const std::vector<PositionBin>& drawn,
                   std::int64_t bin_positions, std::uint32_t peak) {
  for (std::size_t bin = 0; bin < drawn.size(); ++bin) {
    const BinRange range = range_of(bin, bin_positions, plot.axis);
    const double x = plot.x(static_cast<double>(range.from - 1));
    const double width = std::max(plot.x(static_cast<double>(range.to)) - x, 0.6);
    for (int lane = 0; lane < kSnpClasses; ++lane) {
      const std::uint32_t count = drawn[bin].snps[static_cast<std::size_t>(lane)];
      if (count == 0) continue;
      const double height = bar_height(count, peak);
      plot.rect(kClassCss[lane], x, Plot::lane_y(lane) + L::kLaneHeight - height, width, height);
      plot.out += data("from", range.from) + data("to", range.to) + data("n", count);
      plot.titled(place(chromosome, range.from, range.to) + ": " + grouped(count) + (count == 1 ? " SNP" : " SNPs"),
                  "rect");
    }
    const PositionBin& shares = drawn[bin];
    if (shares.shares == 0) continue;
    const double middle = x + width / 2;
    const double top = Plot::share_y(shares.share_most);
    plot.rect("range", middle - 0.6, top, 1.2, std::max(Plot::share_y(shares.share_least) - top, 0.5));
    plot.out += "/>";
    const double mean = shares.share_sum / shares.shares;
    plot.circle("mean", middle, Plot::share_y(mean), 1.6);
    plot.out += data("from", range.from) + data("to", range.to) + data("n", shares.shares) + " data-mean=\"" +
                decimal(mean, 3) + "\"/>";
  }
}

void draw_gap_bins(Plot& plot, const std::string& chromosome, const std::vector<PositionBin>& drawn,
                   std::int64_t bin_positions, std::uint32_t peak) {
  for (std::size_t bin = 0; bin < drawn.size(); ++bin) {
    const std::uint32_t count = drawn[bin].gaps;
    if (count == 0) continue;
    const BinRange range = range_of(bin, bin_positions, plot.axis);
    const double x = plot.x(static_cast<double>(range.from - 1));
    const double height = bar_height(count, peak);
    plot.rect(kGapCss, x, Plot::lane_y(kGapLane) + L::kLaneHeight - height,
              std::max(plot.x(static_cast<double>(range.to)) - x, 0.6), height);
    plot.out += data("from", range.from) + data("to", range.to) + data("n", count) +
                data("positions", drawn[bin].gap_positions);
    plot.titled(place(chromosome, range.from, range.to) + ": " + grouped(count) +
                    (count == 1 ? " stretch" : " stretches") + " without reads beginning here, " +
                    grouped(drawn[bin].gap_positions) + " positions",
                "rect");
  }
}

}  // namespace

std::int64_t drawn_bin_positions(const Axis& axis, std::int64_t bin_width) {
  const double wanted = static_cast<double>(axis.end) * L::kBinWidth / L::kPlotWidth;
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(wanted / static_cast<double>(bin_width))) * bin_width;
}

std::string track_svg(const std::string& chromosome, std::int64_t extent, const ChromosomeTrack& track,
                      const std::vector<PositionBin>& drawn, std::int64_t bin_positions, const Axis& axis,
                      const BinPeaks& peaks) {
  // A layout's names may hold any character but white space.
  const std::string name = xml(chromosome);
  const bool empty = track.all_snps() == 0 && track.gaps == 0;
  // The width and height give the aspect ratio that the page's CSS keeps
  // as it scales the drawing to the page's width.
  const std::string size =
      "width=\"" + decimal(L::kWidth, 0) + "\" height=\"" + decimal(empty ? L::kEmptyHeight : L::kHeight, 0) + "\"";
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"track\" " + size + " viewBox=\"0 0 " + decimal(L::kWidth, 0) +
      " " + decimal(empty ? L::kEmptyHeight : L::kHeight, 0) + "\" role=\"img\" aria-label=\"Chromosome " + name +
      "\" data-chrom=\"" + name + "\"" + data("axis-end", axis.end) + " data-plot-left=\"" + decimal(L::kPlotLeft, 0) +
      "\" data-plot-width=\"" + decimal(L::kPlotWidth, 0) + "\" data-snps=\"" +
      (track.snps_binned() ? "bins" : "marks") + "\" data-gaps=\"" + (track.gaps_binned() ? "bins" : "marks") + "\">";
  Plot plot{axis, out};
  if (empty) {
    // Nothing to mark: one lane shows the chromosome's length.
    draw_lane(plot, "nothing found", L::kLaneTop, L::kLaneHeight, chromosome_end(plot, extent));
    draw_cut(plot, extent, L::kLaneTop + L::kLaneHeight + 2);
    draw_axis(plot, L::kEmptyAxisY);
    return out + "</svg>";
  }
  draw_frame(plot, extent);
  if (track.gaps_binned()) {
    draw_gap_bins(plot, chromosome, drawn, bin_positions, peaks.gaps);
  } else {
    draw_gap_bars(plot, track);
  }
  if (track.snps_binned()) {
    draw_snp_bins(plot, chromosome, drawn, bin_positions, peaks.snps);
  } else {
    draw_snp_marks(plot, track);
  }
  out += "</svg>";
  return out;
}

}  // namespace vesmar
