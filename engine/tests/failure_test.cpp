#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "engine/failure.h"

namespace vesmar {
namespace {

// What standard error shows and the exit status, for a failure of each kind.
TEST(Failure, TheKindChoosesTheExitStatusAndHowTheFailureIsWritten) {
  struct Case {
    Failure failure;
    const char* written;
    int status;
  };
  const Case cases[] = {
      {Failure{"a.txt line 3: not a number"}, "Point_scan: a.txt line 3: not a number\n", 1},
      {Failure::not_found("cannot open a.txt: No such file or directory", 2),
       "Point_scan: cannot open a.txt: No such file or directory\n", 1},
      {Failure::cannot_read("cannot read a.txt: Input/output error", 5),
       "Point_scan: cannot read a.txt: Input/output error\n", 1},
      {Failure::cannot_write("cannot create b.txt: Permission denied", 13),
       "Point_scan: cannot create b.txt: Permission denied\n", 1},
      {Failure::usage("--regions takes e, i or n"), "Point_scan: --regions takes e, i or n\n", 2},
      {Failure::no_such_file_name("no such file name (Chromosome_join, location 45).", 2),
       "no such file name (Chromosome_join, location 45).\n", 2},
      {Failure::no_such_file_name("no such file name (Chromosome_join, location 45).", 0),
       "no such file name (Chromosome_join, location 45).\n", 1},
  };
  for (const Case& c : cases) {
    std::ostringstream captured;
    std::streambuf* const kept = std::cerr.rdbuf(captured.rdbuf());
    const int status = report_failure("Point_scan", c.failure);
    std::cerr.rdbuf(kept);
    EXPECT_EQ(captured.str(), c.written);
    EXPECT_EQ(status, c.status) << c.written;
    EXPECT_EQ(exit_status_of(c.failure), c.status) << c.written;
  }
}

}  // namespace
}  // namespace vesmar
