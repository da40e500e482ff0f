#pragma once

#include <string>
#include <vector>

#include "formats/record_lines/input_record.h"
#include "genome_overview/overview.h"

namespace vesmar {

// The files an overview was drawn from.
struct PageSources {
  std::string first_name;
  std::vector<FileTally> snp_files;  // the VCFs read, in the order exons, introns, intergenic
  std::vector<FileTally> gap_files;  // the BEDs
  bool candidates_page = false;      // Candidate_rank's page for the name is there
};

// The overview page: one self-contained XHTML file (inline CSS and SVG, no
// script, nothing fetched) that a browser shows and prints and an XML
// parser reads. A track per chromosome with a legend, the counts per
// chromosome and class, the SNPs that change a protein, how to read the
// picture, and the files with the settings their headers record. The same
// input gives the same bytes.
std::string overview_page(const Overview& overview, const PageSources& sources);

}  // namespace vesmar
