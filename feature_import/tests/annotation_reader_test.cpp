// The GFF3 and GTF reader: the columns, the attributes of both flavours, and
// the lines it refuses, each failure naming the file and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/byte_source.h"
#include "engine/line_reader.h"
#include "feature_import/annotation_reader.h"
#include "feature_import/tests/text_source.h"

namespace vesmar {
namespace {

// Every feature of `text`, as "type start-end strand phase id parents | name tid gid gname".
Result<std::vector<std::string>> features_of(const std::string& text) {
  LineReader reader(std::make_unique<TextSource>(text), "a.gff", ReadAhead::Mode::Inline, 16);
  std::vector<std::string> features;
  Status read = read_annotation(reader, [&](const AnnotationFeature& f) {
    std::string parents;
    for (const std::string& parent : f.parents) parents += (parents.empty() ? "" : ",") + parent;
    features.push_back(std::string(f.sequence) + " " + std::string(f.type) + " " + std::to_string(f.start) + "-" +
                       std::to_string(f.end) + " " + f.strand + " " + std::to_string(f.phase) + " " + f.id + " " +
                       parents + " | " + f.name + " " + f.transcript_id + " " + f.gene_id + " " + f.gene_name);
    return Status();
  });
  if (!read.ok()) return read.failure();
  return features;
}

TEST(AnnotationReader, ReadsBothFlavoursIntoOneShape) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> features;
  };
  const Case cases[] = {
      {"GFF3 with comments, several parents and a FASTA part",
       "##gff-version 3\n# made by hand\nI\tWormBase\tCDS\t10\t20\t.\t-\t2\tID=CDS:a;Parent=Transcript:a.1,Transcript:a.2\n"
       "\n##FASTA\n>I\nacgt\n",
       {"I CDS 10-20 - 2 CDS:a Transcript:a.1,Transcript:a.2 |    "}},
      {"percent-encoded values, Ensembl's attributes, a CR LF line end",
       "1\tensembl\tmRNA\t1\t9\t.\t+\t.\tID=transcript:T1;Parent=gene:G1;Name=a%3Bb%2Cc;transcript_id=T1;biotype=x\r\n",
       {"1 mRNA 1-9 + -1 transcript:T1 gene:G1 | a;b,c T1  "}},
      {"a control character stays encoded",
       "I\tx\tgene\t1\t9\t.\t+\t.\tID=g%0A1;Name=%zz\n",
       {"I gene 1-9 + -1 g%0A1  | %zz   "}},
      {"GTF lines name their transcript and gene",
       "I\tprotein_coding\tCDS\t5\t7\t.\t-\t0\t gene_id \"G\"; transcript_id \"T\"; gene_name \"amx-2\";\n"
       "I\tprotein_coding\ttranscript\t1\t9\t.\t-\t.\tgene_id \"G\"; transcript_id \"T\";\n"
       "I\tprotein_coding\tgene\t1\t9\t.\t-\t.\tgene_id \"G\"; gene_name \"amx-2\"\n",
       {"I CDS 5-7 - 0  T |  T G amx-2", "I transcript 1-9 - -1 T G |  T G ",
        "I gene 1-9 - -1 G  | amx-2  G amx-2"}},
      {"the last line without a line feed", "I\tx\texon\t1\t2\t.\t+\t.\tParent=t", {"I exon 1-2 + -1  t |    "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Result<std::vector<std::string>> features = features_of(c.text);
    ASSERT_TRUE(features.ok()) << features.failure().message;
    EXPECT_EQ(features.value(), c.features);
  }
}

TEST(AnnotationReader, BadLinesFailNamingTheFileAndLine) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"#\nI\tx\texon\t1\t2\t.\t+\t.\n", "a.gff line 2: the line has 8 tab-separated columns, not 9"},
      {"I\tx\texon\t1\t2\t.\t+\t.\tID=a\textra\n", "a.gff line 1: the line has 10 tab-separated columns, not 9"},
      {"I\tx\texon\t9\t2\t.\t+\t.\tID=a\n", "a.gff line 1: the start 9 lies after the end 2"},
      {"I\tx\texon\t0\t2\t.\t+\t.\tID=a\n", "a.gff line 1: the start \"0\" is not a whole number of 1 or more"},
      {"I\tx\texon\t1\t2e3\t.\t+\t.\tID=a\n", "a.gff line 1: the end \"2e3\" is not a whole number of 1 or more"},
      {"I\tx\tCDS\t1\t2\t.\t+\t3\tID=a\n", "a.gff line 1: the phase \"3\" is none of 0, 1, 2 and \".\""},
      {"I\tx\tCDS\t1\t2\t.\t+\t0\tgene_id \"G\"; transcript_id \"T\n",
       "a.gff line 1: the value of the attribute transcript_id has no closing quote"},
  };
  for (const Case& c : cases) {
    Result<std::vector<std::string>> features = features_of(c.text);
    ASSERT_FALSE(features.ok()) << c.message;
    EXPECT_EQ(features.failure().message, c.message);
  }
}

TEST(AnnotationReader, AFailureOfTheUserNamesTheLine) {
  LineReader reader(std::make_unique<TextSource>("I\tx\texon\t1\t2\t.\t+\t.\tID=a\nI\tx\texon\t1\t2\t.\t*\t.\tID=b\n"),
                    "b.gtf", ReadAhead::Mode::Inline);
  const Status read = read_annotation(reader, [](const AnnotationFeature& feature) {
    return feature.strand == '+' ? Status() : Status(Failure{"the strand is neither + nor -"});
  });
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.failure().message, "b.gtf line 2: the strand is neither + nor -");
}

}  // namespace
}  // namespace vesmar
