// Runs the built Feature_import in a scratch package folder: the dialogue and
// the options, the six files and the layout file from hand-made GFF3 and GTF
// annotations, the failures that replace nothing, and WormBase's sample in
// both of its flavours.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "testing/command_line_check.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kBinary = FEATURE_IMPORT_BINARY;
const std::string kFolder = "Desktop/vesmar/Feature_locations/";
const std::vector<std::string> kFiles = {"cexons.txt",         "cintrons.txt",    "cintergenic.txt",
                                         "exon_sequences.txt", "exon_frames.txt", "genetic_code.txt",
                                         "chromosomes.txt"};
const std::string kBanner =
    "            Feature_import\n"
    "            ______________\n"
    "\n"
    "This program writes the feature location files that Point_scan and\n"
    "Gap_region_scan read (the exons, introns and intergenic regions, the\n"
    "exon sequences and frames, and the genetic code) from a genome\n"
    "annotation in GFF3 or GTF format and the chromosome FASTA files.  See\n"
    "Read_me file for details.\n"
    "\n"
    "PLEASE PLACE THE ANNOTATION AND THE FASTA FILES ON THE DESKTOP\n"
    "\n";
const std::string kPrompts =
    "Name of the annotation file (GFF3 or GTF): How many chromosome FASTA files do you have? chromosome file 1 "
    "name: chromosome file 2 name: Sequences of the annotation to leave out (names separated by blanks; none: an "
    "empty line): Keep every coding transcript of a gene (y), or only the one with the longest CDS (n)? Genetic "
    "code (NCBI translation table number; 1 is the standard code): ";
const std::string kProgress =
    "Reading the genome...\nReading the annotation...\nWriting the feature location files...\nDone.\n";

// Chromosome I of 120 bases and II of 60, upper and lower case mixed as
// FASTA files come; II starts at 150, after I's padding.
const std::string kChromosomeI =
    "ACGTTGCAAGGCTTAACCGTacgatcgatgcatgcaaatttgggcccatgatgcaTGCATGCTAGCTAGGATCCAAGTTcgcgatatgcgcatatgcaagct"
    "tgcatgcaTTTTGGGGaa";
const std::string kChromosomeII = "gattacagattacaCCCCGGGGTTTTAAAAccggttaaccggttaaTTGGCCAATTGGCC";

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string reverse_complement(const std::string& bases) {
  std::string other(bases.rbegin(), bases.rend());
  for (char& c : other) c = c == 'a' ? 't' : c == 't' ? 'a' : c == 'c' ? 'g' : c == 'g' ? 'c' : c;
  return other;
}

