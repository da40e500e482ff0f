#include "examples/example_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vesmar::example {

namespace {

constexpr std::uint64_t kSeed = 20090514;
constexpr std::size_t kFastaLineLength = 60;
// Reads that the instrument's filter failed: written in gseq with a last
// field of 0, and left out of FASTQ and FASTA as the instrument's export does.
constexpr int kFilteredPercent = 3;

class TextFile {
 public:
  explicit TextFile(const std::string& path) : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
    if (!out_) throw std::runtime_error("cannot create " + path);
  }
  ~TextFile() noexcept(false) {
    out_.close();
    if (!out_ && std::uncaught_exceptions() == 0) throw std::runtime_error("cannot write " + path_);
  }
  std::ofstream& operator*() { return out_; }

 private:
  std::string path_;
  std::ofstream out_;
};

const char* const kGeneticCode[64][2] = {
    {"ttt", "Phe"}, {"ttc", "Phe"}, {"tta", "Leu"}, {"ttg", "Leu"}, {"tct", "Ser"}, {"tcc", "Ser"},
    {"tca", "Ser"}, {"tcg", "Ser"}, {"tat", "Tyr"}, {"tac", "Tyr"}, {"taa", "Stp"}, {"tag", "Stp"},
    {"tgt", "Cys"}, {"tgc", "Cys"}, {"tga", "Stp"}, {"tgg", "Trp"}, {"ctt", "Leu"}, {"ctc", "Leu"},
    {"cta", "Leu"}, {"ctg", "Leu"}, {"cct", "Pro"}, {"ccc", "Pro"}, {"cca", "Pro"}, {"ccg", "Pro"},
    {"cat", "His"}, {"cac", "His"}, {"caa", "Gln"}, {"cag", "Gln"}, {"cgt", "Arg"}, {"cgc", "Arg"},
    {"cga", "Arg"}, {"cgg", "Arg"}, {"att", "Ile"}, {"atc", "Ile"}, {"ata", "Ile"}, {"atg", "Met"},
    {"act", "Thr"}, {"acc", "Thr"}, {"aca", "Thr"}, {"acg", "Thr"}, {"aat", "Asn"}, {"aac", "Asn"},
    {"aaa", "Lys"}, {"aag", "Lys"}, {"agt", "Ser"}, {"agc", "Ser"}, {"aga", "Arg"}, {"agg", "Arg"},
    {"gtt", "Val"}, {"gtc", "Val"}, {"gta", "Val"}, {"gtg", "Val"}, {"gct", "Ala"}, {"gcc", "Ala"},
    {"gca", "Ala"}, {"gcg", "Ala"}, {"gat", "Asp"}, {"gac", "Asp"}, {"gaa", "Glu"}, {"gag", "Glu"},
    {"ggt", "Gly"}, {"ggc", "Gly"}, {"gga", "Gly"}, {"ggg", "Gly"},
};

void write_chromosome(const std::string& path, const ReferenceGenome& reference) {
  TextFile file(path);
  *file << ">I\n";
  for (std::size_t at = 0; at < reference.chromosome.size(); at += kFastaLineLength) {
    *file << reference.chromosome.substr(at, kFastaLineLength) << '\n';
  }
}

// Region coordinates are one less than the genome positions they cover.
void write_regions(const std::string& path, const std::vector<NamedRegion>& regions) {
  TextFile file(path);
  for (const NamedRegion& region : regions) {
    *file << region.name << '\n'
          << region.span.first - 1 << '\n'
          << region.span.last - 1 << '\n'
          << "I\n"
          << (region.reverse ? "-1" : "1") << '\n';
  }
}

void write_exon_tables(const std::string& folder, const ReferenceGenome& reference) {
  {
    TextFile file(folder + "genetic_code.txt");
    for (const auto& [codon, amino_acid] : kGeneticCode) *file << codon << amino_acid << '\n';
  }
  {
    TextFile file(folder + "exon_sequences.txt");
    for (const auto& [name, sequence] : reference.exon_sequences) *file << name << '\n' << sequence << '\n';
  }
  TextFile file(folder + "exon_frames.txt");
  for (const ExonFrameEntry& frame : reference.exon_frames) {
    *file << frame.name << '\n'
          << frame.five_prime_skip << '\n'
          << frame.three_prime_skip << '\n'
          << frame.start_frame << '\n';
  }
}

void write_alignment(const std::string& path, const std::vector<PositionRecord>& records) {
  TextFile file(path);
  for (std::size_t position = 1; position < records.size(); ++position) {
    const PositionRecord& record = records[position];
    *file << record.wt_reads << '\n' << record.mut_reads << '\n';
    if (record.mut_reads != 0) *file << record.read_window << '\n' << record.reference_window << '\n';
  }
}

// Quality values as the instrument wrote them (Phred + 64): high at the
// start of a read, lower towards its end, B where no base was called.
std::string qualities(const std::string& bases, ExampleRandom& random) {
  std::string values;
  for (std::size_t i = 0; i < bases.size(); ++i) {
    const int best = 40 - static_cast<int>(i) / 3;
    values += bases[i] == 'N' ? 'B' : static_cast<char>(64 + best - random.below(6));
  }
  return values;
}

