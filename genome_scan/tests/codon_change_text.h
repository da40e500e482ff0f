#pragma once

#include <string>
#include <string_view>

#include "genome_scan/codon_change.h"
#include "genome_scan/codon_table.h"
#include "formats/feature_locations/exon_tables.h"

namespace vesmar::testing {

// The report's codon column of a coding hit in the exon `exon_name`, for
// tests to compare whole texts.
inline std::string codon_change_text(std::string_view exon_name, const ExonGeometry& geometry,
                                     std::string_view read_window, std::string_view reference_window,
                                     const ExonTables& tables) {
  ExonContext exon(exon_name, tables.sequences);
  const CodonChange change =
      codon_change(exon, geometry, read_window, reference_window, CodonTable(tables.genetic_code));
  std::string text(change.text_size(), '\0');
  text.resize(static_cast<std::size_t>(change.put(text.data()) - text.data()));
  return text;
}

}  // namespace vesmar::testing
