#pragma once

#include <htslib/sam.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/alignment_results/alignment_windows.h"

namespace vesmar {

// The two windows of a position with mutant reads (see alignment_windows.h).
struct PositionWindows {
  std::array<char, kWindowLength> read;
  std::array<char, kWindowLength> reference;
};

// One position of a chromosome once every read that covers it is counted.
struct PositionCounts {
  std::int64_t position = 0;  // on the chromosome, from 1
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  const PositionWindows* windows = nullptr;  // when mut_reads is not 0
};

// The reads of one chromosome piled up position by position, as they come
// from a file sorted by position: a read's bases are counted when it is
// added, and a position is complete once a read starts after it. Only the
// positions between the first incomplete one and the furthest an added read
// reaches are held (a ring that grows to the longest stretch a read spans),
// so memory does not grow with the chromosome.
//
// A base of a read aligned to a position (CIGAR M, = or X) counts:
//   as a WT read      when it is the reference's base (compared as lowercase
//                     letters; "=" in the read's sequence is the reference's
//                     base), or
//   as a mutant read  when it is another of A, C, G, T;
//   in neither        when it is N or another code that calls no one base,
//                     or its quality is below the least base quality.
// Deletions and reference skips (D, N) count at no position; inserted and
// clipped bases (I, S) have none. Bases aligned beyond the end of the
// reference are not counted.
//
// The windows of a position with mutant reads come from one of those reads,
// chosen by WindowReadChoice as they are counted. Columns where that read has
// no base (outside it, deleted, skipped) show the reference's base, and its
// insertions are not shown, so that the two windows stay column by column;
// columns beyond the chromosome's end show the padding's "g".
class ChromosomePileup {
 public:
  // `reference` is the chromosome's sequence in lowercase; it must outlive
  // the pileup.
  ChromosomePileup(std::string_view reference, int min_base_quality);

  // Counts the read's bases. It must start at or after the start of every
  // read added before, and after every position taken.
  void add(const bam1_t& read);

  // Hands each position from the first not yet taken up to `end` (not
  // included, and at most to the chromosome's end) to use(PositionCounts),
  // in order. The windows it points to are valid during the call only.
  template <class Use>
  void take_until(std::int64_t end, Use&& use);

  // Aligned bases that lay beyond the end of the reference.
  std::int64_t bases_past_end() const { return bases_past_end_; }

 private:
  struct Slot {
    std::int32_t wt_reads = 0;
    std::int32_t mut_reads = 0;
    std::uint32_t windows = 0;  // 1 + an index into entries_, 0 for none
  };
  struct WindowEntry {
    WindowReadChoice choice;
    PositionWindows windows;
  };

  void make_room(std::int64_t last);
  // `read_end` is the read's bam_endpos(), worked out once for all its
  // bases: the windows' choice weighs it at every change.
  void count_bases(const bam1_t& read, std::int64_t read_end, std::int64_t position, std::int32_t query,
                   std::int32_t count);
  // Whether the 16 bases from `query` on, aligned from `position` on, are
  // all the reference's ("=" or its letter).
  bool sixteen_reference_bases(const bam1_t& read, std::int64_t position, std::int32_t query) const;
  void offer_windows(const bam1_t& read, std::int64_t read_end, std::int64_t position, Slot& slot);
  void fill_windows(const bam1_t& read, std::int64_t first, PositionWindows& windows) const;
  char reference_base(std::int64_t position) const;
  void release(Slot& slot);

  std::string_view reference_;
  // The reference as the read's 4-bit codes (a 1, c 2, g 4, t 8; any other
  // letter a code no read base has), with room past the end, so that 16 of
  // a read's bases are compared with it at once.
  std::vector<std::uint8_t> reference_codes_;
  std::int64_t length_;
  int min_base_quality_;
  std::vector<Slot> ring_;
  std::size_t mask_;
  std::vector<WindowEntry> entries_;
  std::vector<std::uint32_t> free_entries_;
  std::int64_t next_ = 1;   // the first position not yet taken
  std::int64_t reach_ = 0;  // the last position an added read counts at
  std::int64_t bases_past_end_ = 0;
};

template <class Use>
void ChromosomePileup::take_until(std::int64_t end, Use&& use) {
  if (end > length_ + 1) end = length_ + 1;
  for (; next_ < end; ++next_) {
    Slot& slot = ring_[static_cast<std::size_t>(next_) & mask_];
    use(PositionCounts{next_, slot.wt_reads, slot.mut_reads,
                       slot.windows != 0 ? &entries_[slot.windows - 1].windows : nullptr});
    release(slot);
  }
}

}  // namespace vesmar
