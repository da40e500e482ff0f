// How a file named as an option becomes a path: a bare name lies in the
// program's folder, as in the dialogue; a path of the user's own is kept.
#include <gtest/gtest.h>

#include "engine/count_text.h"
#include "genome/package_paths.h"

namespace vesmar {
namespace {

TEST(OptionFilePath, KeepsAPathOfTheUsersOwnAndPutsABareNameInTheFolder) {
  struct Case {
    const char* name;
    const char* path;
  };
  const Case cases[] = {
      {"run1.bam", "Desktop/run1.bam"},
      {"data/run1.bam", "Desktop/data/run1.bam"},
      {".hidden.bam", "Desktop/.hidden.bam"},
      {"..run1.bam", "Desktop/..run1.bam"},
      {"/data/run1.bam", "/data/run1.bam"},
      {"./run1.bam", "./run1.bam"},
      {"../lab/run1.bam", "../lab/run1.bam"},
      {".", "Desktop/."},
      {"", "Desktop/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(option_file_path("Desktop/", c.name), c.path) << c.name;
    EXPECT_EQ(is_own_path(c.name), std::string(c.path) == c.name) << c.name;
  }
}

TEST(CountText, SaysTheNounInTheNumberOfTheCount) {
  EXPECT_EQ(count_text(0, "row", "rows"), "0 rows");
  EXPECT_EQ(count_text(1, "row", "rows"), "1 row");
  EXPECT_EQ(count_text(2, "file", "files"), "2 files");
  EXPECT_EQ(count_text(1, "stretch", "stretches"), "1 stretch");
  EXPECT_EQ(count_text(1234567, "read", "reads"), "1234567 reads");
}

}  // namespace
}  // namespace vesmar
