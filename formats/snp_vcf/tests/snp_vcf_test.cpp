#include "formats/snp_vcf/snp_vcf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "testing/program_run.h"

namespace vesmar {
namespace {

// The run as Point_scan gives it for Anna Lee's run 1.
struct RunText {
  RegionChoice regions;
  std::string alignment_path = "Desktop/vesmar/Alignment_results/Anna_run1.txt";
  std::string report_path = "Desktop/vesmar/SNP_results/Anna Lee_snp_" + std::string(region_file_name(regions));
  SnpVcfRun run() const { return {HitThresholds{0.5, 3}, "Anna Lee", alignment_path, regions, report_path}; }
};
RunText settings_for(RegionChoice regions) { return RunText{regions}; }

struct VcfRow {
  AlignmentRecord hit;
  Region region;
  std::optional<CodonChange> change;
};

// The file the writer makes of `rows`, and the writer's counts.
struct WrittenVcf {
  std::string header;
  std::string records;
  std::int64_t off_chromosomes = 0;
  std::int64_t without_base_change = 0;
};

WrittenVcf write_vcf(const RunText& settings, const std::vector<VcfRow>& rows,
                     const ChromosomeLayout& layout = built_in_layout()) {
  testing::ScratchFolder folder;
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(folder.path("vcf"), OutputFile::Mode::Replace);
  EXPECT_TRUE(file.ok());
  SnpVcfWriter writer(settings.run(), layout, file.value().get());
  for (const VcfRow& row : rows) writer.add(row.hit, row.region, row.change);
  EXPECT_TRUE(file.value()->commit().ok());
  const std::string text = folder.read("vcf");
  const std::size_t records = text.find("\n", text.find("#CHROM")) + 1;
  EXPECT_EQ(writer.records(), std::count(text.begin() + records, text.end(), '\n'));
  return {text.substr(0, records), text.substr(records), writer.left_out_off_chromosomes(),
          writer.left_out_without_base_change()};
}

TEST(SnpVcf, HeaderRecordsTheSettingsAndDeclaresEveryKey) {
  const std::string header = write_vcf(settings_for(RegionChoice::exons), {}).header;
  EXPECT_TRUE(header.starts_with("##fileformat=VCFv4.2\n##source=Point_scan "));
  for (const char* line :
       {"##vesmar_ratio=0.5\n", "##vesmar_min_mut_reads=3\n", "##vesmar_regions=exons\n",
        "##vesmar_alignment_results=Desktop/vesmar/Alignment_results/Anna_run1.txt\n",
        "##vesmar_region_file=Desktop/vesmar/Feature_locations/cexons.txt\n",
        "##vesmar_report=Desktop/vesmar/SNP_results/Anna Lee_snp_cexons.txt\n", "##contig=<ID=I>\n",
        "##contig=<ID=X>\n", "##INFO=<ID=REGION,", "##INFO=<ID=CLASS,", "##INFO=<ID=STRAND,", "##INFO=<ID=RPOS,",
        "Format: Consequence|Gene|Codons|Amino_acids\">\n", "##FORMAT=<ID=GT,Number=1,Type=String,", "##FORMAT=<ID=AD,Number=R,",
        "##FORMAT=<ID=DP,Number=1,"}) {
    EXPECT_NE(header.find(line), std::string::npos) << line;
  }
  EXPECT_TRUE(header.ends_with("#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\tAnna Lee\n"));
}

TEST(SnpVcf, RecordsAndRowsLeftOut) {
  const Region intron{"g.intron1", 30352000, 30353000, "III", "1"};
  const Region odd_name{"a b;c=d%", 1000, 1099, "I", "-1"};
  struct Case {
    const char* what;
    VcfRow row;
    std::string record;  // empty: left out
  };
  const std::vector<Case> cases = {
      {"marker at the first column",
       {{30352900, 1, 4, "tcgtacgtacgtaacgtacgtacgt", "acgtacgtacgtaacgtacgtacgt"}, intron, {}},
       "III\t1100\t.\tA\tT\t.\t.\tREGION=g.intron1;CLASS=intron;STRAND=1;RPOS=899\tGT:AD:DP\t1/1:1,4:5\n"},
      {"marker at the thirteenth column",
       {{30352900, 7, 2, "acgtacgtacgtgacgt", "acgtacgtacgtaacgt"}, intron, {}},
       "III\t1100\t.\tA\tG\t.\t.\tREGION=g.intron1;CLASS=intron;STRAND=1;RPOS=899\tGT:AD:DP\t0/1:7,2:9\n"},
      {"texts VCF cannot hold as they are",
       {{1050, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"a b;c=d%", 1000, 1099, "I", "-1"}, {}},
       "I\t1050\t.\tA\tC\t.\t.\tREGION=a%20b%3Bc%3Dd%25;CLASS=intron;STRAND=-1;RPOS=49\tGT:AD:DP\t1/1:0,3:3\n"},
      {"off the six chromosomes", {{1050, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"y", 1000, 1099, "Y", "1"}, {}}, ""},
      {"before the chromosome's start",
       {{1050, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"y", 1000, 1099, "II", "1"}, {}}, ""},
      {"the same base", {{1050, 0, 3, "acgtacgtacgtaacgt", "acgtacgtacgtAacgt"}, odd_name, {}}, ""},
      {"an unknown base", {{1050, 0, 3, "acgtacgtacgtnacgt", "acgtacgtacgtaacgt"}, odd_name, {}}, ""},
      {"no windows", {{1050, 0, 3, "", ""}, odd_name, {}}, ""},
  };
  for (const Case& c : cases) {
    const WrittenVcf vcf = write_vcf(settings_for(RegionChoice::introns), {c.row});
    EXPECT_EQ(vcf.records, c.record) << c.what;
    EXPECT_EQ(vcf.off_chromosomes + vcf.without_base_change, c.record.empty() ? 1 : 0) << c.what;
  }
}

// The codon change of a coding hit; splice_region for a hit beside the
// exon, outside it; nothing for one inside it without a change.
TEST(SnpVcf, ConsequenceAsCsq) {
  const Region exon{"ves-1.exon2", 1000, 1099, "I", "1"};
  const CodonChange change{{'g', 'g', 'a'}, {'a', 'g', 'a'}, "Gly", "Arg"};
  struct Case {
    std::int64_t position;
    std::optional<CodonChange> change;
    const char* info_end;
  };
  const Case cases[] = {
      {1010, change, "RPOS=9;CSQ=missense|ves-1|gga>aga|Gly>Arg"},
      {1000, {}, "RPOS=-1;CSQ=splice_region|ves-1||"},
      {1101, {}, "RPOS=100;CSQ=splice_region|ves-1||"},
      {1100, {}, "RPOS=99"},
      {1001, {}, "RPOS=0"},
  };
  for (const Case& c : cases) {
    const WrittenVcf vcf = write_vcf(settings_for(RegionChoice::exons),
                                     {{{c.position, 2, 5, "acgtacgtacgtgacgt", "acgtacgtacgtaacgt"}, exon, c.change}});
    EXPECT_EQ(vcf.records, "I\t" + std::to_string(c.position) + "\t.\tA\tG\t.\t.\tREGION=ves-1.exon2;CLASS=exon;STRAND=1;" +
                               c.info_end + "\tGT:AD:DP\t0/1:2,5:7\n")
        << c.position;
  }
  // Beside an intron, nothing is a splice region.
  EXPECT_EQ(write_vcf(settings_for(RegionChoice::introns), {{{1101, 2, 5, "acgtacgtacgtgacgt", "acgtacgtacgtaacgt"},
                                                              exon, {}}})
                .records.find("CSQ"),
            std::string::npos);
}

TEST(SnpVcf, GenotypeFromTheMutantShare) {
  struct Case {
    std::int64_t wt_reads;
    std::int64_t mut_reads;
    const char* genotype;
  };
  const Case cases[] = {{0, 3, "1/1"}, {1, 4, "1/1"}, {2, 8, "1/1"}, {1, 3, "0/1"},
                        {3, 11, "0/1"}, {5, 5, "0/1"}, {9, 1, "0/1"}, {0, 0, "1/1"}};
  for (const Case& c : cases) EXPECT_EQ(genotype_of(c.wt_reads, c.mut_reads), c.genotype) << c.wt_reads << "," << c.mut_reads;
}

// With a layout file: contigs with their lengths, the layout's names for
// the region files' spellings, and places past a chromosome's end left out.
TEST(SnpVcf, WithALayoutFile) {
  const ChromosomeLayout layout =
      layout_from_lengths({{"CHROMOSOME_I", 1060}, {"chr2L", 23513712}}, "chromosomes.txt").value();
  const WrittenVcf vcf = write_vcf(
      settings_for(RegionChoice::introns),
      {{{1050, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"a", 1000, 1099, "I", "1"}, {}},
       {{1061, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"a", 1000, 1099, "I", "1"}, {}},
       {{1105, 0, 3, "acgtacgtacgtcacgt", "acgtacgtacgtaacgt"}, Region{"b", 1100, 1199, "2L", "1"}, {}}},
      layout);
  EXPECT_NE(vcf.header.find("##contig=<ID=CHROMOSOME_I,length=1060>\n##contig=<ID=chr2L,length=23513712>\n"),
            std::string::npos);
  EXPECT_EQ(vcf.header.find("##contig=<ID=I"), std::string::npos);
  EXPECT_EQ(vcf.records,
            "CHROMOSOME_I\t1050\t.\tA\tC\t.\t.\tREGION=a;CLASS=intron;STRAND=1;RPOS=49\tGT:AD:DP\t1/1:0,3:3\n"
            "chr2L\t5\t.\tA\tC\t.\t.\tREGION=b;CLASS=intron;STRAND=1;RPOS=4\tGT:AD:DP\t1/1:0,3:3\n");
  EXPECT_EQ(vcf.off_chromosomes, 1);
}

}  // namespace
}  // namespace vesmar
