#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vesmar {

// What the report says beside a gap entry.
enum class GapComment : std::int32_t {
  None = 0,
  FlankedByOneMutant = 1,   // "Flanked by 1 Mutant read"
  FlankedByTwoMutants = 2,  // "Flanked by 2 Mutant reads"
  Insertion = 3,            // "Insertion?"
};

// One entry of the gap table. A gap covers the genome positions
// gap_end - gap_length + 1 to gap_end. An insertion entry has gap_length 0 and
// gap_end the first of two adjacent mutant positions.
struct GapEntry {
  std::int32_t gap_end = 0;
  std::int32_t gap_length = 0;
  GapComment comment = GapComment::None;

  friend bool operator==(const GapEntry&, const GapEntry&) = default;
};

// The first genome position after the ones the entry leaves uncovered before
// it: the gap's first position, or for an insertion entry the second mutant
// position.
inline std::int64_t gap_start(const GapEntry& entry) {
  return std::int64_t{entry.gap_end} - entry.gap_length + 1;
}

// The gap entries of one alignment results file, in genome order.
//
// A whole genome can hold tens of millions of gaps, but a usual run finds far
// fewer; so the table grows in fixed blocks as entries come, instead of being
// allocated at its largest size up front, and growing never copies what is
// already there (a doubling vector would briefly hold three times the data).
class GapTable {
 public:
  static constexpr std::size_t kBlockShift = 16;
  static constexpr std::size_t kBlockEntries = std::size_t{1} << kBlockShift;

  void append(const GapEntry& entry) {
    if (used_in_last_block_ == kBlockEntries) add_block();
    blocks_.back()[used_in_last_block_++] = entry;
  }

  std::size_t size() const {
    return blocks_.empty() ? 0 : (blocks_.size() - 1) * kBlockEntries + used_in_last_block_;
  }
  bool empty() const { return size() == 0; }

  // Entry i, for i < size().
  const GapEntry& operator[](std::size_t i) const {
    return blocks_[i >> kBlockShift][i & (kBlockEntries - 1)];
  }

 private:
  void add_block() {
    blocks_.push_back(std::make_unique<GapEntry[]>(kBlockEntries));
    used_in_last_block_ = 0;
  }

  std::vector<std::unique_ptr<GapEntry[]>> blocks_;
  std::size_t used_in_last_block_ = kBlockEntries;  // full: the first append adds a block
};

}  // namespace vesmar
