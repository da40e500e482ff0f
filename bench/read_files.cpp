#include "bench/read_files.h"

#include <algorithm>

#include "genome/bases.h"

namespace vesmar::bench {

namespace {

char to_upper(char base) { return static_cast<char>(base - 'a' + 'A'); }

// A read drawn from the reference, and where it came from: the genome
// position of its lowest base and the strand it was read from.
struct DrawnRead {
  generator::SolexaRead solexa;
  std::int64_t first_position = 0;
  bool forward = true;
};

DrawnRead draw_read(RandomStream& random, const Reference& reference, std::int64_t positions) {
  DrawnRead drawn;
  generator::SolexaRead& read = drawn.solexa;
  draw_place(random, read);
  drawn.first_position = random.uniform(1, std::max<std::int64_t>(positions - kReadLength, 1));
  drawn.forward = random.chance(0.5);
  draw_bases(random, reference, drawn.first_position, drawn.forward, read);
  read.passed_filter = random.next() % 10 != 0;
  return drawn;
}

}  // namespace

void draw_place(RandomStream& random, generator::SolexaRead& read) {
  read.lane = static_cast<int>(1 + random.next() % 8);
  read.tile = static_cast<int>(1 + random.next() % 120);
  read.x = static_cast<int>(random.next() % 2048);
  read.y = static_cast<int>(random.next() % 2048);
}

void draw_bases(RandomStream& random, const Reference& reference, std::int64_t first_position, bool forward,
                generator::SolexaRead& read) {
  read.bases.resize(kReadLength);
  for (int i = 0; i < kReadLength; ++i) {
    const char base = to_upper(reference.base(first_position + i));
    if (forward) {
      read.bases[i] = base;
    } else {
      read.bases[kReadLength - 1 - i] = complement(base);
    }
  }
  if (random.chance(0.3)) read.bases[random.next() % kReadLength] = "ACGT"[random.next() % 4];
  if (random.chance(0.02)) read.bases[random.next() % kReadLength] = 'N';
  read.qualities.resize(kReadLength);
  std::uint64_t bits = random.next();
  for (int i = 0; i < kReadLength; ++i) {
    if (i % 10 == 0) bits = random.next();
    read.qualities[i] = static_cast<char>('B' + bits % 39);
    bits /= 39;
  }
}

Result<ReadFileSummary> write_read_file(const std::string& path, ReadFileFormat format,
                                        const Reference& reference, std::uint64_t seed,
                                        std::int64_t positions, std::int64_t target_bytes,
                                        std::uint64_t part) {
  Result<generator::ReadFile> created = generator::ReadFile::create(path, format, kInstrument);
  if (!created.ok()) return created.failure();
  generator::ReadFile& file = created.value();
  RandomStream random = stream_for(seed, Stream::Reads, part);
  while (file.summary().bytes < target_bytes) file.add(draw_read(random, reference, positions).solexa);
  if (Status committed = file.commit(); !committed.ok()) return committed.failure();
  return file.summary();
}

}  // namespace vesmar::bench
