#include "fuzz/support/scratch.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vesmar::fuzz {

namespace {

[[noreturn]] void broken(const std::string& what) {
  std::perror(what.c_str());
  std::abort();
}

void write_all(int fd, std::string_view content, const std::string& what) {
  while (!content.empty()) {
    const ssize_t done = ::write(fd, content.data(), content.size());
    if (done < 0) broken(what);
    content.remove_prefix(static_cast<std::size_t>(done));
  }
}

std::string* root = nullptr;

void remove_root() {
  std::error_code ignored;
  std::filesystem::remove_all(*root, ignored);
}

}  // namespace

const std::string& scratch_root() {
  if (root == nullptr) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/vesmar-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) broken("mkdtemp " + pattern);
    root = new std::string(pattern);
    std::atexit(remove_root);
  }
  return *root;
}

std::string scratch_path(std::string_view relative) { return scratch_root() + "/" + std::string(relative); }

void write_file(const std::string& path, std::string_view content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) broken("create " + path);
  write_all(fd, content, "write " + path);
  ::close(fd);
}

std::string read_file(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) broken("open " + path);
  std::string content;
  char block[65536];
  for (;;) {
    const ssize_t got = ::read(fd, block, sizeof block);
    if (got < 0) broken("read " + path);
    if (got == 0) break;
    content.append(block, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

int memory_file(std::string_view content) {
  static const int file = ::memfd_create("fuzz-input", MFD_CLOEXEC);
  if (file < 0) broken("memfd_create");
  std::size_t at = 0;
  while (at < content.size()) {
    const ssize_t done = ::pwrite(file, content.data() + at, content.size() - at, static_cast<off_t>(at));
    if (done < 0) broken("write memory file");
    at += static_cast<std::size_t>(done);
  }
  if (::ftruncate(file, static_cast<off_t>(content.size())) != 0) broken("truncate memory file");
  if (::lseek(file, 0, SEEK_SET) != 0) broken("lseek memory file");
  const int reader = ::fcntl(file, F_DUPFD_CLOEXEC, 0);
  if (reader < 0) broken("dup memory file");
  return reader;
}

LineReader memory_reader(std::string_view content, std::string name, std::size_t block_size) {
  return LineReader(std::make_unique<FileSource>(memory_file(content)), std::move(name), ReadAhead::Mode::Inline,
                    block_size);
}

std::vector<std::string_view> pieces(std::string_view text) {
  std::vector<std::string_view> result;
  for (;;) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string_view::npos) break;
    result.push_back(text.substr(0, feed));
    text.remove_prefix(feed + 1);
  }
  result.push_back(text);
  return result;
}

std::vector<std::string_view> editor_lines(std::string_view text) {
  std::vector<std::string_view> lines = pieces(text);
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace vesmar::fuzz
