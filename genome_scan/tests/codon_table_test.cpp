#include "genome_scan/codon_table.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

// The 64 lowercase codons go by index, anything else through the genetic
// code: both must answer as the genetic code does.
TEST(CodonTable, AnswersAsTheGeneticCodeDoes) {
  const GeneticCode code{{"aaa", "Lys"}, {"tgg", "Trp"}, {"ttt", ""},
                         {"AAA", "up"},  {"a?a", "odd"}, {"ac", "two"}};
  const CodonTable codons(code);
  EXPECT_EQ(codons.amino_acid("aaa"), "Lys");
  EXPECT_EQ(codons.amino_acid("tgg"), "Trp");
  EXPECT_EQ(codons.amino_acid("ttt"), "");  // present, with no amino acid
  EXPECT_EQ(codons.amino_acid("ccc"), kUnknownAminoAcid);
  EXPECT_EQ(codons.amino_acid("AAA"), "up");
  EXPECT_EQ(codons.amino_acid("a?a"), "odd");
  EXPECT_EQ(codons.amino_acid("??a"), kUnknownAminoAcid);
  EXPECT_EQ(codons.amino_acid("ac"), "two");
  EXPECT_EQ(codons.amino_acid("aaaa"), kUnknownAminoAcid);
  EXPECT_EQ(codons.amino_acid(""), kUnknownAminoAcid);
}

}  // namespace
}  // namespace vesmar