// Where a read lies on the instrument's flow cell: its name.
struct ReadName {
  int lane;
  int tile;
  int x;
  int y;
  std::string text() const {
    return "HWI-EAS209_0006:" + std::to_string(lane) + ":" + std::to_string(tile) + ":" + std::to_string(x) +
           ":" + std::to_string(y) + "#0/1";
  }
};

struct LaneFiles {
  std::ofstream* gseq;
  std::ofstream* fastq;
  std::ofstream* fasta;
};

void write_read(const LaneFiles& files, const ReadName& name, const std::string& bases, bool passed,
                ExampleRandom& random) {
  const std::string values = qualities(bases, random);
  std::string gseq_bases = bases;
  std::replace(gseq_bases.begin(), gseq_bases.end(), 'N', '.');
  *files.gseq << "HWI-EAS209\t6\t" << name.lane << '\t' << name.tile << '\t' << name.x << '\t' << name.y
              << "\t0\t1\t" << gseq_bases << '\t' << values << '\t' << (passed ? 1 : 0) << '\n';
  if (!passed) return;
  *files.fastq << '@' << name.text() << '\n' << bases << "\n+\n" << values << '\n';
  *files.fasta << '>' << name.text() << '\n' << bases << '\n';
}

// The reads in the order an instrument lists them (by tile and place, not by
// genome position), split over two lanes, each in the three formats.
void write_read_files(const std::string& desktop, std::vector<SequencedRead> reads, ExampleRandom& random) {
  for (std::size_t i = reads.size(); i > 1; --i) {
    std::swap(reads[i - 1], reads[static_cast<std::size_t>(random.below(static_cast<int>(i)))]);
  }
  for (int lane = 1; lane <= 2; ++lane) {
    const std::string stem = desktop + "lane" + std::to_string(lane);
    TextFile gseq(stem + "_gseq.txt");
    TextFile fastq(stem + ".fastq");
    TextFile fasta(stem + ".fasta");
    const LaneFiles files{&*gseq, &*fastq, &*fasta};
    const std::size_t begin = lane == 1 ? 0 : reads.size() / 2;
    const std::size_t end = lane == 1 ? reads.size() / 2 : reads.size();
    ReadName name{lane, 1, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
      name.x += 1 + random.below(9);
      name.y = random.below(2048);
      if (name.x > 2000) {
        ++name.tile;
        name.x = 1 + random.below(9);
      }
      if (random.percent(kFilteredPercent)) {
        // A cluster that failed the filter: its bases are mostly noise.
        std::string noise;
        for (int b = 0; b < kReadLength; ++b) noise += "ACGTN"[random.below(5)];
        write_read(files, name, noise, false, random);
        name.x += 1;
      }
      write_read(files, name, reads[i].bases, true, random);
    }
  }
}

void write_key(const std::string& path, const std::vector<SequencedRead>& reads) {
  TextFile file(path);
  *file << "Changes planted in the example strain (genome positions on chromosome I)\n\n";
  for (const Substitution& change : planted_changes().substitutions) {
    *file << change.position << "  " << change.reference << " -> " << change.changed << "  " << change.what
          << '\n';
  }
  for (const Deletion& deletion : planted_changes().deletions) {
    *file << deletion.span.first << "-" << deletion.span.last << "  deleted  " << deletion.what << '\n';
  }
  const auto aligned =
      std::count_if(reads.begin(), reads.end(), [](const SequencedRead& read) { return read.aligned; });
  *file << "\nAlso: no reads at all were sequenced from the places 880-919 (so positions 911-919 are\n"
           "covered by no read), 8 reads carry one sequencing error each, and a few bases were not\n"
           "called (N in FASTQ and FASTA, . in gseq).\n"
        << reads.size() << " reads passed the instrument's filter; " << aligned
        << " of them align to the reference without a gap.\n";
}

}  // namespace

void write_example(const std::string& home) {
  ExampleRandom random(kSeed);
  const ReferenceGenome reference = build_reference(random, planted_reference_bases());
  const std::vector<SequencedRead> reads = sequence_the_strain(reference, random);
  const std::vector<PositionRecord> records = align(reference, reads);

  const std::string desktop = home + "/Desktop/";
  const std::string package = desktop + "vesmar/";
  for (const char* folder : {"Sequence_reads", "Genome_sequences", "Alignment_results", "Feature_locations",
                             "SNP_results", "Deletion_results"}) {
    std::filesystem::create_directories(package + folder);
  }
  write_chromosome(desktop + "chrI.fa", reference);
  write_read_files(desktop, reads, random);
  write_alignment(package + "Alignment_results/Anna_run1.txt", records);
  const std::string features = package + "Feature_locations/";
  write_regions(features + "cexons.txt", reference.exons);
  write_regions(features + "cintrons.txt", reference.introns);
  write_regions(features + "cintergenic.txt", reference.intergenic);
  write_exon_tables(features, reference);
  write_key(home + "/planted_changes.txt", reads);
}

}  // namespace vesmar::example
