#include "point_scan/hit_backlog.h"

namespace vesmar {

void HitBacklog::keep(const AlignmentRecord& hit) {
  hits_.push_back({hit.position, hit.wt_reads, hit.mut_reads, windows_.size(), hit.read_window.size(),
                   hit.reference_window.size()});
  windows_.append(hit.read_window).append(hit.reference_window);
}

}  // namespace vesmar
