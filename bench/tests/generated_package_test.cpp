#include <gtest/gtest.h>
#include <htslib/sam.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/alignment_source.h"
#include "bench/bench_package.h"
#include "bench/feature_files.h"
#include "bench/gene_layout.h"
#include "bench/synthetic_genome.h"
#include "genome/bases.h"
#include "genome/chromosome_offsets.h"
#include "testing/program_run.h"
#include "testing/text_lines.h"

namespace vesmar::bench {
namespace {

namespace fs = std::filesystem;
using vesmar::testing::lines_of;
using vesmar::testing::ScratchFolder;

std::int64_t manifest_number(const std::string& manifest, const std::string& key) {
  for (const std::string& line : lines_of(manifest)) {
    if (line.rfind(key + "=", 0) == 0) return std::stoll(line.substr(key.size() + 1));
  }
  ADD_FAILURE() << "no " << key << " in the manifest";
  return -1;
}

// One small package, generated once for all the tests of this file.
class GeneratedPackage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder();
    GeneratorSettings settings{*scale_named("small"), 11, true, false, folder_->root(), {}};
    Result<std::string> manifest = generate_package(settings);
    ASSERT_TRUE(manifest.ok()) << manifest.failure().message;
    manifest_ = new std::string(manifest.value());
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete manifest_;
  }
  static std::vector<std::string> feature_lines(const std::string& name) {
    return lines_of(folder_->read("Desktop/vesmar/Feature_locations/" + name));
  }

  static ScratchFolder* folder_;
  static std::string* manifest_;
  const Reference reference_{11};
};
ScratchFolder* GeneratedPackage::folder_ = nullptr;
std::string* GeneratedPackage::manifest_ = nullptr;

struct ParsedRecord {
  std::int64_t position;
  std::string wt_line, mut_line, read_window, reference_window;
};

std::vector<ParsedRecord> parse_alignment(const std::vector<std::string>& lines) {
  std::vector<ParsedRecord> records;
  for (std::size_t i = 0; i + 1 < lines.size();) {
    ParsedRecord record{static_cast<std::int64_t>(records.size()) + 1, lines[i], lines[i + 1], "", ""};
    i += 2;
    if (std::stoi(record.mut_line) != 0) {
      record.read_window = lines.at(i);
      record.reference_window = lines.at(i + 1);
      i += 2;
    }
    records.push_back(record);
  }
  return records;
}

TEST_F(GeneratedPackage, AlignmentFileHasOneRecordPerPositionWithWindowsThatShowTheReference) {
  const std::vector<ParsedRecord> records =
      parse_alignment(lines_of(folder_->read("Desktop/vesmar/Alignment_results/alignment.txt")));
  ASSERT_EQ(static_cast<std::int64_t>(records.size()), scale_named("small")->positions);
  std::int64_t hits = 0, with_windows = 0, uncovered = 0, early = 0;
  for (const ParsedRecord& record : records) {
    ASSERT_LE(record.wt_line.size(), 6u);
    ASSERT_LE(record.mut_line.size(), 6u);
    const int wt = std::stoi(record.wt_line), mut = std::stoi(record.mut_line);
    if (wt == 0 && mut == 0) ++uncovered;
    if (mut >= 2 && mut >= 3 * wt) ++hits;
    if (mut == 0) continue;
    ++with_windows;
    ASSERT_EQ(record.read_window.size(), 25u);
    ASSERT_EQ(record.reference_window.size(), 25u);
    // The changed base stands at column 12 when the windows start alike,
    // at column 0 otherwise; it is the only difference.
    const bool starts_alike = record.read_window[0] == record.reference_window[0];
    const std::int64_t column = starts_alike ? 12 : 0;
    if (!starts_alike) ++early;
    for (std::int64_t c = 0; c < 25; ++c) {
      ASSERT_EQ(record.reference_window[c], reference_.base(record.position - column + c)) << record.position;
      if (c != column) {
        ASSERT_EQ(record.read_window[c], record.reference_window[c]) << record.position;
      }
    }
    ASSERT_NE(record.read_window[column], record.reference_window[column]);
  }
  EXPECT_EQ(hits, manifest_number(*manifest_, "alignment.hits_3_2"));
  EXPECT_EQ(with_windows, manifest_number(*manifest_, "alignment.records_with_windows"));
  EXPECT_EQ(uncovered, manifest_number(*manifest_, "alignment.uncovered_positions"));
  // One mutant read at about 5% of positions; a few windows start at the base.
  EXPECT_NEAR(static_cast<double>(with_windows) / static_cast<double>(records.size()), 0.05, 0.01);
  EXPECT_GT(early, 0);
  EXPECT_GT(uncovered, 0);
  EXPECT_GT(hits, 0);
}

