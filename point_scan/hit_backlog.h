#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/alignment_results/alignment_record.h"

namespace vesmar {

// The hits read while the tables they are matched against are still being
// loaded on another thread: kept, windows copied, in the order they came,
// until the tables are there. It is bounded, so that a run with a hit at
// nearly every position waits for the tables instead of keeping its hits.
class HitBacklog {
 public:
  static constexpr std::size_t kMaxHits = 4096;
  static constexpr std::size_t kMaxWindowBytes = std::size_t{256} << 10;

  HitBacklog(std::size_t max_hits = kMaxHits, std::size_t max_window_bytes = kMaxWindowBytes)
      : max_hits_(max_hits), max_window_bytes_(max_window_bytes) {}

  void keep(const AlignmentRecord& hit);
  // Holds as much as it should: the caller waits for the tables now.
  bool full() const { return hits_.size() >= max_hits_ || windows_.size() >= max_window_bytes_; }

  // Gives use(hit) each hit kept, in order, and empties the backlog.
  template <class Use>
  void hand_over(Use&& use) {
    for (const Kept& kept : hits_) {
      AlignmentRecord hit;
      hit.position = kept.position;
      hit.wt_reads = kept.wt_reads;
      hit.mut_reads = kept.mut_reads;
      const std::string_view windows = std::string_view(windows_).substr(kept.read_window_at);
      hit.read_window = windows.substr(0, kept.read_window_size);
      hit.reference_window = windows.substr(kept.read_window_size, kept.reference_window_size);
      use(static_cast<const AlignmentRecord&>(hit));
    }
    hits_.clear();
    windows_.clear();
  }

 private:
  // The windows are kept one after the other in one text, which may move
  // as it grows: a hit's reference window follows its read window.
  struct Kept {
    std::int64_t position;
    std::int32_t wt_reads;
    std::int32_t mut_reads;
    std::size_t read_window_at;
    std::size_t read_window_size;
    std::size_t reference_window_size;
  };

  std::size_t max_hits_;
  std::size_t max_window_bytes_;
  std::vector<Kept> hits_;
  std::string windows_;
};

}  // namespace vesmar
