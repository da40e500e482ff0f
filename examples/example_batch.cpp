#include "examples/example_batch.h"

#include <sstream>

#include "genome/bases.h"
#include "genome/package_paths.h"
#include "package_generator/package_folders.h"
#include "package_generator/random_stream.h"
#include "engine/whole_file.h"

namespace vesmar::example {

namespace {

// A seed of its own, so that the batch draws nothing from the stream Anna's
// files are made from: they stay as they were.
constexpr std::uint64_t kBatchSeed = 20240611;
constexpr int kBatchReadLength = 100;
constexpr int kBatchDepth = 24;  // reads over each base, about
constexpr int kShortestFragment = 220;
constexpr int kLongestFragment = 360;
constexpr std::string_view kQualityLetters = "FGHI";  // Phred+33, 37 to 40

// The first position at or after `from` whose reference base is `base`.
int first_base_from(const ReferenceGenome& reference, int from, char base) {
  int position = from;
  while (position < kChromosomeLength && reference.base(position) != base) ++position;
  return position;
}

BatchChange ems_change(const ReferenceGenome& reference, int from, char base, std::string what) {
  const int position = first_base_from(reference, from, base);
  return {position, base, base == 'g' ? 'a' : 't', std::move(what)};
}

std::string strain_sequence(const ReferenceGenome& reference, const BatchStrain& strain) {
  std::string sequence = reference.chromosome;
  for (const BatchChange& change : strain.changes) {
    sequence[static_cast<std::size_t>(change.position - 1)] = change.changed;
  }
  return sequence;
}

std::string uppercase(std::string_view bases) {
  std::string text(bases);
  for (char& base : text) base = static_cast<char>(base - 'a' + 'A');
  return text;
}

void add_record(std::string& text, const std::string& name, const std::string& bases, RandomStream& random) {
  text += '@';
  text += name;
  text += '\n';
  text += bases;
  text += "\n+\n";
  for (std::size_t i = 0; i < bases.size(); ++i) {
    text += kQualityLetters[static_cast<std::size_t>(random.below(static_cast<int>(kQualityLetters.size())))];
  }
  text += '\n';
}

// The reads of one strain, in the order the instrument lists them: from
// random places of either strand; for pairs, the two ends of a fragment,
// the second read from the other strand.
struct StrainReads {
  std::string first;   // NAME.fastq, or NAME_R1.fastq
  std::string second;  // NAME_R2.fastq, for pairs
};

StrainReads sequence_strain(const std::string& sequence, const BatchStrain& strain, RandomStream& random) {
  StrainReads reads;
  const int length = static_cast<int>(sequence.size());
  const int count = kBatchDepth * length / kBatchReadLength / (strain.paired ? 2 : 1);
  for (int i = 1; i <= count; ++i) {
    const std::string name = strain.name + "." + std::to_string(i);
    const int fragment =
        strain.paired ? static_cast<int>(random.uniform(kShortestFragment, kLongestFragment)) : kBatchReadLength;
    const std::size_t start = static_cast<std::size_t>(random.uniform(0, length - fragment));
    const std::string piece = uppercase(std::string_view(sequence).substr(start, static_cast<std::size_t>(fragment)));
    const bool reverse = random.percent(50);
    const std::string forward_end = piece.substr(0, kBatchReadLength);
    const std::string reverse_end = reverse_complement(piece.substr(piece.size() - kBatchReadLength));
    add_record(reads.first, name, reverse ? reverse_end : forward_end, random);
    if (strain.paired) add_record(reads.second, name, reverse ? forward_end : reverse_end, random);
  }
  return reads;
}

Status write_text(const std::string& path, const std::string& text) {
  return write_whole_file(path, [&](OutputFile& file) { file.write(text); });
}

std::string key_text(const std::vector<BatchStrain>& strains) {
  std::ostringstream text;
  text << "The batch beside Anna: reads of " << kBatchReadLength
       << " bases in FASTQ, for a short-read aligner (genome positions on chromosome I)\n";
  for (const BatchStrain& strain : strains) {
    text << '\n'
         << strain.name << (strain.background ? ", the parent (background)" : ", a mutant") << ", "
         << (strain.paired ? "paired reads: " + strain.name + "_R1.fastq, " + strain.name + "_R2.fastq"
                           : "single reads: " + strain.name + ".fastq")
         << '\n';
    for (const BatchChange& change : strain.changes) {
      text << change.position << "  " << change.reference << " -> " << change.changed << "  " << change.what << '\n';
    }
  }
  return text.str();
}

}  // namespace

std::vector<BatchStrain> batch_strains(const ReferenceGenome& reference) {
  // Anna carries the two changes side by side at 1300 and 1301 as well: in
  // a screen they are the parent's, not the mutation looked for.
  std::vector<BatchChange> parental = {
      {1300, reference.base(1300), 'a', "I.intergenic2, inherited from the parent (Anna has it too)"},
      {1301, reference.base(1301), 'a', "I.intergenic2, the second of the two, inherited"},
  };
  const int transversion = first_base_from(reference, 2600, 'a');
  parental.push_back({transversion, 'a', 'c', "I.intergenic3, the parent's own, no change EMS makes"});

  BatchStrain parent{"Parent", false, true, parental};
  BatchStrain mutant{"Bea", true, false, parental};
  mutant.changes.push_back(ems_change(reference, 480, 'g', "ves-1.exon1, Bea's own"));
  mutant.changes.push_back(ems_change(reference, 600, 'g', "ves-1.intron1, Bea's own"));
  mutant.changes.push_back(ems_change(reference, 1560, 'c', "ves-2.exon2, Bea's own"));
  return {mutant, parent};
}

Status write_batch(const std::string& home, const ReferenceGenome& reference) {
  RandomStream random(kBatchSeed);
  const std::vector<BatchStrain> strains = batch_strains(reference);
  for (const BatchStrain& strain : strains) {
    const StrainReads reads = sequence_strain(strain_sequence(reference, strain), strain, random);
    const std::string stem = generator::path_under(home, kDesktopFolder, strain.name);
    if (Status s = write_text(stem + (strain.paired ? "_R1.fastq" : ".fastq"), reads.first); !s.ok()) return s;
    if (strain.paired) {
      if (Status s = write_text(stem + "_R2.fastq", reads.second); !s.ok()) return s;
    }
  }
  return write_text(home + "/batch_changes.txt", key_text(strains));
}

}  // namespace vesmar::example