TEST_F(GeneratedPackage, StressAlignmentHasAboutOneHitInTenPositions) {
  const std::int64_t positions = manifest_number(*manifest_, "stress_alignment.positions");
  const std::int64_t hits = manifest_number(*manifest_, "stress_alignment.hits_3_2");
  EXPECT_NEAR(static_cast<double>(hits) / static_cast<double>(positions), 0.095, 0.01);
  EXPECT_TRUE(folder_->exists("stress_regions/Desktop/vesmar/Alignment_results/stress_alignment.txt"));
  EXPECT_EQ(folder_->read("stress_regions/Desktop/vesmar/Alignment_results/stress_alignment.txt"),
            folder_->read("Desktop/vesmar/Alignment_results/stress_alignment.txt"));
}

struct ParsedRegion {
  std::string name;
  std::int64_t start, end;
  std::string chromosome, strand;
};

std::vector<ParsedRegion> parse_regions(const std::vector<std::string>& lines) {
  EXPECT_EQ(lines.size() % 5, 0u);
  std::vector<ParsedRegion> regions;
  for (std::size_t i = 0; i + 4 < lines.size(); i += 5) {
    regions.push_back({lines[i], std::stoll(lines[i + 1]), std::stoll(lines[i + 2]), lines[i + 3], lines[i + 4]});
  }
  return regions;
}

void expect_regions_in_genome_order_on_their_chromosomes(const std::vector<ParsedRegion>& regions,
                                                         const Reference& reference, std::int64_t positions) {
  ASSERT_FALSE(regions.empty());
  for (std::size_t i = 0; i < regions.size(); ++i) {
    const ParsedRegion& region = regions[i];
    SCOPED_TRACE(region.name);
    ASSERT_LE(region.start, region.end);
    ASSERT_GE(region.start, 0);
    ASSERT_LT(region.end, positions);
    if (i > 0) {
      ASSERT_LE(regions[i - 1].start, region.start);
    }
    const Chromosome& chromosome = chromosome_at(reference.chromosomes(), region.start + 1);
    ASSERT_EQ(region.chromosome, chromosome.name);
    ASSERT_EQ(&chromosome_at(reference.chromosomes(), region.end + 1), &chromosome);
    ASSERT_TRUE(region.strand == "1" || region.strand == "-1");
  }
}

TEST_F(GeneratedPackage, RegionFilesAreInGenomeOrderOnTheChromosomesOfTheirCoordinates) {
  const std::int64_t positions = scale_named("small")->positions;
  for (const char* file : {"cexons.txt", "cintrons.txt", "cintergenic.txt"}) {
    SCOPED_TRACE(file);
    expect_regions_in_genome_order_on_their_chromosomes(parse_regions(feature_lines(file)), reference_, positions);
  }
  const std::vector<ParsedRegion> blocks = parse_regions(
      lines_of(folder_->read("stress_regions/Desktop/vesmar/Feature_locations/cintergenic.txt")));
  EXPECT_EQ(static_cast<std::int64_t>(blocks.size()), scale_named("small")->stress_region_count());
  expect_regions_in_genome_order_on_their_chromosomes(blocks, reference_, positions);
}

