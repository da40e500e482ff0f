#pragma once

#include <htslib/sam.h>
#include <htslib/thread_pool.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "alignment_counts/genome_plan.h"
#include "engine/failure.h"

namespace vesmar {

struct BamRecordFree {
  void operator()(bam1_t* record) const { bam_destroy1(record); }
};
// A read, as htslib holds it.
using BamRecord = std::unique_ptr<bam1_t, BamRecordFree>;
BamRecord make_bam_record();

// An alignment file read with htslib: BAM, CRAM or SAM (plain or compressed
// with bgzip), told apart by its content whatever its name.
class AlignmentInput {
 public:
  // Opens the file at `path` and reads its header. A CRAM file is decoded
  // against the FASTA file at `reference_path` (htslib reads it through its
  // index, reference_path + ".fai", which it makes when it is missing and
  // the folder may be written). Fails, naming the file, when it cannot be
  // opened, is no alignment file, or is cut short (a BAM without its
  // end-of-file block). With `threads` above 1, that many threads of
  // htslib's pool decompress a BAM or CRAM file's blocks ahead of the reads
  // asked for, in the file's order, while the caller counts.
  static Result<AlignmentInput> open(const std::string& path, const std::string& reference_path, int threads = 1);

  // The sequences its header names, in their order.
  const std::vector<SequenceHeader>& sequences() const { return sequences_; }
  const std::string& path() const { return path_; }

  // Reads the next read into `read`: true, or false at the end of the file;
  // a failure when the file cannot be read on (it is damaged, or a CRAM
  // file's reference is not the one it was made with).
  Result<bool> next(bam1_t& read);

 private:
  struct FileClose {
    void operator()(htsFile* file) const;
  };
  struct PoolFree {
    void operator()(hts_tpool* pool) const { hts_tpool_destroy(pool); }
  };
  struct HeaderFree {
    void operator()(sam_hdr_t* header) const { sam_hdr_destroy(header); }
  };

  // htslib's pool of `threads` threads, below the caller's priority.
  static std::unique_ptr<hts_tpool, PoolFree> start_pool(int threads);

  AlignmentInput(std::string path, std::unique_ptr<hts_tpool, PoolFree> pool, std::unique_ptr<htsFile, FileClose> file,
                 std::unique_ptr<sam_hdr_t, HeaderFree> header, bool cram);

  std::string path_;
  // The pool outlives the file that uses it: members end in reverse order.
  std::unique_ptr<hts_tpool, PoolFree> pool_;
  std::unique_ptr<htsFile, FileClose> file_;
  std::unique_ptr<sam_hdr_t, HeaderFree> header_;
  bool cram_;
  std::vector<SequenceHeader> sequences_;
  std::int64_t reads_ = 0;
};

}  // namespace vesmar
