#pragma once

#include <optional>
#include <string_view>

namespace vesmar {

// The scanners' answer to which genome regions to search: "e", "i" or "n",
// compared exactly, naming the region file "cexons.txt", "cintrons.txt" or
// "cintergenic.txt". The same name ends the report's file name. Any other
// answer has no region file.
std::optional<std::string_view> region_file_name_for(std::string_view answer);

inline constexpr std::string_view kExonRegionFile = "cexons.txt";

// What the regions of a region file are, in words: "exons", "introns" or
// "intergenic regions".
std::string_view region_kind(std::string_view region_file_name);

}  // namespace vesmar
