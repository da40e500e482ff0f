#include "reads_importer/reads_importer_settings.h"

#include "genome/package_paths.h"

namespace vesmar {

std::string reads_file_path(std::string_view first_name) {
  std::string path = path_in(kSequenceReadsFolder, first_name);
  path += "_reads.txt";
  return path;
}

}  // namespace vesmar