TEST_F(GeneratedPackage, ExonSequencesAreTheReferenceInTranscriptOrientation) {
  std::map<std::string, std::string> sequences;
  const std::vector<std::string> lines = feature_lines("exon_sequences.txt");
  ASSERT_EQ(lines.size() % 2, 0u);
  for (std::size_t i = 0; i < lines.size(); i += 2) sequences[lines[i]] = lines[i + 1];
  const std::vector<ParsedRegion> exons = parse_regions(feature_lines("cexons.txt"));
  ASSERT_EQ(sequences.size(), exons.size());
  for (const ParsedRegion& exon : exons) {
    SCOPED_TRACE(exon.name);
    const std::string& sequence = sequences.at(exon.name);
    ASSERT_EQ(static_cast<std::int64_t>(sequence.size()), exon.end - exon.start + 1);
    for (std::int64_t c = exon.start; c <= exon.end; ++c) {
      const char expected = exon.strand == "1" ? reference_.base(c + 1) : complement(reference_.base(exon.end + exon.start - c + 1));
      ASSERT_EQ(sequence[c - exon.start], expected);
    }
  }
}

TEST_F(GeneratedPackage, FramesAreValidAndEveryGeneCodesWholeCodonsInNamedOrder) {
  const std::vector<std::string> lines = feature_lines("exon_frames.txt");
  ASSERT_EQ(lines.size() % 4, 0u);
  // exons of each gene by exon number
  std::map<std::string, std::map<int, std::vector<int>>> genes;
  for (std::size_t i = 0; i < lines.size(); i += 4) {
    const std::string& name = lines[i];
    const std::size_t dot = name.find(".exon");
    ASSERT_NE(dot, std::string::npos) << name;
    ASSERT_EQ(name.rfind("gene", 0), 0u) << name;
    genes[name.substr(0, dot)][std::stoi(name.substr(dot + 5))] = {std::stoi(lines[i + 1]), std::stoi(lines[i + 2]),
                                                                   std::stoi(lines[i + 3])};
  }
  std::map<std::string, std::int64_t> lengths;
  for (const ParsedRegion& exon : parse_regions(feature_lines("cexons.txt"))) {
    lengths[exon.name] = exon.end - exon.start + 1;
  }
  for (const auto& [gene, exons] : genes) {
    SCOPED_TRACE(gene);
    std::int64_t coding = 0;
    int expected_number = 1;
    for (const auto& [number, frame] : exons) {
      // Exons are numbered 1, 2, ... so that each one's neighbours resolve.
      ASSERT_EQ(number, expected_number++);
      const int five_prime_skip = frame[0], three_prime_skip = frame[1], start_frame = frame[2];
      ASSERT_GE(five_prime_skip, 0);
      ASSERT_GE(three_prime_skip, 0);
      ASSERT_EQ(start_frame, coding % 3 + 1);
      const std::int64_t length = lengths.at(gene + ".exon" + std::to_string(number));
      ASSERT_GT(length - five_prime_skip - three_prime_skip, 0);
      coding += length - five_prime_skip - three_prime_skip;
    }
    ASSERT_EQ(coding % 3, 0);
  }
}

TEST_F(GeneratedPackage, ReadsHaveThirtySixBasesAndQualitiesAndFillTheirFiles) {
  const std::vector<std::string> fastq = lines_of(folder_->read("Desktop/reads_short.fastq"));
  ASSERT_EQ(fastq.size() % 4, 0u);
  for (std::size_t i = 0; i < fastq.size(); i += 4) {
    ASSERT_EQ(fastq[i + 1].size(), 36u);
    ASSERT_EQ(fastq[i + 1].find_first_not_of("ACGTN"), std::string::npos);
    ASSERT_EQ(fastq[i + 3].size(), 36u);
  }
  EXPECT_GE(static_cast<std::int64_t>(folder_->read("Desktop/reads.fastq").size()),
            scale_named("small")->fastq_bytes());
}

TEST_F(GeneratedPackage, ChromosomeFilesHoldTheReferenceInUpperCase) {
  const std::vector<std::string> lines = lines_of(folder_->read("Desktop/chrII.fa"));
  ASSERT_GT(lines.size(), 1u);
  EXPECT_EQ(lines[0], ">II");
  const Chromosome& chromosome = reference_.chromosomes()[1];
  for (std::size_t i = 0; i < lines[1].size(); ++i) {
    EXPECT_EQ(lines[1][i], reference_.base(chromosome.first_position() + static_cast<std::int64_t>(i)) - 'a' + 'A');
  }
  std::string joined;
  for (const char* file : {"chrI.fa", "chrII.fa", "chrIII.fa", "chrIV.fa", "chrV.fa", "chrX.fa"}) {
    joined += folder_->read(std::string("Desktop/") + file);
  }
  EXPECT_EQ(joined, folder_->read("Desktop/genome.fa"));
}

