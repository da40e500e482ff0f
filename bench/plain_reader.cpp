// The benchmark's baseline: the two scanners' reading of the alignment
// results file written the obvious way, with std::ifstream, std::getline and
// atoi, one line at a time, to show what the scanners' own readers save.
//
//   plain_reader point RATIO MINIMUM FILE   frames the records (two lines, or
//       four when mut_reads is not 0), keeps the records that pass the hit
//       test with their windows, and prints "hits N".
//   plain_reader gap FILE   skips lines of more than 6 characters, pairs the
//       counts, runs the gap detection and prints "gaps N".
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct PlainHit {
  int position;
  int wt_reads;
  int mut_reads;
  std::string read_window;
  std::string reference_window;
};

int count_hits(const char* path, double ratio, int minimum) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "plain_reader: cannot open " << path << "\n";
    return -1;
  }
  std::vector<PlainHit> hits;
  std::string line;
  std::string read_window;
  int position = 0;
  int wt_reads = 0;
  int mut_reads = 0;
  int line_in_record = 0;
  while (!in.eof()) {
    std::getline(in, line);
    if (line_in_record == 0) {
      wt_reads = atoi(line.c_str());
      line_in_record = 1;
    } else if (line_in_record == 1) {
      mut_reads = atoi(line.c_str());
      ++position;
      if (mut_reads == 0) {
        if (mut_reads >= minimum && mut_reads >= ratio * wt_reads) hits.push_back({position, wt_reads, mut_reads, "", ""});
        line_in_record = 0;
      } else {
        line_in_record = 2;
      }
    } else if (line_in_record == 2) {
      read_window = line;
      line_in_record = 3;
    } else {
      if (mut_reads >= minimum && mut_reads >= ratio * wt_reads) {
        hits.push_back({position, wt_reads, mut_reads, read_window, line});
      }
      line_in_record = 0;
    }
  }
  return static_cast<int>(hits.size());
}

struct Gap {
  int end;
  int length;
  int comment;
};

int count_gaps(const char* path) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "plain_reader: cannot open " << path << "\n";
    return -1;
  }
  std::vector<Gap> gaps;
  std::string line;
  bool second = false;
  int wt_reads = 0;
  int positions_done = 0;
  int open_gap = 0;
  int flank = 0;
  while (!in.eof()) {
    std::getline(in, line);
    if (line.size() > 6) continue;
    const int count = atoi(line.c_str());
    if (!second) {
      wt_reads = count;
      if (wt_reads >= 1 && open_gap == 0) flank = 0;
      second = true;
      continue;
    }
    second = false;
    const int mut_reads = count;
    if (mut_reads >= 1) {
      ++flank;
      if (flank == 2 && open_gap == 0) {
        gaps.push_back({positions_done, 0, 3});
        flank = 1;
      }
      if (open_gap > 0) {
        if (flank == 2) {
          gaps.push_back({positions_done, open_gap, 2});
          flank = 1;
        } else if (flank == 1) {
          gaps.push_back({positions_done, open_gap, 1});
          flank = 0;
        }
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
  return static_cast<int>(gaps.size());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "point" && argc == 5) {
    const int hits = count_hits(argv[4], atof(argv[2]), atoi(argv[3]));
    if (hits < 0) return 1;
    std::cout << "hits " << hits << "\n";
    return 0;
  }
  if (mode == "gap" && argc == 3) {
    const int gaps = count_gaps(argv[2]);
    if (gaps < 0) return 1;
    std::cout << "gaps " << gaps << "\n";
    return 0;
  }
  std::cerr << "usage: plain_reader point RATIO MINIMUM FILE | plain_reader gap FILE\n";
  return 2;
}
