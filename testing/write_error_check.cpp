#include "testing/write_error_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace vesmar::testing {

void check_write_errors(const OutputRun& run) {
  const std::string& first = run.outputs.front();
  const std::string folder_path = first.substr(0, first.rfind('/'));
  std::vector<std::string> names;
  for (const std::string& output : run.outputs) names.push_back(output.substr(output.rfind('/') + 1));
  std::sort(names.begin(), names.end());
  const std::string error = run.program + ": cannot write " + first + ": File too large\n";
  struct Case {
    const char* what;
    std::optional<std::string> older;
    std::optional<std::uint64_t> file_size_limit;
  };
  const Case cases[] = {
      {"room enough", "an older file\n", std::nullopt},
      {"the disk fills up, an older file", "an older file\n", kWriteErrorFileSizeLimit},
      {"the disk fills up, no older file", std::nullopt, kWriteErrorFileSizeLimit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    run.inputs(folder);
    if (c.older) {
      for (const std::string& output : run.outputs) folder.write(output, *c.older);
    }
    const ProgramRun result = run_program(run.binary, folder, run.answers, {}, RunLimits{c.file_size_limit});
    if (!c.file_size_limit) {
      EXPECT_EQ(result.status, 0);
      EXPECT_EQ(result.err, "");
      EXPECT_TRUE(result.out.ends_with(run.out_end_written)) << result.out;
      EXPECT_GT(folder.read(first).size(), kWriteErrorFileSizeLimit);
      EXPECT_EQ(folder.list(folder_path), names);
      continue;
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, error);
    EXPECT_TRUE(result.out.ends_with(run.out_end_failed)) << result.out;
    if (c.older) {
      EXPECT_EQ(folder.list(folder_path), names);
      for (const std::string& output : run.outputs) EXPECT_EQ(folder.read(output), *c.older) << output;
    } else {
      EXPECT_EQ(folder.list(folder_path), std::vector<std::string>{});
    }
  }
}

}  // namespace vesmar::testing
