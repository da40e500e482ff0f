#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesmar::testing {

// A scratch working folder as the lab's users have it: Desktop/vesmar/ with
// its six sub-folders, plus bin/ holding stand-ins for the shell commands
// "clear" and "PAUSE" that print "[clear]" and "[PAUSE]" lines, so tests see
// where in the dialogue they ran. Removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& root() const { return root_; }
  std::string path(std::string_view relative) const;
  void write(std::string_view relative, std::string_view content) const;
  std::string read(std::string_view relative) const;
  bool exists(std::string_view relative) const;
  void remove(std::string_view relative) const;
  void make_folder(std::string_view relative) const;
  // Names of the entries of a folder, sorted.
  std::vector<std::string> list(std::string_view relative) const;

 private:
  std::string root_;
};

struct ProgramRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or 128 + signal number
};

// Limits put on the program's process before it starts.
struct RunLimits {
  // The largest size, in bytes, that any file the program writes may reach
  // (RLIMIT_FSIZE), its standard output and error included. A write beyond
  // it fails with EFBIG, as on a full disk (SIGXFSZ is ignored, so the
  // program is not killed). Nothing: no limit.
  std::optional<std::uint64_t> file_size;
};

// Runs `binary` in the scratch folder with `answers` as its standard input
// and the stand-in commands first on PATH.
ProgramRun run_program(const std::string& binary, const ScratchFolder& folder,
                       std::string_view answers, const std::vector<std::string>& arguments = {},
                       const RunLimits& limits = {});

}  // namespace vesmar::testing
