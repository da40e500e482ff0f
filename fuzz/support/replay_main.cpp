// Runs a fuzz target over saved inputs without libFuzzer: every file named on
// the command line, and every file in every folder named there (files whose
// names begin with "." are passed over). A path that does not exist is passed
// over too, since a target may have no regressions yet. The normal build's
// tests replay the seed corpus and the regressions this way, so a finding
// once fixed stays fixed under g++ as well.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

void add_inputs(const fs::path& path, std::vector<fs::path>& inputs) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(path)) {
      if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".")) {
        files.push_back(entry.path());
      }
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
  } else if (fs::is_regular_file(path, error)) {
    inputs.push_back(path);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Found before the target starts: a dialogue target works in a folder of
  // its own.
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) add_inputs(fs::absolute(argv[i]), inputs);
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 1;
  }
  for (const fs::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
  return 0;
}
