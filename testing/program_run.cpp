#include "testing/program_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "genome/package_paths.h"

namespace vesmar::testing {

namespace fs = std::filesystem;

namespace {

void write_whole(const std::string& path, std::string_view content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::string read_whole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void write_command(const std::string& path, std::string_view marker) {
  write_whole(path, "#!/bin/sh\necho '" + std::string(marker) + "'\n");
  ::chmod(path.c_str(), 0755);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/vesmar-test-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  for (const std::string_view folder : kPackageSubFolders) fs::create_directories(root_ + "/" + std::string(folder));
  fs::create_directories(root_ + "/bin");
  write_command(root_ + "/bin/clear", "[clear]");
  write_command(root_ + "/bin/PAUSE", "[PAUSE]");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  // Folders a test made unreadable must be made readable to be removed.
  for (auto it = fs::recursive_directory_iterator(root_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root_, ignored);
}

std::string ScratchFolder::path(std::string_view relative) const {
  return root_ + "/" + std::string(relative);
}

void ScratchFolder::write(std::string_view relative, std::string_view content) const {
  write_whole(path(relative), content);
}

std::string ScratchFolder::read(std::string_view relative) const { return read_whole(path(relative)); }

bool ScratchFolder::exists(std::string_view relative) const {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path(relative), ignored));
}

void ScratchFolder::remove(std::string_view relative) const { fs::remove_all(path(relative)); }

void ScratchFolder::make_folder(std::string_view relative) const {
  fs::create_directories(path(relative));
}

std::vector<std::string> ScratchFolder::list(std::string_view relative) const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path(relative))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

ProgramRun run_program(const std::string& binary, const ScratchFolder& folder,
                       std::string_view answers, const std::vector<std::string>& arguments,
                       const RunLimits& limits) {
  const std::string input_path = folder.path(".answers");
  const std::string out_path = folder.path(".stdout");
  const std::string err_path = folder.path(".stderr");
  write_whole(input_path, answers);

  pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    int in = ::open(input_path.c_str(), O_RDONLY);
    int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || ::chdir(folder.root().c_str()) != 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (limits.file_size) {
      // An ignored signal stays ignored across exec.
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit file_size{*limits.file_size, *limits.file_size};
      if (::setrlimit(RLIMIT_FSIZE, &file_size) != 0) ::_exit(126);
    }
    const char* old_path = std::getenv("PATH");
    std::string path = folder.root() + "/bin:" + (old_path != nullptr ? old_path : "/usr/bin:/bin");
    ::setenv("PATH", path.c_str(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(binary.c_str(), argv.data());
    ::_exit(127);
  }
  int wait_status = 0;
  while (::waitpid(child, &wait_status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  ProgramRun run;
  run.out = read_whole(out_path);
  run.err = read_whole(err_path);
  run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  ::unlink(input_path.c_str());
  ::unlink(out_path.c_str());
  ::unlink(err_path.c_str());
  return run;
}

}  // namespace vesmar::testing
