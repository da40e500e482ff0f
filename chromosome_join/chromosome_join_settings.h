#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/failure.h"

namespace vesmar {

// How the chromosomes come: one file per chromosome, or one file with a
// header line per chromosome.
enum class JoinMode { SeparateFiles, SingleFile };

// What a Chromosome_join run is asked to do, from its answers, and the paths
// they make.
struct ChromosomeJoinSettings {
  JoinMode mode = JoinMode::SeparateFiles;
  // "Desktop/" + each chromosome file's name (one in single-file mode), less
  // white space at its end.
  std::vector<std::string> chromosome_paths;
  // Separate files: the count's leading number, fraction kept. A chromosome
  // whose 1-based index differs from it is followed by a line feed.
  double number_value = 0;
  // Genome_sequences/ + the genome file's name, less white space at its end.
  std::string genome_path;
  // The lines of standard input read when the questions were done, which the
  // "no such file name" message gives when the last line read was an
  // answer; none when nothing was asked.
  std::optional<std::int64_t> answer_lines;
  // Where the joined genome's chromosome layout goes (kChromosomeLayoutPath),
  // replaced together with the genome sequence file; empty: nowhere.
  std::string layout_path;
};

// The settings of a command line's answers: the chromosome files (on the
// Desktop, or where a name with a folder says), the genome sequence file
// (in Genome_sequences/, or where its name says) and the layout beside the
// feature location files. One file per chromosome counts the files as the
// dialogue's count answer; one file with all of them must be one file.
Result<ChromosomeJoinSettings> chromosome_join_settings(JoinMode mode, const std::vector<std::string>& files,
                                                        const std::string& genome);

}  // namespace vesmar
