#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesmar::fuzz {

// The dialogue targets run the programs' whole dialogues in a scratch
// working folder holding a small fixed Desktop/vesmar tree: alignment results
// files, every feature location file, read files and chromosome files on the
// Desktop, and the four (empty) output folders. Made once, at fuzzer start;
// the process then works inside it.
void enter_package_tree();

// Whether the answers may be given to a dialogue. Paths are built from the
// answers, so an answer with ".." could name a file outside the tree; such
// inputs are passed over (no answer the programs' users type needs it).
bool answers_stay_in_tree(std::string_view answers);

// The entries of the four output folders (Sequence_reads, Genome_sequences,
// SNP_results, Deletion_results), as "folder/name".
std::vector<std::string> output_entries();

// Empties the four output folders, so that every input starts alike.
void clear_output_folders();

}  // namespace vesmar::fuzz
