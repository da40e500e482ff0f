#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/line_reader.h"

namespace vesmar {

// An annotation file, GFF3 or GTF, read one feature line at a time. The two
// differ only in their ninth column: GFF3 writes `key=value;...` with values
// percent-encoded and lists separated by commas, GTF `key "value"; ...`.
// Which one a file is follows from its first feature line (or a
// "##gff-version 3" line before it). Comment lines ("#") and empty lines are
// passed over; a "##FASTA" line ends the features (GFF3 may carry the
// sequences after it).

// One feature line, with the attributes the gene model needs, decoded.
struct AnnotationFeature {
  std::int64_t line = 0;       // 1-based
  std::string_view sequence;   // column 1, the chromosome's name
  std::string_view type;       // column 3
  std::int64_t start = 0;      // columns 4 and 5, 1-based, start <= end
  std::int64_t end = 0;
  char strand = '.';           // column 7: '+', '-', '.' or '?'
  int phase = -1;              // column 8: 0, 1, 2, or -1 for "."
  std::string id;              // GFF3 ID; GTF: the transcript_id of a "transcript" line, the gene_id of a "gene" line
  std::vector<std::string> parents;  // GFF3 Parent; GTF: transcript_id (of a transcript line: gene_id)
  std::string name;            // GFF3 Name; GTF gene_name (gene lines) or transcript_name
  std::string transcript_id;   // the transcript_id attribute (Ensembl and RefSeq GFF3 carry it too)
  std::string gene_id;         // GTF: gene_id
  std::string gene_name;       // GTF: gene_name
};

enum class AnnotationFlavour { Unknown, Gff3, Gtf };

// Reads every feature line of `reader` and gives it to `use` (the views are
// valid only during the call). A line that is not a feature line (other than
// 9 tab-separated columns, a start or end that is not a whole number of 1 or
// more, a start after its end, a phase other than 0, 1, 2 or ".") fails the
// read with a message naming the file and the line; so does a failure of
// `use`, whose message is put after "FILE line N: ".
Status read_annotation(LineReader& reader, const std::function<Status(const AnnotationFeature&)>& use);

// The attribute text of column 9 into `feature` (for tests and the fuzz
// target): GFF3 or GTF as `flavour` says.
Status read_attributes(std::string_view text, AnnotationFlavour flavour, AnnotationFeature& feature);

// GFF3's percent-encoding undone: "%3B" is ";". A "%" not followed by two
// hexadecimal digits stays as it is. Control characters (a tab, a line feed)
// stay encoded, since a name with one could not stand on a line of the
// feature location files.
std::string percent_decoded(std::string_view text);

}  // namespace vesmar
