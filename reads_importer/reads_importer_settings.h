#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reads_importer/read_format.h"

namespace vesmar {

// What a Reads_importer run is asked to do, from its answers, and the paths
// they make. Everything is gathered before any file is read.
struct ReadsImporterSettings {
  std::string reads_file_path;  // Sequence_reads/ + first name + "_reads.txt"
  ReadFormat format = ReadFormat::fastq;
  std::vector<std::string> input_paths;  // "Desktop/" + each input file's name, in the order given
};

// The path of the reads file of `first_name`, as typed (an empty name makes
// the file "_reads.txt").
std::string reads_file_path(std::string_view first_name);

}  // namespace vesmar
