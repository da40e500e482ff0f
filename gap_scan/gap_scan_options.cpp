#include "gap_scan/gap_scan_options.h"

namespace vesmar {

std::string_view gap_scan_help_text() {
  return "Gap_region_scan: finds the stretches of the genome that no read covers in an\n"
         "alignment results file (Desktop/vesmar/Alignment_results/), assigns them to\n"
         "exons, introns or intergenic regions, and writes a report into\n"
         "Desktop/vesmar/Deletion_results/. Run it from the folder that holds Desktop.\n"
         "It asks its questions on standard input; for batch use, answer them with a\n"
         "here-document:\n"
         "  Gap_region_scan <<EOF\n"
         "  e\n"
         "  yourfirstname\n"
         "  alignment_results_file_name\n"
         "  EOF\n"
         "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
         "docs/Read_me.md in the source tree).\n";
}

}  // namespace vesmar
