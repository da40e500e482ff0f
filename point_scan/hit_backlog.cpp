#include "point_scan/hit_backlog.h"

namespace vesmar {

void HitBacklog::keep(const AlignmentRecord& hit) {
  Kept kept{hit.position, hit.wt_reads, hit.mut_reads, windows_.size(), hit.read_window.size(), 0, 0};
  windows_.append(hit.read_window);
  kept.reference_window_at = windows_.size();
  kept.reference_window_size = hit.reference_window.size();
  windows_.append(hit.reference_window);
  hits_.push_back(kept);
}

}  // namespace vesmar
