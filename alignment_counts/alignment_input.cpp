#include "alignment_counts/alignment_input.h"

#include <unistd.h>

#include <cerrno>
#include <thread>

#include <htslib/bgzf.h>
#include <htslib/hts_log.h>

#include "engine/input_file.h"

namespace vesmar {

namespace {

// htslib's own messages would stand beside the program's, which say what
// went wrong in the suite's words.
void quiet_htslib() { hts_set_log_level(HTS_LOG_OFF); }

Status check_format(htsFile& file, const std::string& path) {
  const htsFormat* format = hts_get_format(&file);
  if (format->format == sam || format->format == bam || format->format == cram) return {};
  char* description = hts_format_description(format);
  const std::string text = description != nullptr ? description : "unknown";
  free(description);
  return Failure{path + " is not an alignment file (BAM, CRAM or SAM): it reads as " + text};
}

// A BAM (or bgzip-compressed SAM) file ends with an empty block: a file
// without it was cut short, and its reads would be counted only in part.
Status check_complete(htsFile& file, const std::string& path) {
  if (hts_get_format(&file)->compression != bgzf) return {};
  if (bgzf_check_EOF(file.fp.bgzf) != 0) return {};
  return Failure{path + " lacks the block that ends every BAM file: it is cut short"};
}

// Options for CRAM: the reference, and only the fields that are counted
// (names and tags need not be decoded).
Status set_cram_options(htsFile& file, const std::string& path, const std::string& reference_path) {
  if (hts_set_opt(&file, CRAM_OPT_REFERENCE, reference_path.c_str()) != 0) {
    return Failure{"cannot decode the CRAM file " + path + " with the reference " + reference_path +
                   ": htslib reads it through its index " + reference_path +
                   ".fai, which is missing and cannot be made there (samtools faidx makes it)"};
  }
  const int fields = SAM_QNAME | SAM_FLAG | SAM_RNAME | SAM_POS | SAM_MAPQ | SAM_CIGAR | SAM_SEQ | SAM_QUAL;
  if (hts_set_opt(&file, CRAM_OPT_REQUIRED_FIELDS, fields) != 0 || hts_set_opt(&file, CRAM_OPT_DECODE_MD, 0) != 0) {
    return Failure{"cannot set the options of the CRAM file " + path};
  }
  return {};
}

}  // namespace

BamRecord make_bam_record() { return BamRecord(bam_init1()); }

void AlignmentInput::FileClose::operator()(htsFile* file) const {
  // Closing a file read to the end, or not, reports nothing of use.
  (void)hts_close(file);
}

AlignmentInput::AlignmentInput(std::string path, std::unique_ptr<hts_tpool, PoolFree> pool,
                               std::unique_ptr<htsFile, FileClose> file, std::unique_ptr<sam_hdr_t, HeaderFree> header,
                               bool cram)
    : path_(std::move(path)),
      pool_(std::move(pool)),
      file_(std::move(file)),
      header_(std::move(header)),
      cram_(cram) {
  const int count = sam_hdr_nref(header_.get());
  for (int target = 0; target < count; ++target) {
    sequences_.push_back({sam_hdr_tid2name(header_.get(), target), sam_hdr_tid2len(header_.get(), target)});
  }
}

// Every read passes through the counting thread, in order: that is the part
// of the work that cannot be shared. The pool's threads decompress ahead of
// it at a lower priority, so that where there are no more cores than
// threads they take the time the counting thread leaves, instead of taking
// turns with it (on two cores a genome's BAM file took 7.9 s, and 7.0 s with
// the pool at nice 5). Linux keeps a nice value per thread, and a thread
// inherits that of the thread that starts it: the pool is started from a
// thread of its own, which lowers only its own priority.
std::unique_ptr<hts_tpool, AlignmentInput::PoolFree> AlignmentInput::start_pool(int threads) {
  constexpr int kPoolNiceIncrement = 5;
  std::unique_ptr<hts_tpool, AlignmentInput::PoolFree> pool;
  std::thread starter([&] {
    // If the priority cannot be lowered, the pool runs at the caller's.
    errno = 0;
    (void)nice(kPoolNiceIncrement);
    pool.reset(hts_tpool_init(threads));
  });
  starter.join();
  return pool;
}

Result<AlignmentInput> AlignmentInput::open(const std::string& path, const std::string& reference_path,
                                            int threads) {
  quiet_htslib();
  if (Status openable = check_can_open_for_reading(path); !openable.ok()) return openable.failure();
  std::unique_ptr<htsFile, FileClose> file(hts_open(path.c_str(), "r"));
  if (!file) return Failure::cannot_read("cannot read " + path + " as an alignment file (BAM, CRAM or SAM)");
  if (Status format = check_format(*file, path); !format.ok()) return format.failure();
  if (Status complete = check_complete(*file, path); !complete.ok()) return complete.failure();
  const bool cram = hts_get_format(file.get())->format == ::cram;
  if (cram) {
    if (Status set = set_cram_options(*file, path, reference_path); !set.ok()) return set.failure();
  }
  // BAM and CRAM files spend their time in decompression, which the pool
  // takes off the counting thread. A SAM file is left to the one thread:
  // parsed in batches, its damaged line would be reported without the
  // reads before it having been counted.
  std::unique_ptr<hts_tpool, PoolFree> pool;
  const bool compressed_records = hts_get_format(file.get())->format != sam;
  if (threads > 1 && compressed_records) {
    pool = start_pool(threads);
    // htslib's own queue (a few blocks a thread) leaves the pool's threads
    // waiting on the counting thread and waking again for every few blocks
    // of a BAM file; 128 blocks a thread (at most 64 KiB each, read and
    // decompressed: some 16 MiB a thread) keeps them working while the
    // counting catches up. A CRAM file's containers are far larger: htslib's
    // queue is kept for those.
    constexpr int kBamBlocksAheadPerThread = 128;
    htsThreadPool shared{pool.get(), cram ? 0 : kBamBlocksAheadPerThread * threads};
    if (!pool || hts_set_thread_pool(file.get(), &shared) != 0) {
      return Failure{"cannot start " + std::to_string(threads) + " threads to read " + path};
    }
  }
  std::unique_ptr<sam_hdr_t, HeaderFree> header(sam_hdr_read(file.get()));
  if (!header) return Failure{"cannot read the header of " + path + ": the file is damaged or cut short"};
  return AlignmentInput(path, std::move(pool), std::move(file), std::move(header), cram);
}

Result<bool> AlignmentInput::next(bam1_t& read) {
  const int status = sam_read1(file_.get(), header_.get(), &read);
  if (status >= 0) {
    ++reads_;
    return true;
  }
  if (status == -1) return false;
  std::string failure = "cannot read " + path_ + " on after " + std::to_string(reads_) + " reads: the file is damaged";
  failure += cram_ ? ", or the reference is not the one it was made with" : " or cut short";
  return Failure{std::move(failure)};
}

}  // namespace vesmar
