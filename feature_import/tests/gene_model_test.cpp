// Gene models from annotation lines: exons in transcript order, their coding
// parts and frames, the flavours' ways of writing a transcript, the choice
// of transcripts, and the annotations that fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "feature_import/annotation_reader.h"
#include "feature_import/gene_model.h"
#include "feature_import/tests/text_source.h"

namespace vesmar {
namespace {

ChromosomeLayout test_layout() { return layout_from_lengths({{"I", 1000}, {"II", 500}}, "test").value(); }

Result<GeneModels> models_of(const std::string& text, std::vector<std::string> skipped = {}) {
  const ChromosomeLayout layout = test_layout();
  GeneModelBuilder builder(layout, std::move(skipped));
  LineReader reader = text_reader(text, "a.gff");
  if (Status read = read_annotation(reader, [&](const AnnotationFeature& f) { return builder.add(f); }); !read.ok()) {
    return read.failure();
  }
  return builder.build("a.gff");
}

// "transcript(gene) exon first-last [coding first-last frame] ..." for each transcript.
std::vector<std::string> described(const GeneModels& models) {
  std::vector<std::string> lines;
  for (const Transcript& transcript : models.transcripts) {
    std::string line = transcript.name + "(" + transcript.gene + ")" + (transcript.forward ? "+" : "-");
    for (const ModelExon& exon : transcript.exons) {
      line.append(" ").append(std::to_string(exon.span.first)).append("-").append(std::to_string(exon.span.last));
      if (exon.has_coding()) {
        line.append("[").append(std::to_string(exon.coding.first)).append("-");
        line.append(std::to_string(exon.coding.last)).append("/").append(std::to_string(exon.start_frame)).append("]");
      }
    }
    lines.push_back(line);
  }
  return lines;
}

std::string gff(const std::string& sequence, const std::string& type, int start, int end, char strand,
                const std::string& phase, const std::string& attributes) {
  return sequence + "\tsrc\t" + type + "\t" + std::to_string(start) + "\t" + std::to_string(end) + "\t.\t" + strand +
         "\t" + phase + "\t" + attributes + "\n";
}

TEST(GeneModel, ExonsCodingPartsAndFramesInTranscriptOrder) {
  struct Case {
    const char* what;
    std::string annotation;
    std::vector<std::string> transcripts;
  };
  const Case cases[] = {
      {"forward: a UTR exon, a codon split at an exon end, the frames from the running length",
       gff("I", "gene", 10, 300, '+', ".", "ID=gene:g1;Name=ves-1") +
           gff("I", "mRNA", 10, 300, '+', ".", "ID=transcript:t1;Parent=gene:g1") +
           gff("I", "exon", 10, 20, '+', ".", "Parent=transcript:t1") +
           gff("I", "exon", 100, 150, '+', ".", "Parent=transcript:t1") +
           gff("I", "exon", 200, 300, '+', ".", "Parent=transcript:t1") +
           gff("I", "CDS", 110, 150, '+', "0", "ID=cds1;Parent=transcript:t1") +
           gff("I", "CDS", 200, 250, '+', "1", "ID=cds1;Parent=transcript:t1"),
       {"t1(ves-1)+ 10-20 100-150[110-150/1] 200-300[200-250/3]"}},
      {"reverse: exon 1 is the highest, the phase of the 5' piece counts",
       gff("II", "mRNA", 1, 400, '-', ".", "ID=Transcript:r1") +
           gff("II", "CDS", 50, 99, '-', "2", "ID=CDS:r1;Parent=Transcript:r1") +
           gff("II", "CDS", 300, 350, '-', "2", "ID=CDS:r1;Parent=Transcript:r1") +
           gff("II", "exon", 300, 400, '-', ".", "Parent=Transcript:r1") +
           gff("II", "exon", 1, 99, '-', ".", "Parent=Transcript:r1"),
       {"r1(r1)- 300-400[300-350/2] 1-99[50-99/2]"}},
      {"WormBase: exon lines cover the CDS, the UTR lines add the untranslated ends",
       gff("I", "mRNA", 1, 100, '+', ".", "ID=Transcript:w1;Parent=Gene:WBGene1") +
           gff("I", "five_prime_UTR", 1, 9, '+', ".", "Parent=Transcript:w1") +
           gff("I", "exon", 10, 30, '+', "0", "Parent=Transcript:w1") +
           gff("I", "CDS", 10, 30, '+', "0", "ID=CDS:w1;Parent=Transcript:w1") +
           gff("I", "intron", 31, 59, '+', ".", "Parent=Transcript:w1") +
           gff("I", "exon", 60, 89, '+', "0", "Parent=Transcript:w1") +
           gff("I", "CDS", 60, 89, '+', "0", "ID=CDS:w1;Parent=Transcript:w1") +
           gff("I", "three_prime_UTR", 90, 100, '+', ".", "Parent=Transcript:w1") +
           gff("I", "gene", 1, 100, '+', ".", "ID=Gene:WBGene1"),
       {"w1(WBGene1)+ 1-30[10-30/1] 60-100[60-89/1]"}},
      {"RefSeq bacterial: a CDS under its gene, no exon lines",
       gff("I", "gene", 5, 10, '+', ".", "ID=gene-b0001;Name=thrL") +
           gff("I", "CDS", 5, 10, '+', "0", "ID=cds-NP_1;Parent=gene-b0001"),
       {"b0001(thrL)+ 5-10[5-10/1]"}},
      {"GTF: the stop codon joins the CDS",
       "I\tx\texon\t20\t60\t.\t-\t.\tgene_id \"G\"; transcript_id \"T\"; gene_name \"amx-2\";\n"
       "I\tx\tCDS\t30\t60\t.\t-\t0\tgene_id \"G\"; transcript_id \"T\";\n"
       "I\tx\tstop_codon\t27\t29\t.\t-\t0\tgene_id \"G\"; transcript_id \"T\";\n",
       {"T(amx-2)- 20-60[27-60/1]"}},
      {"one CDS line with two parents; a non-coding RNA",
       gff("I", "exon", 1, 10, '+', ".", "Parent=a.1,a.2") + gff("I", "CDS", 4, 9, '+', "0", "Parent=a.1,a.2") +
           gff("I", "ncRNA", 500, 600, '-', ".", "ID=n1") + gff("I", "exon", 500, 600, '-', ".", "Parent=n1"),
       {"a.1(a.1)+ 1-10[4-9/1]", "a.2(a.2)+ 1-10[4-9/1]", "n1(n1)- 500-600"}},
      {"a name holding \"exon\" is written otherwise",
       gff("I", "CDS", 1, 3, '+', "0", "Parent=myexon1"), {"myExon1(myexon1)+ 1-3[1-3/1]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Result<GeneModels> models = models_of(c.annotation);
    ASSERT_TRUE(models.ok()) << models.failure().message;
    EXPECT_EQ(described(models.value()), c.transcripts);
  }
}

TEST(GeneModel, WhatIsLeftOutIsCounted) {
  Result<GeneModels> models =
      models_of(gff("I", "CDS", 1, 30, '+', "0", "Parent=t") + gff("I", "CDS", 40, 60, '+', "2", "Parent=t") +
                    gff("I", "CDS", 1, 3, '+', "0", "ID=CDS:old") + gff("MtDNA", "CDS", 1, 3, '+', "0", "Parent=m") +
                    gff("scaffold9", "CDS", 1, 3, '+', "0", "Parent=s") +
                    gff("II", "CDS", 1, 30, '+', "0", "Parent=x") + gff("II", "CDS", 20, 40, '+', "0", "Parent=x") +
                    gff("chrI", "CDS", 100, 102, '+', "0", "Parent=u"),
                {"MtDNA"});
  ASSERT_TRUE(models.ok()) << models.failure().message;
  const ModelCounts& counts = models.value().counts;
  // 30 coding bases before the second piece make its phase 0, not 2: the frame follows the bases.
  EXPECT_EQ(counts.phase_disagreements, 1);
  EXPECT_EQ(counts.parentless_parts, 1);
  EXPECT_EQ(counts.skipped_features, 1);
  EXPECT_EQ(counts.unknown_sequence_features, 1);
  EXPECT_EQ(counts.unknown_sequences, std::vector<std::string>{"scaffold9"});
  EXPECT_EQ(counts.unsplittable_transcripts, 1);
  EXPECT_EQ(described(models.value()), (std::vector<std::string>{"t(t)+ 1-30[1-30/1] 40-60[40-60/1]",
                                                                  "u(u)+ 100-102[100-102/1]"}));
}

TEST(GeneModel, BadTranscriptsFailNamingTheLine) {
  struct Case {
    std::string annotation;
    std::string message;
  };
  const Case cases[] = {
      {gff("I", "exon", 1, 10, '.', ".", "Parent=t"), "a.gff line 1: the strand of the exon is neither + nor -"},
      {gff("I", "CDS", 1, 10, '+', ".", "Parent=t"), "a.gff line 1: the CDS has no phase (column 8 is \".\")"},
      {gff("II", "exon", 1, 501, '+', ".", "Parent=t"),
       "a.gff line 1: the exon 1-501 runs beyond the end of chromosome II (500 bases)"},
      {gff("I", "exon", 1, 10, '+', ".", "Parent=t") + gff("I", "CDS", 8, 12, '+', "0", "Parent=t"),
       "a.gff line 2: the CDS 8-12 lies outside the exons of transcript t"},
      {gff("I", "exon", 1, 10, '+', ".", "Parent=t") + gff("I", "exon", 20, 30, '-', ".", "Parent=t"),
       "a.gff line 2: this part of transcript t lies on another chromosome or strand than its part on line 1"},
  };
  for (const Case& c : cases) {
    Result<GeneModels> models = models_of(c.annotation);
    ASSERT_FALSE(models.ok()) << c.message;
    EXPECT_EQ(models.failure().message, c.message);
  }
}

TEST(GeneModel, OneTranscriptPerGeneTheLongestCdsFirstOnTies) {
  const std::string annotation =
      gff("I", "mRNA", 1, 100, '+', ".", "ID=a1;Parent=A") + gff("I", "CDS", 1, 30, '+', "0", "Parent=a1") +
      gff("I", "mRNA", 1, 100, '+', ".", "ID=a2;Parent=A") + gff("I", "CDS", 1, 60, '+', "0", "Parent=a2") +
      gff("I", "mRNA", 1, 100, '+', ".", "ID=a3;Parent=A") + gff("I", "CDS", 1, 60, '+', "0", "Parent=a3") +
      gff("I", "mRNA", 200, 300, '+', ".", "ID=b1;Parent=B") + gff("I", "exon", 200, 300, '+', ".", "Parent=b1") +
      gff("I", "mRNA", 200, 300, '+', ".", "ID=b2;Parent=B") + gff("I", "exon", 200, 300, '+', ".", "Parent=b2") +
      gff("I", "mRNA", 400, 500, '+', ".", "ID=c1;Parent=C") + gff("I", "exon", 400, 500, '+', ".", "Parent=c1") +
      gff("I", "mRNA", 400, 500, '+', ".", "ID=c2;Parent=C") + gff("I", "CDS", 400, 402, '+', "0", "Parent=c2");
  Result<GeneModels> models = models_of(annotation);
  ASSERT_TRUE(models.ok()) << models.failure().message;
  const auto names = [&](const std::vector<std::size_t>& chosen) {
    std::vector<std::string> list;
    for (const std::size_t i : chosen) list.push_back(models.value().transcripts[i].name);
    return list;
  };
  EXPECT_EQ(names(chosen_transcripts(models.value(), false)), (std::vector<std::string>{"a2", "b1", "c2"}));
  EXPECT_EQ(names(chosen_transcripts(models.value(), true)),
            (std::vector<std::string>{"a1", "a2", "a3", "b1", "b2", "c2"}));
}

TEST(GeneModel, ThePhaseGivesTheCodonPlaceOfTheFirstBase) {
  EXPECT_EQ(start_frame_of_phase(0), 1);
  EXPECT_EQ(start_frame_of_phase(1), 3);
  EXPECT_EQ(start_frame_of_phase(2), 2);
  EXPECT_EQ(plain_name("Transcript:B0019.1"), "B0019.1");
  EXPECT_EQ(plain_name("rna-NM_001.2"), "NM_001.2");
  EXPECT_EQ(plain_name("ENST0001"), "ENST0001");
}

}  // namespace
}  // namespace vesmar
