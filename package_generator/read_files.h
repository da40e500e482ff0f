#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "engine/failure.h"
#include "engine/output_file.h"

namespace vesmar::generator {

// The three kinds of read files a Solexa instrument's export writes.
//   FASTQ: "@" name, bases, "+", qualities.
//   gseq:  11 tab-separated fields: machine, run, lane, tile, x, y, index (0),
//          read number (1), bases ("." where no base was called),
//          qualities, filter (1 passed, 0 failed).
//   FASTA: ">" name, bases.
// The name of a read is prefix:lane:tile:x:y#0/1.
enum class ReadFileFormat { Fastq, Gseq, Fasta };

// The instrument run the reads come from, as its records spell it.
struct ReadSource {
  std::string_view machine;      // gseq's first field
  std::string_view run;          // gseq's second field, as the instrument writes it
  std::string_view name_prefix;  // the start of a FASTQ or FASTA read name
};

// What a read file holds.
struct ReadFileSummary {
  std::int64_t reads = 0;
  std::int64_t bytes = 0;
};

// One cluster's read as the instrument reports it: where it lies on the flow
// cell, its bases (upper case, N where no base was called) and qualities.
struct SolexaRead {
  int lane = 1;
  int tile = 1;
  int x = 0;
  int y = 0;
  std::string bases;
  std::string qualities;
  bool passed_filter = true;
};

// A read's name as the instrument's files give it, prefix:lane:tile:x:y#0.
// FASTQ and FASTA add "/1", the read's number; an aligner's SAM or BAM file
// names the read without it. Appended to `text`, so that a read file's
// records are made in one reused buffer.
void append_read_name(std::string& text, std::string_view prefix, const SolexaRead& read);
inline std::string read_name(std::string_view prefix, const SolexaRead& read) {
  std::string name;
  append_read_name(name, prefix, read);
  return name;
}

// The instrument's Phred+64 quality letters shifted to Phred+`offset` (33 for
// SAM's letters, 0 for the values a BAM record holds), reversed for a read
// that aligns to the other strand, as SAM and BAM keep a read's qualities in
// the genome's orientation.
std::string shifted_qualities(std::string qualities, int offset, bool reverse);

// A read file being written, one record per read in the order added.
class ReadFile {
 public:
  static Result<ReadFile> create(const std::string& path, ReadFileFormat format, const ReadSource& source);

  void add(const SolexaRead& read);
  // What was added so far.
  const ReadFileSummary& summary() const { return summary_; }
  Status commit() { return file_->commit(); }

 private:
  ReadFile(std::unique_ptr<OutputFile> file, ReadFileFormat format, const ReadSource& source)
      : file_(std::move(file)), format_(format), source_(source) {}
  void append_record(const SolexaRead& read);

  std::unique_ptr<OutputFile> file_;
  ReadFileFormat format_;
  ReadSource source_;
  ReadFileSummary summary_;
  std::string record_;
};

}  // namespace vesmar::generator
