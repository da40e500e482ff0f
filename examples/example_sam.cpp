#include "examples/example_sam.h"

#include <map>

#include "genome/bases.h"

namespace vesmar::example {

namespace {

constexpr int kMappingQuality = 60;
constexpr int kClipped = kReadLength - kAlignedLength;

std::string record(const SequencedRead& read, const generator::SolexaRead& listed, std::string_view name_prefix) {
  const std::string name = generator::read_name(name_prefix, listed);
  const std::string aligned = std::to_string(kAlignedLength) + "M";
  const std::string clipped = std::to_string(kClipped) + "S";
  const std::string bases = read.reverse ? reverse_complement(read.bases) : read.bases;
  return name + "\t" + (read.reverse ? "16" : "0") + "\t" + std::string(kChromosomeName) + "\t" +
         std::to_string(read.first_position) + "\t" + std::to_string(kMappingQuality) + "\t" +
         (read.reverse ? clipped + aligned : aligned + clipped) + "\t*\t0\t0\t" + bases + "\t" +
         generator::shifted_qualities(listed.qualities, 33, read.reverse) + "\n";
}

}  // namespace

std::string sam_text(const std::array<std::vector<ListedRead>, 2>& lanes, const std::vector<SequencedRead>& reads,
                     std::string_view name_prefix) {
  std::map<const SequencedRead*, const generator::SolexaRead*> listed_as;
  for (const std::vector<ListedRead>& lane : lanes) {
    for (const ListedRead& listed : lane) {
      if (listed.read != nullptr) listed_as[listed.read] = &listed.record;
    }
  }
  std::string text = "@HD\tVN:1.6\tSO:coordinate\n@SQ\tSN:" + std::string(kChromosomeName) +
                     "\tLN:" + std::to_string(kChromosomeLength) + "\n";
  for (const SequencedRead& read : reads) {
    if (read.aligned) text += record(read, *listed_as.at(&read), name_prefix);
  }
  return text;
}

}  // namespace vesmar::example
