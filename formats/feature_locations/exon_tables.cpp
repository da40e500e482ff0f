#include "formats/feature_locations/exon_tables.h"

#include <algorithm>

#include "engine/line_reader.h"
#include "engine/number_reader.h"
#include "genome/package_paths.h"

namespace vesmar {

ExonSequences::ExonSequences(
    std::initializer_list<std::pair<std::string_view, std::string_view>> entries) {
  for (const auto& [name, sequence] : entries) set(name, sequence);
}

void ExonSequences::set(std::string_view name, std::string_view sequence) {
  by_name_[name] = texts_.store(sequence);
}

std::optional<std::string_view> ExonSequences::find(std::string_view name) const {
  const std::string_view* found = by_name_.find(name);
  if (found == nullptr) return std::nullopt;
  return *found;
}

ExonFrames::ExonFrames(std::initializer_list<std::pair<std::string_view, ExonFrame>> entries) {
  for (const auto& [name, frame] : entries) (*this)[name] = frame;
}

ExonFrame& ExonFrames::operator[](std::string_view name) { return by_name_[name]; }

const ExonFrame* ExonFrames::find(std::string_view name) const { return by_name_.find(name); }

Result<GeneticCode> load_genetic_code(const std::string& path, WindowsLineEndFiles* windows_line_ends) {
  GeneticCode code;
  Status status = read_each_line(path, [&](std::string_view line) {
    if (line.size() < 3) return;
    code[std::string(line.substr(0, 3))] = std::string(line.substr(3, 3));
  }, windows_line_ends);
  if (!status.ok()) return status.failure();
  return code;
}

Result<ExonSequences> load_exon_sequences(const std::string& path, WindowsLineEndFiles* windows_line_ends) {
  ExonSequences sequences;
  std::string name;
  bool name_line = true;
  Status status = read_each_line(path, [&](std::string_view line) {
    if (name_line) {
      name.assign(line);
    } else {
      sequences.set(name, line);
    }
    name_line = !name_line;
  }, windows_line_ends);
  if (!status.ok()) return status.failure();
  return sequences;
}

Result<ExonFrames> load_exon_frames(const std::string& path, WindowsLineEndFiles* windows_line_ends) {
  ExonFrames frames;
  std::string name;
  ExonFrame* frame = nullptr;  // the current name's, looked up at its first number
  int index = 0;
  Status status = read_each_line(path, [&](std::string_view line) {
    switch (index) {
      case 0: name.assign(line); break;
      case 1:
        frame = &frames[name];
        frame->five_prime_skip = read_atoi(line);
        break;
      case 2: frame->three_prime_skip = read_atoi(line); break;
      case 3: frame->start_frame = read_atoi(line); break;
    }
    index = (index + 1) % 4;
  }, windows_line_ends);
  if (!status.ok()) return status.failure();
  return frames;
}

Result<ExonTables> load_exon_tables(WindowsLineEndFiles* windows_line_ends) {
  ExonTables tables;
  Result<GeneticCode> code = load_genetic_code(path_in(kFeatureLocationsFolder, kGeneticCodeFile), windows_line_ends);
  if (!code.ok()) return code.failure();
  tables.genetic_code = std::move(code.value());
  Result<ExonSequences> sequences =
      load_exon_sequences(path_in(kFeatureLocationsFolder, kExonSequencesFile), windows_line_ends);
  if (!sequences.ok()) return sequences.failure();
  tables.sequences = std::move(sequences.value());
  Result<ExonFrames> frames = load_exon_frames(path_in(kFeatureLocationsFolder, kExonFramesFile), windows_line_ends);
  if (!frames.ok()) return frames.failure();
  tables.frames = std::move(frames.value());
  return tables;
}

}  // namespace vesmar