TEST_F(GeneratedPackage, ReferenceFastaReachesAsFarAsTheAlignmentResults) {
  // At the small scale every position of the alignment results lies on
  // chromosome I.
  const std::vector<std::string> lines = lines_of(folder_->read("Desktop/reference.fa"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], ">I");
  std::string bases;
  for (std::size_t i = 1; i < lines.size(); ++i) bases += lines[i];
  EXPECT_EQ(static_cast<std::int64_t>(bases.size()), manifest_number(*manifest_, "alignment.positions"));
  EXPECT_EQ(static_cast<std::int64_t>(bases.size()), manifest_number(*manifest_, "reference_bases"));
  for (std::int64_t position = 1; position <= static_cast<std::int64_t>(bases.size()); position += 997) {
    ASSERT_EQ(bases[static_cast<std::size_t>(position - 1)], reference_.base(position) - 'a' + 'A') << position;
  }
}

// Each read of the BAM file is its true alignment: its bases are the
// reference's but for one miscalled base and one N at most, the reads come
// in order of position, and they cover a position about 12 times.
TEST_F(GeneratedPackage, TheBamFileHoldsTrueAlignmentsSortedAtTheCoverage) {
  samFile* file = sam_open(folder_->path("Desktop/alignments.bam").c_str(), "r");
  ASSERT_NE(file, nullptr);
  sam_hdr_t* header = sam_hdr_read(file);
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(sam_hdr_nref(header), 1);
  EXPECT_STREQ(sam_hdr_tid2name(header, 0), "I");
  EXPECT_EQ(sam_hdr_tid2len(header, 0), manifest_number(*manifest_, "reference_bases"));
  bam1_t* read = bam_init1();
  std::int64_t reads = 0, failed = 0, last_start = 0, aligned_bases = 0;
  while (sam_read1(file, header, read) >= 0) {
    ++reads;
    failed += (read->core.flag & BAM_FQCFAIL) != 0;
    ASSERT_GE(read->core.pos, last_start);
    last_start = read->core.pos;
    ASSERT_EQ(read->core.l_qseq, 36);
    int differing = 0;
    for (int i = 0; i < 36; ++i) {
      const char base = seq_nt16_str[bam_seqi(bam_get_seq(read), i)];
      differing += base != reference_.base(read->core.pos + 1 + i) - 'a' + 'A';
    }
    ASSERT_LE(differing, 2) << bam_get_qname(read);
    aligned_bases += 36;
  }
  bam_destroy1(read);
  sam_hdr_destroy(header);
  sam_close(file);
  EXPECT_EQ(reads, manifest_number(*manifest_, "alignments.bam.reads"));
  EXPECT_EQ(failed, manifest_number(*manifest_, "alignments.bam.failed_filter"));
  EXPECT_NEAR(static_cast<double>(failed) / static_cast<double>(reads), 0.1, 0.01);
  const double depth =
      static_cast<double>(aligned_bases) / static_cast<double>(manifest_number(*manifest_, "reference_bases"));
  EXPECT_NEAR(depth, 12, 0.3);
}

TEST_F(GeneratedPackage, TheSameSeedGivesTheSameFiles) {
  ScratchFolder again;
  GeneratorSettings settings{*scale_named("small"), 11, true, false, again.root(), {}};
  ASSERT_TRUE(generate_package(settings).ok());
  for (const auto& entry : fs::recursive_directory_iterator(folder_->root())) {
    if (!entry.is_regular_file() || entry.is_symlink()) continue;
    const std::string relative = fs::relative(entry.path(), folder_->root()).string();
    ASSERT_EQ(folder_->read(relative), again.read(relative)) << relative;
  }
}

