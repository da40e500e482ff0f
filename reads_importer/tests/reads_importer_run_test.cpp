#include "reads_importer/reads_importer_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "testing/program_run.h"

namespace vesmar {
namespace {

void no_shell(const char*) {}

TEST(ReadsImporterRun, AFileThatVanishedAfterItsNameWasAcceptedStopsTheRun) {
  testing::ScratchFolder folder;
  folder.write("a.fa", "ACGT\n");
  folder.write("reads.txt", "older\n");
  const ReadsImporterSettings settings{folder.path("reads.txt"), ReadFormat::fasta,
                                       {folder.path("a.fa"), folder.path("gone.fa")}};
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream warnings;
  Console console{kReadsImporter, in, out, warnings, no_shell};
  const Result<RunOutcome> status = run_reads_importer(settings, console);
  EXPECT_EQ(out.str(), "Reading " + folder.path("a.fa") + "\nReading " + folder.path("gone.fa") + "\n");
  EXPECT_EQ(warnings.str(), "");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().message, "cannot open " + folder.path("gone.fa") + ": No such file or directory");
  EXPECT_EQ(exit_status_of(status.failure()), 1);
  EXPECT_EQ(folder.read("reads.txt"), "older\n");
}

}  // namespace
}  // namespace vesmar
