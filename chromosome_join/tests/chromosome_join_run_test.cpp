#include "chromosome_join/chromosome_join_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "testing/program_run.h"

namespace vesmar {
namespace {

void no_shell(const char*) {}

// A chromosome file that is gone by the time the join opens it, though it
// was there when its name was checked: the join stops at it with the "no
// such file name" failure for location 45, which gives the standard input
// line only for the first file (whose last line read was the genome file's
// name), and an older genome sequence file stays as it was.
TEST(ChromosomeJoinRun, AFileGoneBeforeTheJoinStopsItThere) {
  struct Case {
    const char* gone;
    std::string message;
  };
  const Case cases[] = {
      {"Desktop/chrI.fa", "no such file name (Chromosome_join, location 45, standard input line 5)."},
      {"Desktop/chrII.fa", "no such file name (Chromosome_join, location 45)."},
  };
  // Text that no join of these files gives, so that an older file replaced
  // by the failed join (empty, or chromosome I alone) would show.
  const std::string older_genome = "ACGTACGT\n";
  for (const Case& c : cases) {
    testing::ScratchFolder folder;
    folder.write("Desktop/chrI.fa", ">chrI\nACGT\n");
    folder.write("Desktop/chrII.fa", ">chrII\nTTTT\n");
    const ChromosomeJoinSettings settings{JoinMode::SeparateFiles,
                                          {folder.path("Desktop/chrI.fa"), folder.path("Desktop/chrII.fa")},
                                          2,
                                          folder.path("Desktop/vesmar/Genome_sequences/genome.txt"),
                                          5,
                                          folder.path("Desktop/vesmar/Feature_locations/chromosomes.txt")};
    folder.write("Desktop/vesmar/Genome_sequences/genome.txt", older_genome);
    folder.remove(c.gone);
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream warnings;
    Console console{kChromosomeJoin, in, out, warnings, no_shell};
    const Result<RunOutcome> status = run_chromosome_join(settings, console);
    ASSERT_FALSE(status.ok()) << c.gone;
    EXPECT_EQ(status.failure().message, c.message);
    EXPECT_EQ(status.failure().kind, FailureKind::no_such_file_name);
    EXPECT_EQ(exit_status_of(status.failure()), 2);
    EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome.txt"), older_genome);
    EXPECT_EQ(warnings.str(), "");
  }
}

}  // namespace
}  // namespace vesmar
