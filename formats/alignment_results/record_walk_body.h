// The loop of walk_records (record_walk.h), which includes this text once
// for each instruction set it is built for, with classify_chunk,
// prefix_parity and count_bits of that instruction set in scope. No include
// guard, on purpose.
//
// The 64-byte chunks are taken at fixed steps from the cursor, not from the
// last record found, so that no chunk waits for the one before it: a running
// parity of the line starts (of count lines only, for WildTypeOnly) tells
// first and second lines apart across chunks, and the next chunk's line
// feeds show where the lines that end the current one end. The lines that
// other_pair takes hold an even number of those starts, so they leave the
// parity as it was.
template <QuickRecord kind, class QuickRun, class OtherPair>
void walk_records(LineCursor& cursor, QuickRun& quick_run, OtherPair& other_pair) {
  const char* const stop = cursor.stop();
  const char* chunk = cursor.line_begin();
  const char* taken_to = chunk;             // lines before it are done with
  const char* last_quick_second = nullptr;  // the "0" line of the last quick record
  const char* last_first = chunk;           // the last first line seen
  std::uint64_t start_carry = 1;            // whether the chunk begins a line
  std::uint64_t odd_before = 0;             // all ones after an odd number of line starts
  std::int64_t run = 0;
  if (stop - chunk < 64) return;
  ChunkClasses current = classify_chunk(chunk);
  while (stop - chunk >= 64) {
    // The text's slack covers the next chunk even where it lies past stop.
    const ChunkClasses next = classify_chunk(chunk + 64);
    std::uint64_t next_feeds = next.feeds;
    const auto left = static_cast<std::size_t>(stop - chunk) - 64;
    if (left < 64) next_feeds &= (std::uint64_t{1} << left) - 1;
    const std::uint64_t feeds = current.feeds;
    std::uint64_t starts = (feeds << 1) | start_carry;
    start_carry = feeds >> 63;
    if constexpr (kind == QuickRecord::WildTypeOnly) {
      // A count line has a line feed 0 to 6 bytes from its start.
      const unsigned __int128 both = feeds | (static_cast<unsigned __int128>(next_feeds) << 64);
      unsigned __int128 near = both | (both >> 1);  // a feed 0 to 1 bytes on
      near |= near >> 2;                             // 0 to 3
      near |= near >> 3;                             // 0 to 6
      starts &= static_cast<std::uint64_t>(near);
    }
    const std::uint64_t parity = prefix_parity(starts) ^ odd_before;
    odd_before = 0 - (parity >> 63);
    std::uint64_t firsts = starts & parity;
    std::uint64_t seconds = starts & ~parity;
    const std::uint64_t feed_after = (feeds >> 1) | (next_feeds << 63);
    std::uint64_t bad = seconds & ~(current.zeros & feed_after);
    if constexpr (kind == QuickRecord::WildTypeOnly) bad |= firsts & ~current.nonzero_digits;
    auto drop_taken = [&] {
      if (taken_to <= chunk) return;
      const auto taken = static_cast<std::size_t>(taken_to - chunk);
      const std::uint64_t kept = taken >= 64 ? 0 : ~std::uint64_t{0} << taken;
      firsts &= kept;
      seconds &= kept;
      bad &= kept;
    };
    drop_taken();
    while (bad != 0) {
      const auto at = static_cast<unsigned>(__builtin_ctzll(bad));
      const std::uint64_t before = (std::uint64_t{1} << at) - 1;
      if (const std::uint64_t quick = seconds & before; quick != 0) {
        run += count_bits(quick);
        last_quick_second = chunk + (63 - __builtin_clzll(quick));
      }
      // The record begins at the bad line, or at the first line before it.
      const std::uint64_t firsts_before = firsts & (before | (std::uint64_t{1} << at));
      const char* record =
          firsts_before != 0 ? chunk + (63 - __builtin_clzll(firsts_before)) : last_first;
      if (run != 0) {
        quick_run(run);
        run = 0;
      }
      const char* after = other_pair(record, LineEnds(cursor, chunk, feeds, next_feeds));
      if (after == nullptr) {
        cursor.move_to(record);
        return;
      }
      taken_to = after;
      last_quick_second = nullptr;
      drop_taken();
    }
    if (seconds != 0) {
      run += count_bits(seconds);
      last_quick_second = chunk + (63 - __builtin_clzll(seconds));
    }
    if (firsts != 0) last_first = chunk + (63 - __builtin_clzll(firsts));
    current = next;
    chunk += 64;
  }
  if (run != 0) quick_run(run);
  // Past the last record done: a quick record ends with its "0" line.
  cursor.move_to(last_quick_second != nullptr && last_quick_second > taken_to
                     ? last_quick_second + 2
                     : taken_to);
}
