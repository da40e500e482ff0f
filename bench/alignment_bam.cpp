#include "bench/alignment_bam.h"

#include <htslib/sam.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <system_error>

#include "bench/synthetic_reads.h"
#include "bench/seeded_streams.h"
#include "genome/bases.h"

namespace vesmar::bench {

namespace {

constexpr int kMappingQuality = 60;

struct FileClose {
  void operator()(htsFile* file) const { (void)hts_close(file); }
};
struct HeaderFree {
  void operator()(sam_hdr_t* header) const { sam_hdr_destroy(header); }
};
struct RecordFree {
  void operator()(bam1_t* record) const { bam_destroy1(record); }
};

// How many of `mean` reads per position start at one: Poisson, drawn by its
// cumulative distribution from one value.
int reads_starting(RandomStream& random, double mean) {
  const double value = random.fraction();
  double term = std::exp(-mean);
  double cumulative = term;
  int count = 0;
  while (value >= cumulative && count < 64) {
    ++count;
    term *= mean / count;
    cumulative += term;
  }
  return count;
}

// The chromosomes as reference.fa holds them: as far as `positions` reach.
std::vector<std::pair<std::string_view, std::int64_t>> chromosome_lengths(const Reference& reference,
                                                                          std::int64_t positions) {
  std::vector<std::pair<std::string_view, std::int64_t>> lengths;
  for (const Chromosome& chromosome : reference.chromosomes()) {
    const std::int64_t count = std::min(chromosome.sequence_length, positions - chromosome.offset);
    if (count <= 0) break;
    lengths.emplace_back(chromosome.name, count);
  }
  return lengths;
}

Status failure_of(const std::string& path, std::string_view what) {
  return Failure::cannot_write("cannot " + std::string(what) + " " + path);
}

// One read as the BAM record of its true alignment: its bases and qualities
// in the genome's orientation.
bool set_record(bam1_t& record, const generator::SolexaRead& read, int target, std::int64_t position, bool forward) {
  const std::string name = generator::read_name(kInstrument.name_prefix, read);
  const std::string bases = forward ? read.bases : reverse_complement(read.bases);
  const std::string qualities = generator::shifted_qualities(read.qualities, 0, !forward);
  const std::uint32_t cigar = bam_cigar_gen(kReadLength, BAM_CMATCH);
  const std::uint16_t flag = static_cast<std::uint16_t>((forward ? 0 : BAM_FREVERSE) |
                                                        (read.passed_filter ? 0 : BAM_FQCFAIL));
  return bam_set1(&record, name.size(), name.c_str(), flag, target, position - 1, kMappingQuality, 1, &cigar, -1, -1,
                  0, bases.size(), bases.c_str(), qualities.c_str(), 0) >= 0;
}

}  // namespace

Result<AlignmentBamSummary> write_alignment_bam(const std::string& path, const Reference& reference,
                                                std::uint64_t seed, std::int64_t positions, double mean_depth) {
  std::unique_ptr<htsFile, FileClose> file(hts_open(path.c_str(), "wb"));
  if (!file) return failure_of(path, "create").failure();
  std::unique_ptr<sam_hdr_t, HeaderFree> header(sam_hdr_init());
  const auto lengths = chromosome_lengths(reference, positions);
  bool made = header && sam_hdr_add_line(header.get(), "HD", "VN", "1.6", "SO", "coordinate", nullptr) == 0;
  for (const auto& [name, length] : lengths) {
    made = made && sam_hdr_add_line(header.get(), "SQ", "SN", std::string(name).c_str(), "LN",
                                    std::to_string(length).c_str(), nullptr) == 0;
  }
  if (!made || sam_hdr_write(file.get(), header.get()) != 0) return failure_of(path, "write the header of").failure();

  AlignmentBamSummary summary;
  std::unique_ptr<bam1_t, RecordFree> record(bam_init1());
  const double starts_per_position = mean_depth / kReadLength;
  for (std::size_t target = 0; target < lengths.size(); ++target) {
    const Chromosome& chromosome = reference.chromosomes()[target];
    for (std::int64_t position = 1; position + kReadLength - 1 <= lengths[target].second; ++position) {
      const std::int64_t genome_position = chromosome.offset + position;
      RandomStream random(keyed_random(seed, Stream::AlignedReads, static_cast<std::uint64_t>(genome_position)));
      for (int count = reads_starting(random, starts_per_position); count > 0; --count) {
        generator::SolexaRead read;
        draw_place(random, read);
        const bool forward = random.chance(0.5);
        draw_bases(random, reference, genome_position, forward, read);
        read.passed_filter = random.next() % 10 != 0;
        if (!set_record(*record, read, static_cast<int>(target), position, forward) ||
            sam_write1(file.get(), header.get(), record.get()) < 0) {
          return failure_of(path, "write").failure();
        }
        ++summary.reads;
        if (!read.passed_filter) ++summary.failed_filter;
      }
    }
  }
  if (hts_close(file.release()) != 0) return failure_of(path, "finish").failure();
  std::error_code error;
  summary.bytes = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
  return summary;
}

}  // namespace vesmar::bench
