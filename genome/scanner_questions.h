#pragma once

#include <string>
#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "genome/region_choice.h"

namespace vesmar {

// The questions both scanners ask. Each answer is one word. An answer that
// cannot be used brings the question back, with a warning that says why.

// `prompt`, asked until the answer names a file in `folder` that can be
// opened for reading (a folder cannot); the answered name.
Result<std::string> ask_readable_file(Console& console, std::string_view prompt, std::string_view folder);

// "Alignment_results file name: ", asked until it names a file in
// Desktop/vesmar/Alignment_results/ that can be opened for reading.
Result<std::string> ask_alignment_results_file(Console& console);

// The region question `prompt`, asked until the answer is "e", "i" or "n";
// the regions it chooses.
Result<RegionChoice> ask_region_choice(Console& console, std::string_view prompt);

}  // namespace vesmar
