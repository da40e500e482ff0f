#include "testing/command_line_check.h"

#include <gtest/gtest.h>

#include "genome/package_paths.h"

namespace vesmar::testing {

namespace {

// The package folders a program may write into (Alignment_counts writes
// the alignment results files).
constexpr std::string_view kOutputFolders[] = {kSequenceReadsFolder, kGenomeSequencesFolder, kAlignmentResultsFolder,
                                               kSnpResultsFolder,    kDeletionResultsFolder,  kOverviewFolder};

// The files in the output folders, by their paths (Overview/ is there only
// once a program has made it).
std::vector<std::string> outputs_in(const ScratchFolder& folder) {
  std::vector<std::string> files;
  for (const std::string_view output : kOutputFolders) {
    if (!folder.exists(std::string(output))) continue;
    for (const std::string& name : folder.list(std::string(output))) files.push_back(std::string(output) + name);
  }
  return files;
}

}  // namespace

void check_answers_match_dialogue(const ProgramUnderTest& program, const std::string& dialogue_answers,
                                  const std::vector<std::string>& arguments,
                                  const std::vector<std::string>& outputs) {
  ScratchFolder asked;
  program.inputs(asked);
  const ProgramRun dialogue = run_program(program.binary, asked, dialogue_answers);
  ASSERT_EQ(dialogue.status, 0) << dialogue.err;

  ScratchFolder answered;
  program.inputs(answered);
  ScratchFolder elsewhere;
  std::vector<std::string> with_folder = {"-C", answered.root()};
  with_folder.insert(with_folder.end(), arguments.begin(), arguments.end());
  const ProgramRun options = run_program(program.binary, elsewhere, "", with_folder);
  EXPECT_EQ(options.status, 0) << options.err;
  std::string paths;
  for (const std::string& output : outputs) paths += output + "\n";
  EXPECT_EQ(options.out, paths);
  for (const std::string& output : outputs) {
    EXPECT_TRUE(answered.read(output) == asked.read(output)) << output;
    EXPECT_NE(options.err.find(output), std::string::npos) << "the summary names " << output << ":\n" << options.err;
  }
  EXPECT_EQ(options.err.find("[clear]"), std::string::npos);
  EXPECT_EQ(options.err.find("[PAUSE]"), std::string::npos);
  EXPECT_EQ(outputs_in(answered), outputs_in(asked));
  EXPECT_TRUE(outputs_in(elsewhere).empty());
}

void check_own_paths_match_bare_names(const ProgramUnderTest& program, const std::vector<std::string>& bare_arguments,
                                      const std::vector<std::string>& own_arguments,
                                      const std::vector<std::string>& same_outputs) {
  ScratchFolder bare;
  program.inputs(bare);
  const ProgramRun bare_run = run_program(program.binary, bare, "", bare_arguments);
  ASSERT_EQ(bare_run.status, 0) << bare_run.err;

  ScratchFolder own;
  program.inputs(own);
  std::vector<std::string> arguments;
  for (const std::string& argument : own_arguments) {
    arguments.push_back(argument.starts_with("{root}") ? own.root() + argument.substr(6) : argument);
  }
  const ProgramRun own_run = run_program(program.binary, own, "", arguments);
  ASSERT_EQ(own_run.status, 0) << own_run.err;
  for (const std::string& output : same_outputs) EXPECT_TRUE(own.read(output) == bare.read(output)) << output;
}

void check_usage_errors(const ProgramUnderTest& program, const std::vector<UsageCase>& cases) {
  for (const UsageCase& c : cases) {
    std::string call;
    for (const std::string& argument : c.arguments) call += " " + argument;
    SCOPED_TRACE(program.program + call);
    ScratchFolder folder;
    program.inputs(folder);
    const std::vector<std::string> before = outputs_in(folder);
    const ProgramRun run = run_program(program.binary, folder, "answers that must not be read\n", c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(program.program + ": " + c.message + "\nUsage: " + program.program)) << run.err;
    EXPECT_EQ(outputs_in(folder), before);
  }
}

}  // namespace vesmar::testing
