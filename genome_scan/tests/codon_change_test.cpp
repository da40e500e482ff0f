#include "genome_scan/codon_change.h"

#include <gtest/gtest.h>

#include "genome_scan/tests/codon_change_text.h"

namespace vesmar {
namespace {

// Expected texts write the absent mark "?" as "~", since "??" would read as
// a trigraph.
std::string absent_as_tilde(std::string text) {
  for (char& c : text) {
    if (c == '~') c = '?';
  }
  return text;
}

TEST(CodonPosition, PlacesRunOneTwoThreeFromTheStartFrame) {
  const int expected[3][3] = {{1, 2, 3}, {2, 3, 1}, {3, 1, 2}};
  for (int frame = 1; frame <= 3; ++frame) {
    for (int offset = 0; offset < 9; ++offset) {
      EXPECT_EQ(codon_position(frame, offset), expected[frame - 1][offset % 3]) << frame << " " << offset;
    }
  }
  EXPECT_EQ(codon_position(1, 4), 2);
  EXPECT_EQ(codon_position(1, 8), 3);
  EXPECT_EQ(codon_position(3, 1), 1);
}

TEST(NeighbourExonNames, NumberAfterTheFirstExonPlusOrMinusOne) {
  std::optional<NeighbourNames> names = neighbour_exon_names("gene7.exon3");
  ASSERT_TRUE(names);
  EXPECT_EQ(names->next, "gene7.exon4");
  EXPECT_EQ(names->previous, "gene7.exon2");
  names = neighbour_exon_names("exonic.exon12b");
  ASSERT_TRUE(names);
  EXPECT_EQ(names->next, "exon1") << "the first \"exon\" counts";
  EXPECT_EQ(names->previous, "exon-1");
  names = neighbour_exon_names("g.exon");
  EXPECT_EQ(names->next, "g.exon1");
  EXPECT_EQ(names->previous, "g.exon-1");
  names = neighbour_exon_names("g.exon2147483647");
  EXPECT_EQ(names->next, "g.exon2147483648");
  EXPECT_EQ(neighbour_exon_names("gene7.intron3"), std::nullopt);
}

TEST(MutantBase, FirstColumnWhenTheWindowsBeginDifferently) {
  EXPECT_EQ(mutant_base("tcgtacgtacgtaa", "acgtacgtacgtaa"), 't');
  EXPECT_EQ(mutant_base("acgtacgtacgtga", "acgtacgtacgtaa"), 'g');
  EXPECT_EQ(mutant_base("acgt", "acgt"), std::nullopt) << "window shorter than 13";
  EXPECT_EQ(mutant_base("", ""), std::nullopt);
  EXPECT_EQ(mutant_base("c", ""), 'c') << "absent and present first characters differ";
  EXPECT_EQ(mutant_base("", "c"), std::nullopt);
  EXPECT_EQ(hit_column("c", ""), 0u);
  EXPECT_EQ(hit_column("", ""), 12u);
}

class CodonChange : public ::testing::Test {
 protected:
  CodonChange() {
    const char* bases = "tcag";
    const char* acids = "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
    int i = 0;
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 4; ++b)
        for (int c = 0; c < 4; ++c) {
          tables.genetic_code[{bases[a], bases[b], bases[c]}] = std::string(3, acids[i++]);
        }
    tables.sequences = {{"g.exon1", "atggcc"}, {"g.exon2", "aaccgg"}, {"g.exon3", "tt"}};
  }

  // Windows that put `base` at column 12, where the hit is.
  static std::string read_with(char base) { return std::string("acgtacgtacgt") + base + "acgt"; }
  static constexpr std::string_view kReference = "acgtacgtacgtnacgt";

  std::string change(std::string_view name, bool reverse, std::int64_t coding_offset,
                     std::int64_t exon_offset, std::int64_t bases_after, int frame, char base) {
    ExonGeometry geometry{reverse, coding_offset, exon_offset, bases_after, frame};
    return testing::codon_change_text(name, geometry, read_with(base), kReference, tables);
  }