// Bases first to last (1-based) of a chromosome.
std::string bases(const std::string& chromosome, int first, int last) {
  return lower(chromosome.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

std::string fasta(const std::string& name, const std::string& sequence) {
  std::string text = ">" + name + " test chromosome\n";
  for (std::size_t at = 0; at < sequence.size(); at += 50) text += sequence.substr(at, 50) + "\n";
  return text;
}

std::string gff(const std::string& sequence, const std::string& type, int start, int end, char strand,
                const std::string& phase, const std::string& attributes) {
  return sequence + "\tsrc\t" + type + "\t" + std::to_string(start) + "\t" + std::to_string(end) + "\t.\t" + strand +
         "\t" + phase + "\t" + attributes + "\n";
}

// ves-1 on I, forward: a 5' UTR exon, a codon split between exons 2 and 3
// (10 coding bases in exon 2), the CDS in two pieces of one ID, a second
// transcript with a shorter CDS. ves-2 on II, reverse: exon 1 the higher.
const std::string kGff3 =
    "##gff-version 3\n" + gff("I", "gene", 5, 80, '+', ".", "ID=gene:g1;Name=ves-1;biotype=protein_coding") +
    gff("I", "mRNA", 1, 120, '+', ".", "ID=transcript:t1;Parent=gene:g1") +
    gff("I", "exon", 5, 10, '+', ".", "Parent=transcript:t1") +
    gff("I", "exon", 21, 40, '+', ".", "Parent=transcript:t1") +
    gff("I", "exon", 61, 80, '+', ".", "Parent=transcript:t1") +
    gff("I", "CDS", 31, 40, '+', "0", "ID=CDS:t1;Parent=transcript:t1") +
    gff("I", "CDS", 61, 75, '+', "2", "ID=CDS:t1;Parent=transcript:t1") +
    gff("I", "mRNA", 21, 40, '+', ".", "ID=transcript:t1b;Parent=gene:g1") +
    gff("I", "exon", 21, 40, '+', ".", "Parent=transcript:t1b") +
    gff("I", "CDS", 31, 39, '+', "0", "Parent=transcript:t1b") +
    gff("II", "gene", 11, 50, '-', ".", "ID=gene:g2;Name=ves-2") +
    gff("II", "mRNA", 11, 50, '-', ".", "ID=transcript:t2;Parent=gene:g2") +
    gff("II", "CDS", 11, 19, '-', "2", "ID=CDS:t2;Parent=transcript:t2") +
    gff("II", "CDS", 41, 50, '-', "0", "ID=CDS:t2;Parent=transcript:t2") +
    gff("II", "exon", 31, 50, '-', ".", "Parent=transcript:t2") +
    gff("II", "exon", 11, 20, '-', ".", "Parent=transcript:t2");

// The same genes as GTF writes them: the stop codons as features of their own.
std::string gtf_line(const std::string& sequence, const std::string& type, int start, int end, char strand,
                     const std::string& phase, const std::string& transcript, const std::string& gene) {
  return sequence + "\tprotein_coding\t" + type + "\t" + std::to_string(start) + "\t" + std::to_string(end) +
         "\t.\t" + strand + "\t" + phase + "\tgene_id \"" + gene + "\"; transcript_id \"" + transcript +
         "\"; gene_name \"" + gene + "\";\n";
}
const std::string kGtf =
    gtf_line("I", "exon", 5, 10, '+', ".", "t1", "ves-1") + gtf_line("I", "exon", 21, 40, '+', ".", "t1", "ves-1") +
    gtf_line("I", "CDS", 31, 40, '+', "0", "t1", "ves-1") + gtf_line("I", "exon", 61, 80, '+', ".", "t1", "ves-1") +
    gtf_line("I", "CDS", 61, 72, '+', "2", "t1", "ves-1") +
    gtf_line("I", "stop_codon", 73, 75, '+', "0", "t1", "ves-1") +
    gtf_line("I", "exon", 21, 40, '+', ".", "t1b", "ves-1") + gtf_line("I", "CDS", 31, 39, '+', "0", "t1b", "ves-1") +
    gtf_line("II", "exon", 31, 50, '-', ".", "t2", "ves-2") + gtf_line("II", "CDS", 44, 50, '-', "0", "t2", "ves-2") +
    gtf_line("II", "start_codon", 48, 50, '-', "0", "t2", "ves-2") +
    gtf_line("II", "stop_codon", 41, 43, '-', "0", "t2", "ves-2") +  // a stop codon that makes no sense, still coding
    gtf_line("II", "exon", 11, 20, '-', ".", "t2", "ves-2") + gtf_line("II", "CDS", 11, 19, '-', "2", "t2", "ves-2");

std::string region(const std::string& name, int start, int end, const std::string& chromosome, const char* strand) {
  return name + "\n" + std::to_string(start) + "\n" + std::to_string(end) + "\n" + chromosome + "\n" + strand + "\n";
}

std::string frame(const std::string& name, int five, int three, int start_frame) {
  return name + "\n" + std::to_string(five) + "\n" + std::to_string(three) + "\n" + std::to_string(start_frame) + "\n";
}

// What the hand-made annotations give, one transcript per gene.
std::vector<std::string> expected_files(const std::string& genetic_code_text) {
  return {
      region("t1.exon1", 4, 9, "I", "1") + region("t1.exon2", 20, 39, "I", "1") + region("t1.exon3", 60, 79, "I", "1") +
          region("t2.exon2", 160, 169, "II", "-1") + region("t2.exon1", 180, 199, "II", "-1"),
      region("t1.intron1", 10, 19, "I", "1") + region("t1.intron2", 40, 59, "I", "1") +
          region("t2.intron1", 170, 179, "II", "-1"),
      region("between_I_start_and_ves-1", 0, 3, "I", "1") + region("between_ves-1_and_I_end", 80, 119, "I", "1") +
          region("between_II_start_and_ves-2", 150, 159, "II", "1") +
          region("between_ves-2_and_II_end", 200, 209, "II", "1"),
      "t1.exon1\n" + bases(kChromosomeI, 5, 10) + "\nt1.exon2\n" + bases(kChromosomeI, 21, 40) + "\nt1.exon3\n" +
          bases(kChromosomeI, 61, 80) + "\nt2.exon1\n" + reverse_complement(bases(kChromosomeII, 31, 50)) +
          "\nt2.exon2\n" + reverse_complement(bases(kChromosomeII, 11, 20)) + "\n",
      frame("t1.exon1", 6, 6, 1) + frame("t1.exon2", 10, 0, 1) + frame("t1.exon3", 0, 5, 2) +
          frame("t2.exon1", 0, 10, 1) + frame("t2.exon2", 1, 0, 2),
      genetic_code_text,
      "# chromosome\toffset (genome positions before it)\tlength (its bases; each chromosome is padded with g to a "
      "multiple of 50)\nI\t0\t120\nII\t150\t60\n",
  };
}

std::string standard_code() {
  const std::string bases = "tcag";
  const std::string acids = "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
  const std::string one = "ARNDCQEGHILKMFPSTWYV*";
  const std::string three = "AlaArgAsnAspCysGlnGluGlyHisIleLeuLysMetPheProSerThrTrpTyrValStp";
  std::string text;
  for (int i = 0; i < 64; ++i) {
    text += std::string{bases[i / 16], bases[i / 4 % 4], bases[i % 4]} + three.substr(3 * one.find(acids[i]), 3) + "\n";
  }
  return text;
}

void write_inputs(const ScratchFolder& folder) {
  folder.write("Desktop/genes.gff3", kGff3);
  folder.write("Desktop/genes.gtf", kGtf);
  folder.write("Desktop/I.fa", fasta("I", kChromosomeI));
  folder.write("Desktop/II.fa", fasta("II", kChromosomeII));
  folder.write("Desktop/genome.fa", fasta("I", kChromosomeI) + fasta("II", kChromosomeII));
}

std::vector<std::string> written(const ScratchFolder& folder) {
  std::vector<std::string> files;
  for (const std::string& file : kFiles) files.push_back(folder.read(kFolder + file));
  return files;
}

std::vector<std::string> output_paths() {
  std::vector<std::string> paths;
  for (const std::string& file : kFiles) paths.push_back(kFolder + file);
  return paths;
}

// The summary's lines of the files written.
std::string summary_of_files(const std::string& exons, const std::string& introns, const std::string& intergenic,
                             bool layout) {
  return "Feature_import: wrote " + kFolder + "cexons.txt: " + exons + "\nFeature_import: wrote " + kFolder +
         "cintrons.txt: " + introns + "\nFeature_import: wrote " + kFolder + "cintergenic.txt: " + intergenic +
         "\nFeature_import: wrote " + kFolder + "exon_sequences.txt and " + kFolder +
         "exon_frames.txt: their bases and frames\nFeature_import: wrote " + kFolder +
         "genetic_code.txt: NCBI translation table 1\n" +
         (layout ? "Feature_import: wrote " + kFolder + "chromosomes.txt: 2 chromosomes\n" : "");
}

const testing::ProgramUnderTest kImport{kBinary, "Feature_import", write_inputs};

TEST(FeatureImportProgram, TheDialogueAsksForTheFilesAndWritesAllSeven) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run = testing::run_program(kBinary, folder, "genes.gff3\n2\nI.fa\nII.fa\n\nn\n1\n");
  EXPECT_EQ(run.out, "[clear]\n" + kBanner + kPrompts + kProgress);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(written(folder), expected_files(standard_code()));
  testing::check_answers_match_dialogue(kImport, "genes.gff3\n2\nI.fa\nII.fa\n\nn\n1\n",
                                        {"--annotation", "genes.gff3", "--fasta", "I.fa", "--fasta=II.fa"},
                                        output_paths());
  testing::check_usage_errors(
      kImport, {{{"--annotation", "genes.gff3"}, "--fasta is missing: give every answer, or none to be asked"},
                {{"--annotation", "a", "--fasta", "I.fa", "--genetic-code", "7"},
                 "the genetic code 7 is no NCBI translation table (there are 1 to 6, 9 to 16, 21 to 26, 29, 30, 32 "
                 "and 33)"},
                {{"--annotation", "a", "--fasta", "I.fa", "--genetic-code", "x"},
                 "the value \"x\" of --genetic-code is not a whole number"},
                {{"--annotation", "a", "--fasta", "I.fa", "--all-transcripts=y"}, "--all-transcripts takes no value"},
                {{"genes.gff3"}, "unknown argument \"genes.gff3\""}});
}

TEST(FeatureImportProgram, UnusableAnswersAreAskedAgain) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run =
      testing::run_program(kBinary, folder, "nothing.gff\ngenes.gtf\n0\n1\ngenome.fa\nMtDNA chrM\nyes\nn\n7\n1\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err,
            "Feature_import: warning: cannot find Desktop/nothing.gff: No such file or directory; the question is "
            "asked again\n"
            "Feature_import: warning: the answer \"0\" is not a whole number of 1 or more; the question is asked "
            "again\n"
            "Feature_import: warning: the answer \"yes\" is neither y nor n; the question is asked again\n"
            "Feature_import: warning: the genetic code 7 is no NCBI translation table (there are 1 to 6, 9 to 16, 21 "
            "to 26, 29, 30, 32 and 33); the question is asked again\n");
  EXPECT_EQ(written(folder), expected_files(standard_code()));
}

