#include "reads_importer/file_count.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(InputFileCount, TheLeadingNumberLessOneIsTheLastIndex) {
  struct Case {
    const char* answer;
    std::int64_t files;
  };
  const Case cases[] = {
      {"1", 1},      {"2", 2},      {"2.5", 2},  {"2.9", 2},     {"0.5", 1},  {"1.9999", 1},
      {"3abc", 3},   {" 2", 2},     {"\t+2", 2}, {"2e1", 20},    {".5", 1},   {"0", 0},
      {"", 0},       {"abc", 0},    {"-3", 0},   {"-0.5", 0},    {"0x10", 0}, {"inf", 0},
      {"-1e999", 0}, {"1e6", 1'000'000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(input_file_count(c.answer), std::optional<std::int64_t>(c.files)) << "answer: " << c.answer;
  }
}

TEST(InputFileCount, AnAbsurdCountIsRefused) {
  for (const char* answer : {"1000001", "1e7", "1e999", "9223372036854775808"}) {
    EXPECT_EQ(input_file_count(answer), std::nullopt) << "answer: " << answer;
  }
}

}  // namespace
}  // namespace vesmar
