#include "bench/read_files.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "common/output_file.h"

namespace vesmar::bench {

namespace {

constexpr int kReadLength = 36;

char to_upper(char base) { return static_cast<char>(base - 'a' + 'A'); }

struct SolexaRead {
  std::string name;  // lane:tile:x:y
  std::string bases;
  std::string qualities;
  bool passed_filter = true;
};

SolexaRead draw_read(RandomStream& random, const Reference& reference, std::int64_t positions,
                     char unknown_base) {
  SolexaRead read;
  const std::uint64_t lane = 1 + random.next() % 8;
  const std::uint64_t tile = 1 + random.next() % 120;
  const std::uint64_t x = random.next() % 2048;
  const std::uint64_t y = random.next() % 2048;
  for (std::uint64_t field : {lane, tile, x, y}) {
    if (!read.name.empty()) read.name.push_back(':');
    read.name.append(std::to_string(field));
  }
  const std::int64_t first = random.uniform(1, std::max<std::int64_t>(positions - kReadLength, 1));
  const bool forward = random.chance(0.5);
  read.bases.resize(kReadLength);
  for (int i = 0; i < kReadLength; ++i) {
    const char base = to_upper(reference.base(first + i));
    if (forward) {
      read.bases[i] = base;
    } else {
      read.bases[kReadLength - 1 - i] = complement(base);
    }
  }
  if (random.chance(0.3)) read.bases[random.next() % kReadLength] = "ACGT"[random.next() % 4];
  if (random.chance(0.02)) read.bases[random.next() % kReadLength] = unknown_base;
  read.qualities.resize(kReadLength);
  std::uint64_t bits = random.next();
  for (int i = 0; i < kReadLength; ++i) {
    if (i % 10 == 0) bits = random.next();
    read.qualities[i] = static_cast<char>('B' + bits % 39);
    bits /= 39;
  }
  read.passed_filter = random.next() % 10 != 0;
  return read;
}

// Appends the read's record to `text`.
void append_record(std::string& text, const SolexaRead& read, ReadFileFormat format) {
  auto add_line = [&](std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) text.append(part);
    text.push_back('\n');
  };
  switch (format) {
    case ReadFileFormat::Fastq:
      add_line({"@HWI-EAS285:", read.name, "#0/1"});
      add_line({read.bases});
      add_line({"+"});
      add_line({read.qualities});
      return;
    case ReadFileFormat::Fasta:
      add_line({">HWI-EAS285:", read.name, "#0/1"});
      add_line({read.bases});
      return;
    case ReadFileFormat::Gseq: {
      std::string fields = read.name;
      std::replace(fields.begin(), fields.end(), ':', '\t');
      add_line({"HWI-EAS285\t0001\t", fields, "\t0\t1\t", read.bases, "\t", read.qualities, "\t",
                read.passed_filter ? "1" : "0"});
      return;
    }
  }
}

}  // namespace

Result<ReadFileSummary> write_read_file(const std::string& path, ReadFileFormat format,
                                        const Reference& reference, std::uint64_t seed,
                                        std::int64_t positions, std::int64_t target_bytes,
                                        std::uint64_t part) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& file = *created.value();
  RandomStream random(seed, Stream::Reads, part);
  const char unknown_base = format == ReadFileFormat::Gseq ? '.' : 'N';
  const std::int64_t lines_per_read = format == ReadFileFormat::Fastq ? 4 : format == ReadFileFormat::Fasta ? 2 : 1;
  ReadFileSummary summary;
  std::string text;
  while (summary.bytes < target_bytes) {
    text.clear();
    append_record(text, draw_read(random, reference, positions, unknown_base), format);
    file.write(text);
    summary.bytes += static_cast<std::int64_t>(text.size());
    summary.lines += lines_per_read;
    ++summary.reads;
  }
  if (Status committed = file.commit(); !committed.ok()) return committed.failure();
  return summary;
}

}  // namespace vesmar::bench
