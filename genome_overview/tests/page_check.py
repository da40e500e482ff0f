"""Reads an overview page back and checks it against the VCF and BED files it
was drawn from: every SNP a mark in the lane of its class at its place (or
counted in the bin that holds it), every stretch without reads a bar with
BED's start and end (or counted in its bin), as many as there are distinct
places in the files.

    python3 page_check.py PAGE FILE.vcf... FILE.bed...
"""
import bisect
import sys
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"
CLASSES = "pesin"  # protein change, exon, splice region, intron, intergenic: most specific first


def fail(message):
    sys.exit("page_check.py: " + message)


def snp_places(paths):
    places = {}
    for path in paths:
        for line in open(path, encoding="utf-8", errors="replace"):
            if line.startswith("#"):
                continue
            chrom, pos, *_, info = line.rstrip("\n").split("\t")[:8]
            keys = dict(entry.split("=", 1) for entry in info.split(";") if "=" in entry)
            kind = {"exon": "e", "intron": "i", "intergenic": "n"}[keys["CLASS"]]
            consequence = keys.get("CSQ", "").split("|")[0]
            if kind == "e" and consequence in ("missense", "stop_gained", "stop_lost"):
                kind = "p"
            elif kind == "e" and consequence == "splice_region":
                kind = "s"
            place = (chrom, int(pos))
            if place not in places or CLASSES.index(kind) < CLASSES.index(places[place]):
                places[place] = kind
    return places


def gap_places(paths):
    places = set()
    for path in paths:
        for line in open(path, encoding="utf-8", errors="replace"):
            if not line.startswith("#"):
                fields = line.rstrip("\n").split("\t")
                chrom, start, end = fields[0], int(fields[1]), int(fields[2])
                # An insertion's two neighbouring positions are drawn as the
                # point between them.
                if fields[7] == "insertion" and end - start == 2:
                    start = end = start + 1
                places.add((chrom, start, end))
    return places


def binned(bins, keys, what):
    """Every key (chrom, css, position) in the one bin of its chromosome and
    class whose range holds it, as many as the bin says."""
    counted, starts = {}, {chrom_css: [b[0] for b in ranges] for chrom_css, ranges in bins.items()}
    for key in keys:
        ranges = bins.get(key[:2], [])
        at = bisect.bisect_right(starts.get(key[:2], []), key[2]) - 1
        if at < 0 or not ranges[at][0] <= key[2] <= ranges[at][1]:
            fail(f"{what} {key} lies in no bin")
        counted[key[:2], ranges[at]] = counted.get((key[:2], ranges[at]), 0) + 1
    for chrom_css, ranges in bins.items():
        for bin_range in ranges:
            if counted.get((chrom_css, bin_range), 0) != bin_range[2]:
                fail(f"the {what} bin {chrom_css} {bin_range} holds {counted.get((chrom_css, bin_range), 0)}")


def main(page, files):
    snps = snp_places([f for f in files if f.endswith(".vcf")])
    gaps = gap_places([f for f in files if f.endswith(".bed")])
    drawn_snps, drawn_gaps, snp_bins, gap_bins = {}, set(), {}, {}
    binned_snps, binned_gaps = set(), set()
    for track in ET.parse(page).getroot().iter(SVG + "svg"):
        chrom = track.get("data-chrom")
        if chrom is None:
            continue
        end, left, width = (float(track.get(a)) for a in ("data-axis-end", "data-plot-left", "data-plot-width"))
        if track.get("data-snps") == "bins":
            binned_snps.add(chrom)
        if track.get("data-gaps") == "bins":
            binned_gaps.add(chrom)
        for mark in track.iter():
            css = mark.get("class")
            data = {k[5:]: int(v) for k, v in mark.attrib.items() if k.startswith("data-") and v.isdigit()}
            if mark.tag == SVG + "rect" and "pos" in data:
                if abs(float(mark.get("x")) + 0.8 - (left + (data["pos"] - 0.5) / end * width)) > 0.06:
                    fail(f"the mark of {chrom}:{data['pos']} is not at its place")
                drawn_snps[(chrom, data["pos"])] = css
            elif "start" in data:
                drawn_gaps.add((chrom, data["start"], data["end"]))
            elif mark.tag == SVG + "rect" and "n" in data:
                bins = gap_bins if css == "g" else snp_bins
                bins.setdefault((chrom, css), []).append((data["from"], data["to"], data["n"]))
    for what, expected, drawn in (("SNP", {p: c for p, c in snps.items() if p[0] not in binned_snps}, drawn_snps),
                                  ("stretch", {g for g in gaps if g[0] not in binned_gaps}, drawn_gaps)):
        if expected != drawn:
            missing, extra = len(set(expected) - set(drawn)), len(set(drawn) - set(expected))
            fail(f"{what} marks differ from the files: {missing} missing, {extra} more, or in other lanes")
    binned(snp_bins, [(c, css, p) for (c, p), css in snps.items() if c in binned_snps], "SNP")
    binned(gap_bins, [(c, "g", s + 1) for (c, s, e) in gaps if c in binned_gaps], "stretch")
    print(f"{page}: {len(snps)} SNPs and {len(gaps)} stretches agree with the files"
          f" (binned: SNPs on {sorted(binned_snps)}, stretches on {sorted(binned_gaps)})")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
