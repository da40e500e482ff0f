#include "examples/example_sample.h"

#include <cstdlib>
#include <set>

#include "formats/alignment_results/alignment_windows.h"
#include "genome/bases.h"
#include "package_generator/alignment_file.h"

namespace vesmar::example {

namespace {

constexpr int kPresencePercent = 70;  // chance that a read of a given place and strand was sequenced

// One base of a chromosome copy of the sequenced strain.
struct StrainBase {
  char base;
  int position;  // its reference position
};

using StrainCopy = std::vector<StrainBase>;

StrainCopy strain_copy(const ReferenceGenome& reference, bool second_copy) {
  const PlantedChanges& changes = planted_changes();
  StrainCopy copy;
  for (int position = 1; position <= kChromosomeLength; ++position) {
    bool deleted = false;
    for (const Deletion& deletion : changes.deletions) deleted = deleted || deletion.span.contains(position);
    if (deleted) continue;
    char base = reference.base(position);
    for (const Substitution& change : changes.substitutions) {
      if (change.position == position && !(change.heterozygous && second_copy)) base = change.changed;
    }
    copy.push_back({base, position});
  }
  return copy;
}

// Index in the strain copy of a reference position that it keeps.
Result<int> index_of(const StrainCopy& copy, int position) {
  for (std::size_t i = 0; i < copy.size(); ++i) {
    if (copy[i].position == position) return static_cast<int>(i);
  }
  return Failure{"position " + std::to_string(position) + " is deleted"};
}

// Reads whose aligned bases start at these strain places are always there,
// on both strands: the chromosome's first base and the edges of the
// deletions, so that the gaps are the deletions themselves.
Result<std::set<int>> places_always_read(const StrainCopy& copy) {
  std::set<int> places{0};
  for (const Deletion& deletion : planted_changes().deletions) {
    if (deletion.span.first > 1) {
      const Result<int> before = index_of(copy, deletion.span.first - 1);
      if (!before.ok()) return before.failure();
      places.insert(before.value() - (kAlignedLength - 1));
    }
    if (deletion.span.last < kChromosomeLength) {
      const Result<int> after = index_of(copy, deletion.span.last + 1);
      if (!after.ok()) return after.failure();
      places.insert(after.value());
    }
  }
  return places;
}

// A stretch where no read was sequenced: coverage alone leaves a gap there.
constexpr Span kPoorlyRead{880, 919};

std::string uppercase(std::string bases) {
  for (char& base : bases) base = static_cast<char>(base - 'a' + 'A');
  return bases;
}

SequencedRead read_at(const StrainCopy& copy, int place, bool reverse) {
  // The 32 aligned bases cover places place .. place + 31; the 4 more that
  // the instrument read follow them in read orientation.
  const int size = static_cast<int>(copy.size());
  auto base_at = [&](int index) {
    return index >= 0 && index < size ? copy[static_cast<std::size_t>(index)].base : 'n';
  };
  std::string aligned;
  for (int i = 0; i < kAlignedLength; ++i) aligned += base_at(place + i);
  std::string in_read_orientation = reverse ? reverse_complement(aligned) : aligned;
  for (int i = 0; i < kReadLength - kAlignedLength; ++i) {
    in_read_orientation += reverse ? complement(base_at(place - 1 - i)) : base_at(place + kAlignedLength + i);
  }
  SequencedRead read;
  read.bases = uppercase(in_read_orientation);
  read.reverse = reverse;
  const int first = copy[static_cast<std::size_t>(place)].position;
  const int last = copy[static_cast<std::size_t>(place + kAlignedLength - 1)].position;
  read.aligned = last - first == kAlignedLength - 1;
  read.first_position = first;
  read.genome_bases = aligned;
  return read;
}

// Positions far from everything planted, where sequencing errors may fall
// without touching what the example shows.
bool quiet_position(int position) {
  if (position < 100 || position > kChromosomeLength - 100) return false;
  if (position >= kPoorlyRead.first - 40 && position <= kPoorlyRead.last + 40) return false;
  for (const Substitution& change : planted_changes().substitutions) {
    if (std::abs(change.position - position) < 40) return false;
  }
  for (const Deletion& deletion : planted_changes().deletions) {
    if (position >= deletion.span.first - 40 && position <= deletion.span.last + 40) return false;
  }
  return true;
}

char other_base(char base, RandomStream& random) {
  const std::string others = std::string("acgt").erase(std::string("acgt").find(base), 1);
  return others[static_cast<std::size_t>(random.below(3))];
}

// Changes one aligned base of a read, in both of its orientations.
void set_aligned_base(SequencedRead& read, int offset, char genome_base) {
  read.genome_bases[static_cast<std::size_t>(offset)] = genome_base;
  const std::size_t in_read = static_cast<std::size_t>(read.reverse ? kAlignedLength - 1 - offset : offset);
  read.bases[in_read] = static_cast<char>((read.reverse ? complement(genome_base) : genome_base) - 'a' + 'A');
}

}  // namespace

const PlantedChanges& planted_changes() {
  static const PlantedChanges changes = {
      {
          {447, 'g', 'a', false, "ves-1.exon1: gga (Gly) becomes aga (Arg)"},
          {521, 'g', 'a', false, "ves-1.intron1, its first base (the splice donor g), one after ves-1.exon1"},
          {701, 'g', 'a', false,
           "ves-1.exon2, first base: tgg (Trp), split over exons 1 and 2, becomes tga (stop)"},
          {1050, 'g', 'a', true, "ves-1.exon3, on one copy only: about as many WT as mutant reads"},
          {1300, 'g', 'a', false, "I.intergenic2, two changed bases side by side"},
          {1301, 'g', 'a', false, "I.intergenic2, the second of the two"},
          {1699, 'g', 'a', false, "ves-2.intron1, just before the deletion 1700-1705"},
          {1706, 'c', 't', false, "ves-2.intron1, just after the deletion 1700-1705"},
          {1910, 'g', 'a', false, "ves-2.exon1, reverse strand: cag (Gln) becomes tag (stop)"},
          {2231, 'c', 't', false, "I.intergenic3, just after the deletion 2201-2230"},
      },
      {
          {{1101, 1112}, "ves-1.exon3: 12 bases (four codons)"},
          {{1700, 1705}, "ves-2.intron1: 6 bases, between two changed bases"},
          {{2201, 2230}, "I.intergenic3: 30 bases, a changed base after them"},
          {{2961, 3000}, "I.intergenic3: the last 40 bases of chromosome I, the end of the genome"},
      },
  };
  return changes;
}

FixedBases planted_reference_bases() {
  FixedBases bases;
  for (const Substitution& change : planted_changes().substitutions)
    bases[change.position] = change.reference;
  return bases;
}

Result<std::vector<SequencedRead>> sequence_the_strain(const ReferenceGenome& reference,
                                                       RandomStream& random) {
  const StrainCopy copies[2] = {strain_copy(reference, false), strain_copy(reference, true)};
  const Result<std::set<int>> always_read = places_always_read(copies[0]);
  if (!always_read.ok()) return always_read.failure();
  const std::set<int>& always = always_read.value();
  const int places = static_cast<int>(copies[0].size()) - kAlignedLength + 1;
  std::vector<SequencedRead> reads;
  for (int place = 0; place < places; ++place) {
    const int position = copies[0][static_cast<std::size_t>(place)].position;
    for (bool reverse : {false, true}) {
      const bool forced = always.count(place) > 0;
      if (!forced && (kPoorlyRead.contains(position) || !random.percent(kPresencePercent))) continue;
      // The two copies keep the same places: the heterozygous change deletes nothing.
      reads.push_back(read_at(copies[random.below(2)], place, reverse));
    }
  }

  // Sequencing errors: one wrong base in each of a few reads.
  for (int errors = 0; errors < 8;) {
    SequencedRead& read = reads[static_cast<std::size_t>(random.below(static_cast<int>(reads.size())))];
    const int offset = random.below(kAlignedLength);
    const int position = read.first_position + offset;
    if (!read.aligned || !quiet_position(position)) continue;
    set_aligned_base(read, offset, other_base(reference.base(position), random));
    ++errors;
  }
  // Bases not called: a few inside the 32 that are aligned, more after them.
  for (int no_calls = 0; no_calls < 3;) {
    SequencedRead& read = reads[static_cast<std::size_t>(random.below(static_cast<int>(reads.size())))];
    if (!read.aligned || !quiet_position(read.first_position + 20)) continue;
    set_aligned_base(read, 20, 'n');
    ++no_calls;
  }
  for (SequencedRead& read : reads) {
    if (random.percent(10)) read.bases[static_cast<std::size_t>(kAlignedLength + random.below(4))] = 'N';
  }
  return reads;
}

Result<std::vector<PositionRecord>> align(const ReferenceGenome& reference,
                                          const std::vector<SequencedRead>& reads) {
  std::vector<PositionRecord> records(kGenomeLength + 1);  // index 0 unused
  std::vector<std::vector<const SequencedRead*>> mutant_reads(kGenomeLength + 1);
  for (const SequencedRead& read : reads) {
    if (!read.aligned) continue;
    for (int i = 0; i < kAlignedLength; ++i) {
      const int position = read.first_position + i;
      const char base = read.genome_bases[static_cast<std::size_t>(i)];
      if (base == 'n') continue;  // no base called: neither WT nor mutant
      if (base == reference.base(position)) {
        ++records[static_cast<std::size_t>(position)].wt_reads;
      } else {
        ++records[static_cast<std::size_t>(position)].mut_reads;
        mutant_reads[static_cast<std::size_t>(position)].push_back(&read);
      }
    }
  }

  // The windows are drawn from the genome sequence file: the padding after
  // the chromosome is g.
  for (int position = 1; position <= kGenomeLength; ++position) {
    PositionRecord& record = records[static_cast<std::size_t>(position)];
    if (record.mut_reads == 0) continue;
    // The reads that show the change, in the order of their start, offered
    // to the rule that every aligner's file of the suite follows.
    WindowReadChoice choice;
    const SequencedRead* chosen = nullptr;
    for (const SequencedRead* read : mutant_reads[static_cast<std::size_t>(position)]) {
      const int before = position - kWindowCentre;
      const bool centred =
          read->first_position <= before &&
          read->genome_bases[static_cast<std::size_t>(before - read->first_position)] == reference.genome_base(before);
      if (choice.offer(centred, read->first_position + kAlignedLength - 1)) chosen = read;
    }
    const bool centred = choice.centred();
    const int first_column = static_cast<int>(window_start(position, centred));
    if (first_column < 1 || first_column + kWindowLength - 1 > kGenomeLength) {
      return Failure{"no room for the windows at " + std::to_string(position)};
    }
    for (int column = 0; column < kWindowLength; ++column) {
      const int at = first_column + column;
      const int offset = at - chosen->first_position;
      const bool in_read = offset >= 0 && offset < kAlignedLength;
      record.reference_window += reference.genome_base(at);
      record.read_window +=
          in_read ? chosen->genome_bases[static_cast<std::size_t>(offset)] : reference.genome_base(at);
    }
    if ((record.read_window[0] != record.reference_window[0]) == centred) {
      return Failure{"the windows at " + std::to_string(position) +
                     " do not show the change where they should"};
    }
  }
  return records;
}

}  // namespace vesmar::example
