#include "chromosome_join/typed_path.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(TypedFilePath, DropsWhiteSpaceAtTheEndOfTheNameOnly) {
  struct Case {
    const char* typed;
    const char* path;
  };
  const Case cases[] = {
      {"chrI.fa", "Desktop/chrI.fa"},     {"chrI.fa ", "Desktop/chrI.fa"},   {"chrI.fa\r", "Desktop/chrI.fa"},
      {"chrI.fa \t\r\f", "Desktop/chrI.fa"}, {" chrI.fa", "Desktop/ chrI.fa"}, {"chr I.fa", "Desktop/chr I.fa"},
      {"chrI.fa\v", "Desktop/chrI.fa\v"}, {"", "Desktop/"},                  {"  ", "Desktop/"},
  };
  for (const Case& c : cases) EXPECT_EQ(typed_file_path("Desktop/", c.typed), c.path) << "typed: " << c.typed;
}

}  // namespace
}  // namespace vesmar
