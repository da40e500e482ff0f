#include "chromosome_join/chromosome_join_settings.h"

#include "chromosome_join/typed_path.h"
#include "engine/command_line.h"
#include "genome/chromosome_layout.h"
#include "genome/package_paths.h"

namespace vesmar {

Result<ChromosomeJoinSettings> chromosome_join_settings(JoinMode mode, const std::vector<std::string>& files,
                                                        const std::string& genome) {
  if (mode == JoinMode::SingleFile && files.size() != 1) {
    return usage_failure("--mode s joins one file, not " + std::to_string(files.size()));
  }
  ChromosomeJoinSettings settings;
  settings.mode = mode;
  for (const std::string& file : files) {
    settings.chromosome_paths.push_back(is_own_path(file) ? file : typed_file_path(kDesktopFolder, file));
  }
  settings.number_value = static_cast<double>(files.size());
  settings.genome_path = is_own_path(genome) ? genome : typed_file_path(kGenomeSequencesFolder, genome);
  settings.layout_path = std::string(kChromosomeLayoutPath);
  return settings;
}

}  // namespace vesmar
