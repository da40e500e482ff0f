#include "package_generator/read_files.h"

#include <algorithm>
#include <initializer_list>

namespace vesmar::generator {

void append_read_name(std::string& text, std::string_view prefix, const SolexaRead& read) {
  text += prefix;
  for (const int field : {read.lane, read.tile, read.x, read.y}) {
    text += ':';
    text += std::to_string(field);
  }
  text += "#0";
}

std::string shifted_qualities(std::string qualities, int offset, bool reverse) {
  for (char& quality : qualities) quality = static_cast<char>(quality - 64 + offset);
  if (reverse) std::reverse(qualities.begin(), qualities.end());
  return qualities;
}

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
  ++summary_.reads;
}

void ReadFile::append_record(const SolexaRead& read) {
  auto add_line = [&](std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) record_.append(part);
    record_.push_back('\n');
  };
  switch (format_) {
    case ReadFileFormat::Fastq:
    case ReadFileFormat::Fasta:
      record_ += format_ == ReadFileFormat::Fastq ? '@' : '>';
      append_read_name(record_, source_.name_prefix, read);
      add_line({"/1"});
      add_line({read.bases});
      if (format_ == ReadFileFormat::Fasta) return;
      add_line({"+"});
      add_line({read.qualities});
      return;
    case ReadFileFormat::Gseq: {
      std::string bases = read.bases;
      std::replace(bases.begin(), bases.end(), 'N', '.');
      add_line({source_.machine, "\t", source_.run, "\t", std::to_string(read.lane), "\t", std::to_string(read.tile),
                "\t", std::to_string(read.x), "\t", std::to_string(read.y), "\t0\t1\t",
                bases, "\t", read.qualities, "\t", read.passed_filter ? "1" : "0"});
      return;
    }
  }
}

}  // namespace vesmar::generator
