#pragma once

#include <array>
#include <string_view>

namespace vesmar {

// How the overview sorts SNPs, most specific first: an SNP reported in
// several files is drawn once, in the first of these classes that any of
// its records gives it.
// A splice region SNP lies beside an exon, outside it, where the scanners
// still give it to the exon.
enum class SnpClass { ProteinChange, Exon, SpliceRegion, Intron, Intergenic };
inline constexpr int kSnpClasses = 5;

// The VCF's consequence (CSQ) of a splice region SNP.
inline constexpr std::string_view kSpliceRegion = "splice_region";

inline int index_of(SnpClass snp_class) { return static_cast<int>(snp_class); }

// Each class in words, as the page's legend and tables name it.
inline constexpr std::array<std::string_view, kSnpClasses> kSnpClassNames = {
    "exon, changes a protein", "exon, no protein change", "splice region", "intron", "intergenic"};

}  // namespace vesmar
