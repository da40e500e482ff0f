#pragma once

#include <htslib/kstring.h>
#include <htslib/sam.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "alignment_counts/alignment_input.h"

namespace vesmar::testing {

// Reads written as SAM lines and parsed by htslib, as a SAM file's reads
// are: tests state them in the format users know.
class SamReads {
 public:
  // `header`: the SAM header, "@SQ\tSN:I\tLN:60\n" and so on.
  explicit SamReads(const std::string& header) : header_(sam_hdr_parse(header.size(), header.c_str())) {
    if (!header_ || sam_hdr_nref(header_.get()) < 1) throw std::runtime_error("a wrong SAM header");
  }

  BamRecord parse(const std::string& line) const {
    BamRecord read = make_bam_record();
    std::string buffer = line;  // htslib may write into the text it parses
    kstring_t text{buffer.size(), buffer.size() + 1, buffer.data()};
    if (sam_parse1(&text, header_.get(), read.get()) < 0) throw std::runtime_error("a wrong SAM line: " + line);
    return read;
  }

  // A read of the first sequence, starting at `position` (from 1), with
  // the CIGAR, bases and qualities given ("*" for none), FLAG and MAPQ.
  BamRecord read(long position, const std::string& cigar, const std::string& bases, const std::string& qualities = "*",
                 int flag = 0, int mapping_quality = 60) const {
    return parse("r\t" + std::to_string(flag) + "\t" + sam_hdr_tid2name(header_.get(), 0) + "\t" +
                 std::to_string(position) + "\t" + std::to_string(mapping_quality) + "\t" + cigar + "\t*\t0\t0\t" +
                 bases + "\t" + qualities);
  }

 private:
  struct HeaderFree {
    void operator()(sam_hdr_t* header) const { sam_hdr_destroy(header); }
  };
  std::unique_ptr<sam_hdr_t, HeaderFree> header_;
};

}  // namespace vesmar::testing
