#include "alignment_counts/position_pileup.h"

#include <emmintrin.h>

#include <algorithm>

#include "genome/genome_padding.h"

namespace vesmar {

namespace {

constexpr std::size_t kFirstRingSize = 1024;

// The base a 4-bit code of a read's sequence calls, in lowercase: one of a,
// c, g, t, or 0 for "=" (code 0) and for codes that call no single base.
constexpr std::array<char, 16> kSingleBase = {0, 'a', 'c', 0, 'g', 0, 0, 0, 't', 0, 0, 0, 0, 0, 0, 0};
// The 4-bit code of a reference letter; a letter that is no one base gets a
// code that no read base has, so that it matches none.
constexpr std::uint8_t kNoReadCode = 0x10;
std::uint8_t reference_code(char letter) {
  switch (letter) {
    case 'a': return 1;
    case 'c': return 2;
    case 'g': return 4;
    case 't': return 8;
    default: return kNoReadCode;
  }
}
constexpr std::size_t kCodesAtOnce = 16;

// Every code as a window shows it ("=" is replaced by the reference's base).
constexpr std::string_view kCodeLetters = "=acmgrsvtwyhkdbn";

bool consumes_reference_with_bases(std::uint32_t operation) {
  return operation == BAM_CMATCH || operation == BAM_CEQUAL || operation == BAM_CDIFF;
}

// Calls use(position, query index, count) for each stretch of the read's
// aligned bases, with `count` cut to the bases its sequence holds.
template <class Use>
void for_each_aligned_stretch(const bam1_t& read, Use&& use) {
  const std::uint32_t* cigar = bam_get_cigar(&read);
  const std::int32_t sequence_length = read.core.l_qseq;
  std::int64_t position = read.core.pos + 1;
  std::int32_t query = 0;
  for (std::uint32_t i = 0; i < read.core.n_cigar; ++i) {
    const std::uint32_t operation = bam_cigar_op(cigar[i]);
    const std::int64_t length = bam_cigar_oplen(cigar[i]);
    if (consumes_reference_with_bases(operation)) {
      const std::int64_t held = std::clamp<std::int64_t>(sequence_length - query, 0, length);
      if (held > 0) use(position, query, static_cast<std::int32_t>(held));
    }
    if (bam_cigar_type(operation) & 1) query = static_cast<std::int32_t>(std::min<std::int64_t>(query + length, sequence_length));
    if (bam_cigar_type(operation) & 2) position += length;
  }
}

}  // namespace

ChromosomePileup::ChromosomePileup(std::string_view reference, int min_base_quality)
    : reference_(reference),
      reference_codes_(reference.size() + kCodesAtOnce, kNoReadCode),
      length_(static_cast<std::int64_t>(reference.size())),
      min_base_quality_(min_base_quality),
      ring_(kFirstRingSize),
      mask_(kFirstRingSize - 1) {
  std::transform(reference.begin(), reference.end(), reference_codes_.begin(), reference_code);
}

char ChromosomePileup::reference_base(std::int64_t position) const {
  return position >= 1 && position <= length_ ? reference_[static_cast<std::size_t>(position - 1)] : kPaddingBase;
}

void ChromosomePileup::add(const bam1_t& read) {
  const std::int64_t read_end = bam_endpos(&read);
  const std::int64_t last = std::min<std::int64_t>(read_end, length_);
  if (last >= next_) make_room(last);
  for_each_aligned_stretch(read, [&](std::int64_t position, std::int32_t query, std::int32_t count) {
    count_bases(read, read_end, position, query, count);
  });
  reach_ = std::max(reach_, last);
}

void ChromosomePileup::make_room(std::int64_t last) {
  const std::size_t needed = static_cast<std::size_t>(last - next_ + 1);
  if (needed <= ring_.size()) return;
  std::size_t size = ring_.size();
  while (size < needed) size *= 2;
  std::vector<Slot> bigger(size);
  for (std::int64_t position = next_; position <= reach_; ++position) {
    bigger[static_cast<std::size_t>(position) & (size - 1)] = ring_[static_cast<std::size_t>(position) & mask_];
  }
  ring_.swap(bigger);
  mask_ = size - 1;
}

void ChromosomePileup::count_bases(const bam1_t& read, std::int64_t read_end, std::int64_t position,
                                   std::int32_t query, std::int32_t count) {
  if (position + count - 1 > length_) {
    const std::int64_t past = position + count - 1 - std::max(length_, position - 1);
    bases_past_end_ += past;
    count -= static_cast<std::int32_t>(past);
  }
  const std::uint8_t* sequence = bam_get_seq(&read);
  const std::uint8_t* qualities = bam_get_qual(&read);
  constexpr auto kBlock = static_cast<std::int32_t>(kCodesAtOnce);
  std::int32_t i = 0;
  while (i < count) {
    // Most bases are the reference's: 16 of them are told so at once, and
    // only a block with another base is counted base by base.
    std::int32_t block_end = std::min(i + kBlock, count);
    if (block_end - i == kBlock && min_base_quality_ == 0 && sixteen_reference_bases(read, position + i, query + i)) {
      for (std::int32_t k = i; k < block_end; ++k) ++ring_[static_cast<std::size_t>(position + k) & mask_].wt_reads;
      i = block_end;
      continue;
    }
    for (; i < block_end; ++i) {
      const std::int32_t at = query + i;
      if (min_base_quality_ > 0 && qualities[at] < min_base_quality_) continue;
      const int code = bam_seqi(sequence, at);
      const std::int64_t here = position + i;
      Slot& slot = ring_[static_cast<std::size_t>(here) & mask_];
      if (code == 0) {
        ++slot.wt_reads;
        continue;
      }
      const char base = kSingleBase[static_cast<std::size_t>(code)];
      if (base == 0) continue;
      if (base == reference_[static_cast<std::size_t>(here - 1)]) {
        ++slot.wt_reads;
      } else {
        ++slot.mut_reads;
        offer_windows(read, read_end, here, slot);
      }
    }
  }
}

bool ChromosomePileup::sixteen_reference_bases(const bam1_t& read, std::int64_t position, std::int32_t query) const {
  // 16 bases take 8 or 9 bytes of the sequence; 16 are loaded, which the
  // qualities after the sequence leave room for in all but the shortest reads.
  const std::uint8_t* bytes = bam_get_seq(&read) + query / 2;
  if (bytes - read.data + 16 > read.l_data) return false;
  const __m128i low_nibbles = _mm_set1_epi8(0x0F);
  const __m128i packed = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const __m128i high = _mm_and_si128(_mm_srli_epi16(packed, 4), low_nibbles);
  const __m128i low = _mm_and_si128(packed, low_nibbles);
  // The first base of a byte is its high nibble.
  __m128i codes = _mm_unpacklo_epi8(high, low);
  if (query % 2 != 0) codes = _mm_or_si128(_mm_srli_si128(codes, 1), _mm_slli_si128(_mm_unpackhi_epi8(high, low), 15));
  const __m128i reference = _mm_loadu_si128(
      reinterpret_cast<const __m128i*>(reference_codes_.data() + static_cast<std::size_t>(position - 1)));
  const __m128i wt = _mm_or_si128(_mm_cmpeq_epi8(codes, reference), _mm_cmpeq_epi8(codes, _mm_setzero_si128()));
  return _mm_movemask_epi8(wt) == 0xFFFF;
}

void ChromosomePileup::offer_windows(const bam1_t& read, std::int64_t read_end, std::int64_t position, Slot& slot) {
  // Whether the read holds the reference's base kWindowCentre positions
  // before the change, so that its windows can centre it.
  const std::int64_t before = position - kWindowCentre;
  bool centred = false;
  if (before >= 1) {
    for_each_aligned_stretch(read, [&](std::int64_t first, std::int32_t query, std::int32_t count) {
      if (before < first || before >= first + count) return;
      const int code = bam_seqi(bam_get_seq(&read), query + static_cast<std::int32_t>(before - first));
      const char base = kSingleBase[static_cast<std::size_t>(code)];
      centred = code == 0 || (base != 0 && base == reference_base(before));
    });
  }
  if (slot.windows == 0) {
    if (free_entries_.empty()) {
      entries_.emplace_back();
      slot.windows = static_cast<std::uint32_t>(entries_.size());
    } else {
      slot.windows = free_entries_.back();
      free_entries_.pop_back();
    }
  }
  WindowEntry& entry = entries_[slot.windows - 1];
  if (entry.choice.offer(centred, read_end)) fill_windows(read, window_start(position, centred), entry.windows);
}

void ChromosomePileup::fill_windows(const bam1_t& read, std::int64_t first, PositionWindows& windows) const {
  for (int column = 0; column < kWindowLength; ++column) {
    windows.reference[column] = reference_base(first + column);
  }
  windows.read = windows.reference;
  const std::int64_t last = first + kWindowLength - 1;
  const std::uint8_t* sequence = bam_get_seq(&read);
  for_each_aligned_stretch(read, [&](std::int64_t start, std::int32_t query, std::int32_t count) {
    const std::int64_t from = std::max(start, first);
    const std::int64_t to = std::min(start + count - 1, last);
    for (std::int64_t at = from; at <= to; ++at) {
      const int code = bam_seqi(sequence, query + static_cast<std::int32_t>(at - start));
      if (code != 0) windows.read[static_cast<std::size_t>(at - first)] = kCodeLetters[static_cast<std::size_t>(code)];
    }
  });
}

void ChromosomePileup::release(Slot& slot) {
  if (slot.windows != 0) {
    entries_[slot.windows - 1].choice = WindowReadChoice{};
    free_entries_.push_back(slot.windows);
  }
  slot = Slot{};
}

}  // namespace vesmar
