#include "alignment_counts/position_pileup.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "alignment_counts/tests/sam_reads.h"

namespace vesmar {
namespace {

// 60 bases; positions 1-based: 1 a, 2 c, 3 g, 4 t, 5 a, ...
const std::string kReference = [] {
  std::string bases;
  for (int i = 0; i < 15; ++i) bases += "acgt";
  return bases;
}();
const testing::SamReads kSam("@SQ\tSN:I\tLN:60\n");

// What the pileup hands out for a position, windows as text.
struct Counted {
  std::int64_t position;
  int wt_reads;
  int mut_reads;
  std::string read_window;
  std::string reference_window;
  bool operator==(const Counted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counted& c) {
  return out << c.position << ": " << c.wt_reads << " " << c.mut_reads << " " << c.read_window << " "
             << c.reference_window;
}

// Adds the reads in order, taking the positions before each, then all.
std::vector<Counted> pile_up(const std::vector<BamRecord>& reads, int min_base_quality = 0,
                             std::int64_t* past_end = nullptr) {
  ChromosomePileup pileup(kReference, min_base_quality);
  std::vector<Counted> counted;
  const auto take = [&](const PositionCounts& c) {
    Counted entry{c.position, c.wt_reads, c.mut_reads, "", ""};
    if (c.windows != nullptr) {
      entry.read_window.assign(c.windows->read.begin(), c.windows->read.end());
      entry.reference_window.assign(c.windows->reference.begin(), c.windows->reference.end());
    }
    counted.push_back(entry);
  };
  for (const BamRecord& read : reads) {
    pileup.take_until(read->core.pos + 1, take);
    pileup.add(*read);
  }
  pileup.take_until(std::numeric_limits<std::int64_t>::max(), take);
  if (past_end != nullptr) *past_end = pileup.bases_past_end();
  return counted;
}

// The counts at positions first..last, as (wt, mut) pairs.
std::vector<std::pair<int, int>> counts_at(const std::vector<Counted>& counted, int first, int last) {
  std::vector<std::pair<int, int>> pairs;
  for (int position = first; position <= last; ++position) {
    const Counted& c = counted.at(static_cast<std::size_t>(position - 1));
    pairs.emplace_back(c.wt_reads, c.mut_reads);
  }
  return pairs;
}

using Pairs = std::vector<std::pair<int, int>>;

// Reference from position 1: a c g t a c g t a c g t ...
TEST(ChromosomePileup, CountsEachAlignedBaseAsWtMutantOrNeither) {
  struct Case {
    const char* what;
    long start;
    std::string cigar;
    std::string bases;
    std::string qualities;
    int min_base_quality;
    Pairs expected;  // at positions 1 to 8
  };
  const Case cases[] = {
      {"the reference's bases, in either case", 2, "4M", "CgTA", "*", 0, {{0, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"other bases are mutant", 1, "4M", "AGGA", "*", 0, {{1, 0}, {0, 1}, {1, 0}, {0, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"N and ambiguity codes call no base; = is the reference's", 1, "4M", "NR=T", "*", 0,
       {{0, 0}, {0, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"a deletion and a skip count at no position", 1, "2M2D1M1N1M", "ACAG", "*", 0,
       {{1, 0}, {1, 0}, {0, 0}, {0, 0}, {1, 0}, {0, 0}, {1, 0}, {0, 0}}},
      {"inserted bases have no position; the base before counts", 1, "2M3I2M", "ACTTTGT", "*", 0,
       {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"clipped bases are not counted", 3, "2S3M1S2H", "TTGTAC", "*", 0,
       {{0, 0}, {0, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"bases below the least quality count in neither, at it they count", 1, "4M", "AGGA", "5+6!", 20,
       {{1, 0}, {0, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"a read without qualities counts at every least quality", 1, "2M", "AG", "*", 40,
       {{1, 0}, {0, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
      {"a read without bases counts nowhere", 1, "4M", "*", "*", 0,
       {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BamRecord> reads;
    reads.push_back(kSam.read(c.start, c.cigar, c.bases, c.qualities));
    EXPECT_EQ(counts_at(pile_up(reads, c.min_base_quality), 1, 8), c.expected);
  }
}

TEST(ChromosomePileup, AddsUpOverlappingReadsAndStopsAtTheChromosomesEnd) {
  std::vector<BamRecord> reads;
  reads.push_back(kSam.read(1, "4M", "ACGT"));
  reads.push_back(kSam.read(2, "4M", "CCTA"));
  reads.push_back(kSam.read(2, "2M", "CG"));
  reads.push_back(kSam.read(57, "6M", "ACGTAC"));  // positions 61 and 62 lie beyond the end
  std::int64_t past_end = 0;
  const std::vector<Counted> counted = pile_up(reads, 0, &past_end);
  EXPECT_EQ(counts_at(counted, 1, 6), (Pairs{{1, 0}, {3, 0}, {2, 1}, {2, 0}, {1, 0}, {0, 0}}));
  EXPECT_EQ(counts_at(counted, 57, 60), (Pairs{{1, 0}, {1, 0}, {1, 0}, {1, 0}}));
  EXPECT_EQ(counted.size(), 60u);
  EXPECT_EQ(past_end, 2);
}

TEST(ChromosomePileup, HoldsReadsThatSpanMoreThanItsFirstRing) {
  // A reference long enough for a read split by a skip of 3000 positions.
  std::string reference;
  for (int i = 0; i < 1250; ++i) reference += "acgt";
  const testing::SamReads sam("@SQ\tSN:I\tLN:5000\n");
  ChromosomePileup pileup(reference, 0);
  std::vector<BamRecord> reads;
  reads.push_back(sam.read(1, "2M3000N2M", "ACGT"));  // 1, 2 and 3003, 3004 (g t)
  reads.push_back(sam.read(2, "1M", "C"));
  reads.push_back(sam.read(3003, "2M", "GT"));
  std::vector<std::pair<std::int64_t, std::pair<int, int>>> covered;
  const auto take = [&](const PositionCounts& c) {
    if (c.wt_reads + c.mut_reads > 0) covered.push_back({c.position, {c.wt_reads, c.mut_reads}});
  };
  for (const BamRecord& read : reads) {
    pileup.take_until(read->core.pos + 1, take);
    pileup.add(*read);
  }
  pileup.take_until(5001, take);
  const decltype(covered) expected = {{1, {1, 0}}, {2, {2, 0}}, {3003, {2, 0}}, {3004, {2, 0}}};
  EXPECT_EQ(covered, expected);
}

// Long stretches of a read are compared with the reference 16 bases at a
// time; wherever a block of 16 holds another base, its bases are counted one
// by one. A least base quality makes every base counted one by one, and a
// read without qualities counts at every least quality: so each read alone,
// counted with a least quality of 1, gives what the blocks must give.
TEST(ChromosomePileup, LongStretchesCountAsBaseByBase) {
  // No period, so that bases compared at the wrong place would differ.
  std::string reference;
  for (std::uint32_t i = 0, state = 7; i < 100; ++i, state = state * 1103515245u + 12345u) {
    reference += "acgt"[(state >> 16) % 4];
  }
  reference[44] = 'n';  // position 45
  const testing::SamReads sam("@SQ\tSN:I\tLN:100\n");
  const auto same_bases = [&](long start, int length) {
    std::string bases = reference.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
    for (char& base : bases) base = base == 'n' ? 'A' : static_cast<char>(base - 'a' + 'A');
    return bases;
  };
  const auto changed = [](std::string bases, std::size_t at, char base) {
    bases[at] = base;
    return bases;
  };
  struct Case {
    const char* what;
    long start;
    std::string cigar;
    std::string bases;
  };
  const std::string forty = same_bases(1, 40);
  const Case cases[] = {
      {"all the reference's", 1, "40M", forty},
      {"a change in the first block", 1, "40M", changed(forty, 3, 'T')},
      {"a change at a block's last base and the next one's first", 1, "40M", changed(changed(forty, 15, 'A'), 16, 'A')},
      {"a change in the last, short block", 1, "40M", changed(forty, 38, 'C')},
      {"= inside a block", 1, "40M", changed(forty, 20, '=')},
      {"N inside a block", 1, "40M", changed(forty, 25, 'N')},
      {"lowercase bases", 1, "40M", reference.substr(0, 40)},
      {"an odd number of clipped bases first", 3, "1S40M", "T" + same_bases(3, 40)},
      {"an odd clip and a change", 3, "3S40M", "TTT" + changed(same_bases(3, 40), 17, 'G')},
      {"over the reference's n", 30, "40M", same_bases(30, 40)},
      {"stretches split by an insertion and a deletion", 2, "17M1I20M2D18M",
       same_bases(2, 17) + "G" + same_bases(19, 20) + same_bases(41, 18)},
      {"to the chromosome's end and beyond", 70, "36M", same_bases(70, 31) + "ACGTA"},
  };
  const auto counts_of = [&](const BamRecord& read, int min_base_quality) {
    ChromosomePileup pileup(reference, min_base_quality);
    pileup.add(*read);
    std::vector<std::pair<int, int>> counted;
    pileup.take_until(101, [&](const PositionCounts& p) { counted.emplace_back(p.wt_reads, p.mut_reads); });
    return counted;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const BamRecord read = sam.read(c.start, c.cigar, c.bases);
    EXPECT_EQ(counts_of(read, 0), counts_of(read, 1));
  }
}

// A read that reaches beyond the ring while earlier reads' counts are held
// in it: the ring grows, and those counts move into the bigger ring. The
// reads start past the first ring's size, so that a position's slot is
// another in each ring.
TEST(ChromosomePileup, KeepsTheCountsItHoldsWhenItsRingGrows) {
  std::string reference;
  for (int i = 0; i < 1250; ++i) reference += "acgt";
  const testing::SamReads sam("@SQ\tSN:I\tLN:5000\n");
  ChromosomePileup pileup(reference, 0);
  std::vector<BamRecord> reads;
  reads.push_back(sam.read(1500, "4M", "TTCG"));         // 1500-1503 (t a c g): a change at 1501
  reads.push_back(sam.read(1500, "2M3000N2M", "TACG"));  // 1500, 1501 and 4502, 4503 (c g)
  std::vector<std::pair<std::int64_t, std::pair<int, int>>> covered;
  std::vector<std::int64_t> with_windows;
  const auto take = [&](const PositionCounts& c) {
    if (c.wt_reads + c.mut_reads > 0) covered.push_back({c.position, {c.wt_reads, c.mut_reads}});
    if (c.windows != nullptr) with_windows.push_back(c.position);
  };
  for (const BamRecord& read : reads) {
    pileup.take_until(read->core.pos + 1, take);
    pileup.add(*read);
  }
  pileup.take_until(5001, take);
  const decltype(covered) expected = {
      {1500, {2, 0}}, {1501, {1, 1}}, {1502, {1, 0}}, {1503, {1, 0}}, {4502, {1, 0}}, {4503, {1, 0}}};
  EXPECT_EQ(covered, expected);
  EXPECT_EQ(with_windows, std::vector<std::int64_t>{1501});
}

// The windows: 25 columns of the chosen mutant read and of the reference.
TEST(ChromosomePileup, WindowsCentreTheChangeWhenTheReadAgreesTwelveBasesBefore) {
  struct Case {
    const char* what;
    std::vector<std::string> reads;  // start, CIGAR, bases, separated by blanks
    int position;
    std::string read_window;
    std::string reference_window;
  };
  // Reference at 3..27: g t a c g t a c g t a c g t a c g t a c g t a c g
  const std::string from3 = "gtacgtacgtacgtacgtacgtacg";
  // Reference at 15..39: g t a c ...; at 40..60 and then the padding's g.
  const std::string from15 = "gtacgtacgtacgtacgtacgtacg";
  const std::string from48 = kReference.substr(47) + "gggggggggggg";
  const Case cases[] = {
      {"a read from 1: centred on 15, its bases past its end are the reference's", {"1 20M ACGTACGTACGTACATACGT"}, 15,
       "gtacgtacgtacatacgtacgtacg", from3},
      {"a read from 5: not centred, the windows start at the change", {"5 20M ACGTACGTACATACGTACGT"}, 15,
       "atacgtacgtacgtacgtacgtacg", from15},
      {"a read that differs 12 bases before: not centred", {"1 20M ACCTACGTACGTACATACGT"}, 15,
       "atacgtacgtacgtacgtacgtacg", from15},
      {"a centred read after one that is not", {"1 20M ACCTACGTACGTACATACGT", "2 20M CGTACGTACGTACATACGTA"}, 15,
       "gtacgtacgtacatacgtacgtacg", from3},
      {"of two centred reads, the one that reaches further",
       {"1 15M ACGTACGTACGTACA", "2 20M CGTACGTACGTACATACGCA", "3 14M GTACGTACGTACAT"}, 15,
       "gtacgtacgtacatacgcacgtacg", from3},
      {"a deletion in the window shows the reference, an insertion is not shown",
       {"3 6M2D4M2I5M GTACGTGTACTTATACG"}, 15, "gtacgtacgtacatacgtacgtacg", from3},
      {"windows past the chromosome's end show the padding", {"45 6M ACGAAC"}, 48,
       "aacgtacgtacgtgggggggggggg", from48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BamRecord> reads;
    for (const std::string& text : c.reads) {
      const std::size_t blank = text.find(' ');
      const std::size_t second = text.find(' ', blank + 1);
      reads.push_back(kSam.read(std::stol(text.substr(0, blank)), text.substr(blank + 1, second - blank - 1),
                                text.substr(second + 1)));
    }
    const std::vector<Counted> counted = pile_up(reads);
    const Counted& at = counted.at(static_cast<std::size_t>(c.position - 1));
    ASSERT_GT(at.mut_reads, 0);
    EXPECT_EQ(at.read_window, c.read_window);
    EXPECT_EQ(at.reference_window, c.reference_window);
  }
}

// Whatever the reads, the scanners find the change where the windows put it:
// in column 12 when their first characters are equal, else in column 0.
TEST(ChromosomePileup, WindowsAlwaysShowTheChangeWhereTheScannersLook) {
  std::vector<BamRecord> reads;
  // Mutant bases at many positions, from reads of every start and shape.
  const std::string bases = "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTT";
  for (long start = 1; start <= 50; start += 3) {
    reads.push_back(kSam.read(start, "5M1D5M2I3M1N5M", bases.substr(0, 20)));
    std::string agreeing = kReference.substr(static_cast<std::size_t>(start - 1), 10);
    for (char& base : agreeing) base = static_cast<char>(base - 'a' + 'A');
    reads.push_back(kSam.read(start, "10M", agreeing));
  }
  int checked = 0;
  for (const Counted& c : pile_up(reads)) {
    if (c.mut_reads == 0) continue;
    const bool at_first_column = c.read_window[0] != c.reference_window[0];
    const std::size_t column = at_first_column ? 0 : kWindowCentre;
    const std::size_t first = static_cast<std::size_t>(c.position) - column;
    EXPECT_EQ(c.reference_window, (kReference + std::string(30, 'g')).substr(first - 1, kWindowLength)) << c;
    EXPECT_EQ(c.read_window[column], 't') << c;
    EXPECT_NE(c.read_window[column], c.reference_window[column]) << c;
    ++checked;
  }
  EXPECT_GT(checked, 30);
}

}  // namespace
}  // namespace vesmar
