// The benchmark's baselines: the two scanners' reading of the alignment
// results file written the obvious way, to show what the scanners' own
// readers save. Two ways to take the lines:
//   getline  std::ifstream and std::getline, one line at a time, and atoi;
//   blocks   read() into a 1 MiB buffer and a plain loop over its bytes, no
//            SIMD (what the suite's record walk is measured against).
//
//   plain_reader [--blocks] point RATIO MINIMUM FILE   frames the records (two
//       lines, or four when mut_reads is not 0), keeps the records that pass
//       the hit test with their windows, and prints "hits N".
//   plain_reader [--blocks] gap FILE   skips lines of more than 6 characters,
//       pairs the counts, runs the gap detection and prints "gaps N".
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct PlainHit {
  int position;
  int wt_reads;
  int mut_reads;
  std::string read_window;
  std::string reference_window;
};

// How a count line is read: atoi itself, on the getline reader's
// NUL-terminated line, or the same rule in a loop over the block's bytes.
using CountReader = int (*)(std::string_view line);

int atoi_of(std::string_view line) { return atoi(line.data()); }

int count_of(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  const bool negative = i < line.size() && line[i] == '-';
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) ++i;
  int value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) value = value * 10 + (line[i] - '0');
  return negative ? -value : value;
}

// The point scanner's framing and hit test, a line at a time.
struct HitCounter {
  CountReader count_of;
  double ratio;
  int minimum;
  std::vector<PlainHit> hits;
  std::string read_window;
  int position = 0;
  int wt_reads = 0;
  int mut_reads = 0;
  int line_in_record = 0;

  bool is_hit() const { return mut_reads >= minimum && mut_reads >= ratio * wt_reads; }

  void line(std::string_view line) {
    if (line_in_record == 0) {
      wt_reads = count_of(line);
      line_in_record = 1;
    } else if (line_in_record == 1) {
      mut_reads = count_of(line);
      ++position;
      line_in_record = mut_reads == 0 ? 0 : 2;
      if (mut_reads == 0 && is_hit()) hits.push_back({position, wt_reads, mut_reads, "", ""});
    } else if (line_in_record == 2) {
      read_window = line;
      line_in_record = 3;
    } else {
      if (is_hit()) hits.push_back({position, wt_reads, mut_reads, read_window, std::string(line)});
      line_in_record = 0;
    }
  }
  std::size_t result() const { return hits.size(); }
};

struct Gap {
  int end;
  int length;
  int comment;
};

// The gap scanner's pairing of count lines and its gap detection.
struct GapCounter {
  CountReader count_of;
  std::vector<Gap> gaps;
  bool second = false;
  int wt_reads = 0;
  int positions_done = 0;
  int open_gap = 0;
  int flank = 0;

  void line(std::string_view line) {
    if (line.size() > 6) return;
    const int count = count_of(line);
    second = !second;
    if (second) {
      wt_reads = count;
      if (wt_reads >= 1 && open_gap == 0) flank = 0;
      return;
    }
    const int mut_reads = count;
    if (mut_reads >= 1) {
      ++flank;
      if (flank == 2 && open_gap == 0) {
        gaps.push_back({positions_done, 0, 3});
        flank = 1;
      }
      if (open_gap > 0) {
        gaps.push_back({positions_done, open_gap, flank});
        flank = flank == 2 ? 1 : 0;
        open_gap = 0;
      }
    } else if (wt_reads == 0) {
      ++open_gap;
    } else if (open_gap > 0) {
      gaps.push_back({positions_done, open_gap, flank == 1 ? 1 : 0});
      flank = 0;
      open_gap = 0;
    }
    ++positions_done;
  }
  std::size_t result() const { return gaps.size(); }
};

template <class Counter>
bool read_by_getline(const char* path, Counter& counter) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (!in.eof()) {
    std::getline(in, line);
    counter.line(line);
  }
  return true;
}

template <class Counter>
bool read_by_blocks(const char* path, Counter& counter) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) return false;
  std::vector<char> buffer(std::size_t{1} << 20);
  std::string carried;  // the start of a line that a block ended with
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got <= 0) break;
    std::size_t line_begin = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(got); ++i) {
      if (buffer[i] != '\n') continue;
      const std::string_view piece(buffer.data() + line_begin, i - line_begin);
      if (carried.empty()) {
        counter.line(piece);
      } else {
        carried += piece;
        counter.line(carried);
        carried.clear();
      }
      line_begin = i + 1;
    }
    carried.append(buffer.data() + line_begin, static_cast<std::size_t>(got) - line_begin);
  }
  counter.line(carried);
  ::close(fd);
  return true;
}

template <class Counter>
int run(bool blocks, const char* path, Counter counter, const char* what) {
  if (!(blocks ? read_by_blocks(path, counter) : read_by_getline(path, counter))) {
    std::cerr << "plain_reader: cannot open " << path << "\n";
    return 1;
  }
  std::cout << what << " " << counter.result() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool blocks = argc > 1 && std::string_view(argv[1]) == "--blocks";
  if (blocks) {
    --argc;
    ++argv;
  }
  const std::string mode = argc > 1 ? argv[1] : "";
  const CountReader count_reader = blocks ? count_of : atoi_of;
  if (mode == "point" && argc == 5) {
    return run(blocks, argv[4], HitCounter{count_reader, atof(argv[2]), atoi(argv[3]), {}, {}}, "hits");
  }
  if (mode == "gap" && argc == 3) return run(blocks, argv[2], GapCounter{count_reader, {}}, "gaps");
  std::cerr << "usage: plain_reader [--blocks] point RATIO MINIMUM FILE | plain_reader [--blocks] gap FILE\n";
  return 2;
}