TEST(FeatureImportProgram, GffAndGtfOfTheSameGenesGiveTheSameFiles) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::function<std::vector<std::string>()> expected;
  };
  const std::vector<std::string> one_fasta = {"--fasta", "genome.fa"};
  const Case cases[] = {
      {"GFF3, one FASTA file for both chromosomes", {"--annotation", "genes.gff3", "--fasta", "genome.fa"},
       [] { return expected_files(standard_code()); }},
      {"GTF with stop codon features", {"--annotation", "genes.gtf", "--fasta", "I.fa", "--fasta", "II.fa"},
       [] { return expected_files(standard_code()); }},
      {"another genetic code",
       {"--annotation", "genes.gff3", "--fasta", "genome.fa", "--genetic-code", "5"},
       [] {
         std::string code = standard_code();
         // Table 5: aga and agg are Ser, ata Met, tga Trp.
         for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
                  {"agaArg", "agaSer"}, {"aggArg", "aggSer"}, {"ataIle", "ataMet"}, {"tgaStp", "tgaTrp"}}) {
           code.replace(code.find(from), from.size(), to);
         }
         return expected_files(code);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    write_inputs(folder);
    const ProgramRun run = testing::run_program(kBinary, folder, "", c.arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(written(folder), c.expected());
  }
}

