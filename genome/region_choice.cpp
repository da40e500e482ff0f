#include "genome/region_choice.h"

namespace vesmar {

std::optional<std::string_view> region_file_name_for(std::string_view answer) {
  if (answer == "e") return kExonRegionFile;
  if (answer == "i") return std::string_view("cintrons.txt");
  if (answer == "n") return std::string_view("cintergenic.txt");
  return std::nullopt;
}

std::string_view region_kind(std::string_view region_file_name) {
  if (region_file_name == kExonRegionFile) return "exons";
  if (region_file_name == "cintrons.txt") return "introns";
  return "intergenic regions";
}

}  // namespace vesmar
