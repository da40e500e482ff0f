#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vesmar::bench {

// How much data a benchmark run gets. The genome scale is the whole genome;
// the smaller scales keep a prefix of it (the first positions of chromosome
// I, with the genes that lie there), so that their files are the first part
// of the genome-scale files of the same seed, and shrink the read and
// chromosome files by the same fraction.
struct BenchScale {
  std::string_view name;
  std::int64_t positions = 0;  // genome positions in the alignment results file
  double fraction = 1;         // share of the genome-scale file sizes

  // Sizes of the other files at this scale.
  std::int64_t fastq_bytes() const { return scaled(std::int64_t{2} << 30); }  // 2 GiB
  std::int64_t short_fastq_bytes() const { return fastq_bytes() / 64; }
  std::int64_t gseq_bytes() const { return scaled(std::int64_t{512} << 20); }
  std::int64_t fasta_bytes() const { return scaled(std::int64_t{512} << 20); }
  std::int64_t stress_region_count() const { return scaled(1'000'000); }
  std::int64_t scaled(std::int64_t genome_size) const {
    return static_cast<std::int64_t>(static_cast<double>(genome_size) * fraction + 0.5);
  }
};

// "genome", "medium" or "small"; nothing for any other name.
std::optional<BenchScale> scale_named(std::string_view name);

}  // namespace vesmar::bench
