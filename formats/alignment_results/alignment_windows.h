#pragma once

#include <cstdint>

namespace vesmar {

// A position of the alignment results file with mutant reads shows the change
// in two windows of kWindowLength columns: the bases of one read that shows
// it, and the reference's bases over the same genome positions. The scanners
// find the changed base in column kWindowCentre when the windows' first
// characters are equal and in column 0 when they differ. So the windows may
// start kWindowCentre positions before the change only when the read agrees
// with the reference there; otherwise they start at the change itself, where
// the two differ by the change.
inline constexpr int kWindowLength = 25;
inline constexpr int kWindowCentre = 12;

// Which of the reads that show a change gives the windows, the same one on
// every run. Among the reads that hold the reference's base kWindowCentre
// positions before the change (their windows centre it), the one that reaches
// furthest past it, so that its window shows the most of the read on both
// sides; when no read does, the first one (reads come in the order of their
// start, so the one that starts first). Of two that reach as far, the first
// stays.
class WindowReadChoice {
 public:
  // Offers the next read that shows the change, in the alignment file's
  // order: `centred` when it holds the reference's base kWindowCentre
  // positions before the change, `reach` the position of its last aligned
  // base. True when it is now the chosen read (its windows replace those of
  // the read chosen before).
  bool offer(bool centred, std::int64_t reach) {
    const bool chosen = !any_ || (centred && (!centred_ || reach > reach_));
    if (chosen) {
      any_ = true;
      centred_ = centred;
      reach_ = reach;
    }
    return chosen;
  }
  bool centred() const { return centred_; }

 private:
  bool any_ = false;
  bool centred_ = false;
  std::int64_t reach_ = 0;
};

// The position of the windows' first column for a change at `position`.
inline std::int64_t window_start(std::int64_t position, bool centred) {
  return centred ? position - kWindowCentre : position;
}

}  // namespace vesmar