TEST(FeatureImportProgram, AllTranscriptsKeepsEveryCodingOne) {
  ScratchFolder folder;
  write_inputs(folder);
  const ProgramRun run = testing::run_program(
      kBinary, folder, "", {"--annotation", "genes.gff3", "--fasta", "genome.fa", "--all-transcripts"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string exons = folder.read(kFolder + "cexons.txt");
  EXPECT_EQ(exons.substr(0, exons.find("t1.exon3")),
            region("t1.exon1", 4, 9, "I", "1") + region("t1.exon2", 20, 39, "I", "1") +
                region("t1b.exon1", 20, 39, "I", "1"));
  EXPECT_NE(folder.read(kFolder + "exon_frames.txt").find(frame("t1b.exon1", 10, 1, 1)), std::string::npos);
  EXPECT_EQ(run.err,
            kProgress + "Feature_import: read 2 genes and 3 transcripts (3 coding) from Desktop/genes.gff3, kept 3 "
                        "transcripts (every coding one)\n" +
                summary_of_files("6 exons", "3 introns", "4 intergenic stretches", true));
}

TEST(FeatureImportProgram, WhatIsLeftOutIsWarnedOfAndSummed) {
  ScratchFolder folder;
  write_inputs(folder);
  folder.write("Desktop/more.gff3", kGff3 + gff("MtDNA", "CDS", 1, 30, '+', "0", "Parent=m1") +
                                        gff("scaffold_7", "CDS", 1, 30, '+', "0", "Parent=s1") +
                                        gff("I", "CDS", 90, 95, '+', "0", "ID=CDS:old.1"));
  const ProgramRun run = testing::run_program(
      kBinary, folder, "", {"--annotation", "more.gff3", "--fasta", "genome.fa", "--skip-sequence", "MtDNA"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Reading the genome...\nReading the annotation...\n"
            "Feature_import: warning: 1 feature line of Desktop/more.gff3 on sequences that the FASTA files lack "
            "(scaffold_7) left out\n"
            "Writing the feature location files...\nDone.\n"
            "Feature_import: read 2 genes and 3 transcripts (3 coding) from Desktop/more.gff3, kept 2 transcripts (one "
            "per gene)\n" +
                summary_of_files("5 exons", "3 introns", "4 intergenic stretches", true) +
                "Feature_import: left out: 1 feature line on sequences the FASTA files lack, 1 feature line on "
                "sequences left out by name, 1 exon or CDS line that names no transcript (old gene models)\n");
  EXPECT_EQ(written(folder), expected_files(standard_code()));
}

TEST(FeatureImportProgram, BadInputFailsNamingTheFileAndLineAndReplacesNothing) {
  struct Case {
    const char* what;
    std::string annotation;
    std::function<void(const ScratchFolder&)> more;
    std::string error;
  };
  const auto none = [](const ScratchFolder&) {};
  const Case cases[] = {
      {"eight columns", kGff3 + "I\tsrc\texon\t1\t2\t.\t+\t.\n", none,
       "Desktop/bad.gff3 line 18: the line has 8 tab-separated columns, not 9"},
      {"start after end", gff("I", "exon", 30, 20, '+', ".", "Parent=t"), none,
       "Desktop/bad.gff3 line 1: the start 30 lies after the end 20"},
      {"a strand that is neither", gff("I", "CDS", 20, 30, '?', "0", "Parent=t"), none,
       "Desktop/bad.gff3 line 1: the strand of the CDS is neither + nor -"},
      {"a CDS without its phase", gff("I", "CDS", 20, 30, '+', ".", "Parent=t"), none,
       "Desktop/bad.gff3 line 1: the CDS has no phase (column 8 is \".\")"},
      {"a CDS outside its exons",
       gff("I", "exon", 20, 30, '+', ".", "Parent=t") + gff("I", "CDS", 25, 35, '+', "0", "Parent=t"), none,
       "Desktop/bad.gff3 line 2: the CDS 25-35 lies outside the exons of transcript t"},
      {"beyond the chromosome's end", gff("II", "exon", 50, 61, '+', ".", "Parent=t"), none,
       "Desktop/bad.gff3 line 1: the exon 50-61 runs beyond the end of chromosome II (60 bases)"},
      {"nothing coding", gff("I", "exon", 20, 30, '+', ".", "Parent=t"), none,
       "Desktop/bad.gff3 holds no coding transcript (a CDS line with its parent) on the genome's chromosomes: "
       "nothing was written"},
      {"a layout file that the FASTA files contradict", kGff3,
       [](const ScratchFolder& folder) { folder.write(kFolder + "chromosomes.txt", "I\t0\t120\nII\t150\t61\n"); },
       "the chromosomes of Desktop/vesmar/Feature_locations/chromosomes.txt and the FASTA files Desktop/genome.fa "
       "differ: chromosome II has 61 bases in the first, 60 in the second"},
      {"no annotation file", "", [](const ScratchFolder& folder) { folder.remove("Desktop/bad.gff3"); },
       "cannot open Desktop/bad.gff3: No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    write_inputs(folder);
    folder.write("Desktop/bad.gff3", c.annotation);
    for (const std::string& file : kFiles) folder.write(kFolder + file, "older " + file);
    folder.remove(kFolder + "chromosomes.txt");
    c.more(folder);
    const ProgramRun run =
        testing::run_program(kBinary, folder, "", {"--annotation", "bad.gff3", "--fasta", "genome.fa"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(run.err.find("Feature_import: ")), "Feature_import: " + c.error + "\n");
    for (std::size_t i = 0; i + 1 < kFiles.size(); ++i) EXPECT_EQ(folder.read(kFolder + kFiles[i]), "older " + kFiles[i]);
  }
}

TEST(FeatureImportProgram, AFullDiskReplacesNoFile) {
  ScratchFolder folder;
  std::string annotation;
  for (int gene = 0; gene < 400; ++gene) {
    annotation += gff("I", "CDS", 10 * gene + 1, 10 * gene + 6, '+', "0", "Parent=transcript" + std::to_string(gene));
  }
  folder.write("Desktop/many.gff3", annotation);
  folder.write("Desktop/I.fa", fasta("I", std::string(4000, 'a')));
  for (std::size_t i = 0; i + 1 < kFiles.size(); ++i) folder.write(kFolder + kFiles[i], "older\n");
  const ProgramRun run = testing::run_program(kBinary, folder, "", {"--annotation", "many.gff3", "--fasta", "I.fa"},
                                              testing::RunLimits{8192});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.substr(run.err.find("Feature_import: ")),
            "Feature_import: cannot write " + kFolder + "cexons.txt: File too large\n");
  EXPECT_EQ(folder.list(kFolder), (std::vector<std::string>{"cexons.txt", "cintergenic.txt", "cintrons.txt",
                                                            "exon_frames.txt", "exon_sequences.txt",
                                                            "genetic_code.txt"}));
  for (std::size_t i = 0; i + 1 < kFiles.size(); ++i) EXPECT_EQ(folder.read(kFolder + kFiles[i]), "older\n");
}

// WormBase's sample (GFF3, its UTRs as lines of their own) and Ensembl's GTF
// of the same gene, on a chromosome I made long enough for it: the same
// exons, coding parts and frames, but for the end of the 3' UTR, which the
// two releases place 3 bases apart (12759582 and 12759579).
TEST(FeatureImportProgram, WormBaseAndEnsemblSamplesGiveTheSameExons) {
  const std::string data = GFFUTILS_DATA;
  ScratchFolder folder;
  for (const char* name : {"c_elegans_WS199_shortened_gff.txt", "ensembl_gtf.txt"}) {
    std::ifstream in(data + "/" + name);
    if (!in) GTEST_SKIP() << "the gffutils sample data (Debian package python3-gffutils) is not installed";
    std::ostringstream text;
    text << in.rdbuf();
    folder.write(std::string("Desktop/") + name, text.str());
  }
  std::string chromosome(12'800'000, 'a');
  for (std::size_t i = 0; i < chromosome.size(); ++i) chromosome[i] = "acgt"[(i * 7 + i / 3) % 4];
  folder.write("Desktop/I.fa", fasta("I", chromosome));
  std::vector<std::vector<std::string>> flavours;
  for (const char* name : {"c_elegans_WS199_shortened_gff.txt", "ensembl_gtf.txt"}) {
    const ProgramRun run = testing::run_program(kBinary, folder, "", {"--annotation", name, "--fasta", "I.fa"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> exons;  // B0019.1's regions and frames, one line each
    std::istringstream regions(folder.read(kFolder + "cexons.txt"));
    std::istringstream frames(folder.read(kFolder + "exon_frames.txt"));
    std::string a, b, c, d, e;
    while (std::getline(regions, a) && std::getline(regions, b) && std::getline(regions, c) &&
           std::getline(regions, d) && std::getline(regions, e)) {
      if (a.starts_with("B0019.1.")) exons.push_back(a + " " + b + " " + c + " " + d + " " + e);
    }
    while (std::getline(frames, a) && std::getline(frames, b) && std::getline(frames, c) && std::getline(frames, d)) {
      if (a.starts_with("B0019.1.")) exons.push_back(a + " " + b + " " + c + " " + d);
    }
    flavours.push_back(exons);
  }
  ASSERT_EQ(flavours[0].size(), 30u);
  EXPECT_EQ(flavours[0].front(), "B0019.1.exon15 12759581 12759827 I -1");
  EXPECT_EQ(flavours[1].front(), "B0019.1.exon15 12759578 12759827 I -1");
  EXPECT_EQ(flavours[0][15], "B0019.1.exon1 12 0 1");
  EXPECT_EQ(flavours[0][29], "B0019.1.exon15 0 163 1");
  EXPECT_EQ(flavours[1][29], "B0019.1.exon15 0 166 1");
  for (std::size_t i = 1; i < 29; ++i) {
    if (i != 15) {
      EXPECT_EQ(flavours[0][i], flavours[1][i]);
    }
  }
}

}  // namespace
}  // namespace vesmar
