#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/command_line.h"
#include "engine/failure.h"

namespace vesmar {

// Which genome regions a scan searches. Everything the choice decides is in
// one row of kRegionChoices.
enum class RegionChoice { exons, introns, intergenic };

struct RegionChoiceRow {
  RegionChoice choice;
  std::string_view answer;     // the scanners' answer, compared exactly: "e"
  std::string_view file_name;  // the region file, and the end of the report's file name
  std::string_view words;      // the reports' title and the VCF header: "exons"
  std::string_view vcf_class;  // the VCF's CLASS value: "exon"
};

// In the order the programs that read all three go through them.
inline constexpr std::array<RegionChoiceRow, 3> kRegionChoices{{
    {RegionChoice::exons, "e", "cexons.txt", "exons", "exon"},
    {RegionChoice::introns, "i", "cintrons.txt", "introns", "intron"},
    {RegionChoice::intergenic, "n", "cintergenic.txt", "intergenic regions", "intergenic"},
}};

// The answers as the options' help shows them.
inline constexpr std::string_view kRegionAnswers = "e|i|n";

const RegionChoiceRow& row_of(RegionChoice choice);

// The choice an answer names; none for any other answer.
std::optional<RegionChoice> region_choice_for(std::string_view answer);

// The region file a choice reads ("cexons.txt").
inline std::string_view region_file_name(RegionChoice choice) { return row_of(choice).file_name; }

// The "--regions" option's choice; a usage failure for any other value.
Result<RegionChoice> region_choice_option(const Arguments& arguments);

}  // namespace vesmar