  ExonTables tables;
};

TEST_F(CodonChange, CodonInsideTheExon) {
  EXPECT_EQ(change("g.exon1", false, 0, 0, 5, 1, 'c'), "atg(MMM)->ctg(LLL)        ");
  EXPECT_EQ(change("g.exon1", false, 4, 4, 1, 1, 't'), "gcc(AAA)->gtc(VVV)        ");
  EXPECT_EQ(change("g.exon1", false, 2, 2, 3, 1, 'g'), "atg(MMM)->atg(MMM)        ")
      << "an unchanged amino acid is still printed";
  EXPECT_EQ(change("g.exon1", false, 2, 2, 3, 1, 'g').size(), 26u);
}

TEST_F(CodonChange, CodonsSplitByAnExonBoundaryReachIntoTheNeighbour) {
  // Last base of exon 2, codon place 1: that base and the first two of exon 3.
  EXPECT_EQ(change("g.exon2", false, 3, 5, 0, 1, 'a'), "gtt(VVV)->att(III)        ");
  // Second to last base, place 1: two bases here and one of the next exon.
  EXPECT_EQ(change("g.exon2", false, 3, 4, 1, 1, 'c'), "ggt(GGG)->cgt(RRR)        ");
  // First base of exon 2, place 3: the last two bases of exon 1 and this one.
  EXPECT_EQ(change("g.exon2", false, 0, 0, 5, 3, 'g'), "cca(PPP)->ccg(PPP)        ");
  // Second base of exon 2, place 3: the last base of exon 1 and the first two here.
  EXPECT_EQ(change("g.exon2", false, 0, 1, 4, 3, 't'), "caa(QQQ)->cat(HHH)        ");
  // First base, place 2: the last base of exon 1 and the first two here.
  EXPECT_EQ(change("g.exon2", false, 1, 0, 5, 1, 'g'), "caa(QQQ)->cga(RRR)        ");
  // Last base, place 2: the two bases before and the first of exon 3.
  EXPECT_EQ(change("g.exon2", false, 1, 5, 0, 1, 'c'), "ggt(GGG)->gct(AAA)        ");
}

TEST_F(CodonChange, ReverseStrandComplementsTheReadBase) {
  EXPECT_EQ(change("g.exon1", true, 0, 0, 5, 1, 'a'), "atg(MMM)->ttg(LLL)        ");
  EXPECT_EQ(change("g.exon1", true, 0, 0, 5, 1, 'g'), "atg(MMM)->ctg(LLL)        ");
  EXPECT_EQ(change("g.exon1", true, 0, 0, 5, 1, 'A'), "atg(MMM)->atg(MMM)        ");
  EXPECT_EQ(change("g.exon1", true, 0, 0, 5, 1, 'n'), "atg(MMM)->atg(MMM)        ");
}

TEST_F(CodonChange, MissingBasesAndCodonsAreMarked) {
  // No next exon after exon 3, no previous exon before exon 1.
  EXPECT_EQ(change("g.exon3", false, 0, 1, 0, 1, 'a'), absent_as_tilde("t~~(~~~)->a~~(~~~)        "));
  EXPECT_EQ(change("g.exon1", false, 0, 0, 5, 3, 'c'), absent_as_tilde("~~a(~~~)->~~c(~~~)        "));
  // Exon 3 is two bases long: place 1 with r >= 2 reads past its end.
  EXPECT_EQ(change("g.exon3", false, 0, 0, 2, 1, 'c'), absent_as_tilde("tt~(~~~)->ct~(~~~)        "));
  // A region without a sequence, or without "exon" in its name.
  EXPECT_EQ(change("g.exon9", false, 0, 0, 5, 1, 'c'), absent_as_tilde("~~~(~~~)->c~~(~~~)        "));
  EXPECT_EQ(change("gene", false, 0, 0, 0, 1, 'c'), absent_as_tilde("~~~(~~~)->c~~(~~~)        "));
  // An uppercase base forward is put in as it is, and that codon is unknown.
  EXPECT_EQ(change("g.exon1", false, 0, 0, 5, 1, 'C'), absent_as_tilde("atg(MMM)->Ctg(~~~)        "));
  // A read window too short for its thirteenth base.
  ExonGeometry geometry{false, 0, 0, 5, 1};
  EXPECT_EQ(testing::codon_change_text("g.exon1", geometry, "acgt", "acgt", tables), absent_as_tilde("atg(MMM)->~tg(~~~)        "));
  geometry.reverse = true;
  EXPECT_EQ(testing::codon_change_text("g.exon1", geometry, "", "", tables), "atg(MMM)->atg(MMM)        ");
}

TEST_F(CodonChange, NegativeOffsetsStayInsideTheSequences) {
  EXPECT_EQ(change("g.exon1", false, 0, -5, -3, 1, 'c'), absent_as_tilde("~aa(~~~)->caa(QQQ)        "));
  EXPECT_EQ(change("g.exon2", false, 1, -2, 9, 1, 'c'), "caa(QQQ)->cca(PPP)        ");
}

}  // namespace
}  // namespace vesmar
