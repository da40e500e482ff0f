#include "genome/region_choice.h"

namespace vesmar {

const RegionChoiceRow& row_of(RegionChoice choice) { return kRegionChoices[static_cast<std::size_t>(choice)]; }

std::optional<RegionChoice> region_choice_for(std::string_view answer) {
  for (const RegionChoiceRow& row : kRegionChoices) {
    if (row.answer == answer) return row.choice;
  }
  return std::nullopt;
}

Result<RegionChoice> region_choice_option(const Arguments& arguments) {
  Result<std::string> answer =
      choice_option(arguments, "regions", {kRegionChoices[0].answer, kRegionChoices[1].answer, kRegionChoices[2].answer});
  if (!answer.ok()) return answer.failure();
  return *region_choice_for(answer.value());
}

}  // namespace vesmar