TEST_F(GeneratedPackage, AResultsOnlyPackageHasTheSameResultsAndFeaturesAndNothingElse) {
  ScratchFolder results_only;
  GeneratorSettings settings{*scale_named("small"), 11, false, true, results_only.root(), {}};
  ASSERT_TRUE(generate_package(settings).ok());
  std::vector<std::string> written;
  for (const auto& entry : fs::recursive_directory_iterator(results_only.root())) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), results_only.root()).string();
    if (relative.rfind("bin/", 0) == 0) continue;  // the scratch folder's own fake clear and PAUSE
    written.push_back(relative);
    if (relative.find("Feature_locations/") != std::string::npos || relative.find("Alignment_results/") != std::string::npos) {
      EXPECT_EQ(results_only.read(relative), folder_->read(relative)) << relative;
    }
  }
  std::sort(written.begin(), written.end());
  const std::vector<std::string> expected = {
      "Desktop/vesmar/Alignment_results/alignment.txt", "Desktop/vesmar/Feature_locations/cexons.txt",
      "Desktop/vesmar/Feature_locations/cintergenic.txt", "Desktop/vesmar/Feature_locations/cintrons.txt",
      "Desktop/vesmar/Feature_locations/exon_frames.txt", "Desktop/vesmar/Feature_locations/exon_sequences.txt",
      "Desktop/vesmar/Feature_locations/genetic_code.txt", "manifest.txt"};
  EXPECT_EQ(written, expected);
}

TEST(GenomeLayout, JoiningTheChromosomesWithTheirPaddingGivesTheScannersOffsets) {
  for (std::uint64_t seed : {1u, 2u, 99u}) {
    const std::vector<Chromosome> chromosomes = chromosomes_for(seed);
    ASSERT_EQ(chromosomes.size(), 6u);
    for (const Chromosome& chromosome : chromosomes) {
      EXPECT_EQ(chromosome.offset, chromosome_offset(chromosome.name)) << chromosome.name;
    }
    EXPECT_EQ(chromosomes.back().offset + chromosomes.back().padded_length, kGenomePositions);
  }
}

TEST(GenomeLayout, PaddingPositionsReadAsG) {
  const Reference reference(3);
  const Chromosome& first = reference.chromosomes()[0];
  for (std::int64_t p = first.last_position() + 1; p <= first.offset + first.padded_length; ++p) {
    EXPECT_EQ(reference.base(p), 'g');
  }
}

TEST(GeneLayout, AboutTwoHundredThousandExonsOverTheGenomeAndAPrefixKeepsTheFirstGenes) {
  const auto chromosomes = chromosomes_for(5);
  const std::vector<Gene> genome = generate_genes(chromosomes, 5, kGenomePositions);
  std::size_t exons = 0, overlapping = 0;
  for (std::size_t i = 0; i < genome.size(); ++i) {
    exons += genome[i].exons.size();
    if (i > 0 && genome[i].chromosome == genome[i - 1].chromosome && genome[i].first() <= genome[i - 1].last()) {
      ++overlapping;
    }
  }
  EXPECT_GT(exons, 180'000u);
  EXPECT_LT(exons, 220'000u);
  EXPECT_GT(overlapping, 0u);
  const std::vector<Gene> prefix = generate_genes(chromosomes, 5, 1'000'000);
  ASSERT_FALSE(prefix.empty());
  for (const Gene& gene : prefix) {
    const auto same = std::find_if(genome.begin(), genome.end(), [&](const Gene& g) { return g.number == gene.number; });
    ASSERT_NE(same, genome.end());
    EXPECT_EQ(same->first(), gene.first());
    EXPECT_LE(gene.last(), 1'000'000 - 1);
  }
}

TEST(AlignmentSource, GapsAreOneToTwoThousandPositionsLongAboutEveryFiftyKilobases) {
  const Reference reference(8);
  AlignmentSource source(reference, 8, false);
  std::int64_t gaps = 0, run = 0, longest = 0;
  const std::int64_t positions = 5'000'000;
  for (std::int64_t i = 0; i < positions; ++i) {
    const PositionRecord record = source.next();
    ASSERT_EQ(record.position, i + 1);
    if (record.wt_reads == 0 && record.mut_reads == 0) {
      ++run;
    } else if (run > 0) {
      // Poisson depth 0 adds a few gaps of a position or two.
      if (run > 2) ++gaps;
      longest = std::max(longest, run);
      run = 0;
    }
  }
  EXPECT_GT(gaps, positions / 50'000 / 2);
  EXPECT_LT(gaps, positions / 50'000 * 2);
  EXPECT_LE(longest, 2'000);
}

}  // namespace
}  // namespace vesmar::bench
