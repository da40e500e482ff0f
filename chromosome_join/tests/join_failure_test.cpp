#include "chromosome_join/join_failure.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(NoSuchFileName, NamesTheLocationAndTheStandardInputLineWhenThereIsOne) {
  const Failure check = no_such_file_name(JoinLocation::check, 3, 2);
  EXPECT_EQ(check.message, "no such file name (Chromosome_join, location 31, standard input line 3).");
  EXPECT_EQ(check.exit_status, 2);
  const Failure join = no_such_file_name(JoinLocation::join, std::nullopt, 21);
  EXPECT_EQ(join.message, "no such file name (Chromosome_join, location 45).");
  EXPECT_EQ(join.exit_status, 21);
}

}  // namespace
}  // namespace vesmar
