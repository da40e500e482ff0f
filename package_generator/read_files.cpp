#include "package_generator/read_files.h"

#include <algorithm>
#include <initializer_list>

namespace vesmar::generator {

Result<ReadFile> ReadFile::create(const std::string& path, ReadFileFormat format, const ReadSource& source) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  return ReadFile(std::move(created.value()), format, source);
}

void ReadFile::add(const SolexaRead& read) {
  record_.clear();
  append_record(read);
  file_->write(record_);
  summary_.bytes += static_cast<std::int64_t>(record_.size());
  summary_.lines += std::count(record_.begin(), record_.end(), '\n');
  ++summary_.reads;
}

void ReadFile::append_record(const SolexaRead& read) {
  auto add_line = [&](std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) record_.append(part);
    record_.push_back('\n');
  };
  const std::string lane = std::to_string(read.lane);
  const std::string tile = std::to_string(read.tile);
  const std::string x = std::to_string(read.x);
  const std::string y = std::to_string(read.y);
  switch (format_) {
    case ReadFileFormat::Fastq:
    case ReadFileFormat::Fasta:
      add_line({format_ == ReadFileFormat::Fastq ? "@" : ">", source_.name_prefix, ":", lane, ":", tile, ":",
                x, ":", y, "#0/1"});
      add_line({read.bases});
      if (format_ == ReadFileFormat::Fasta) return;
      add_line({"+"});
      add_line({read.qualities});
      return;
    case ReadFileFormat::Gseq: {
      std::string bases = read.bases;
      std::replace(bases.begin(), bases.end(), 'N', '.');
      add_line({source_.machine, "\t", source_.run, "\t", lane, "\t", tile, "\t", x, "\t", y, "\t0\t1\t",
                bases, "\t", read.qualities, "\t", read.passed_filter ? "1" : "0"});
      return;
    }
  }
}

}  // namespace vesmar::generator
