// The command line's options that take several values and its switches,
// beside the options that answer one question once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/command_line.h"

namespace vesmar {
namespace {

constexpr AnswerOption kAnswers[] = {
    {"annotation", "NAME", "the annotation"},
    {.name = "fasta", .value = "NAME", .help = "a FASTA file", .takes = OptionTakes::Values},
    {.name = "skip", .value = "NAME", .help = "left out", .takes = OptionTakes::Values, .optional = true},
    {.name = "all", .value = "", .help = "every one", .takes = OptionTakes::Nothing},
    {"code", "N", "the code", "1"},
};
constexpr CommandLineSyntax kSyntax{"Tool", "Tool: does it.", kAnswers, "", "", ""};

Result<CommandLine> parsed(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "Tool");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  return parse_command_line(static_cast<int>(argv.size()), argv.data(), kSyntax);
}

TEST(CommandLine, OptionsThatTakeValuesKeepEveryOneInOrder) {
  Result<CommandLine> line = parsed({"--annotation", "a.gff", "--fasta", "I.fa", "--fasta=II.fa", "--all"});
  ASSERT_TRUE(line.ok()) << line.failure().message;
  const Arguments& arguments = line.value().arguments;
  EXPECT_EQ(arguments.all("fasta"), (std::vector<std::string>{"I.fa", "II.fa"}));
  EXPECT_EQ(arguments["fasta"], "I.fa");
  EXPECT_TRUE(arguments.has("all"));
  EXPECT_FALSE(arguments.has("skip"));
  EXPECT_TRUE(arguments.all("skip").empty());
  EXPECT_EQ(arguments["code"], "1");
}

TEST(CommandLine, WrongUsesOfValueListsAndSwitchesAreUsageFailures) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--annotation", "a", "--all"}, "--fasta is missing: give every answer, or none to be asked"},
      {{"--annotation", "a", "--fasta", "f", "--all=yes"}, "--all takes no value"},
      {{"--annotation", "a", "--fasta", "f", "--all", "--all"}, "--all is given twice"},
      {{"--annotation", "a", "--annotation", "b", "--fasta", "f"}, "--annotation is given twice"},
  };
  for (const Case& c : cases) {
    Result<CommandLine> line = parsed(c.arguments);
    ASSERT_FALSE(line.ok()) << c.message;
    EXPECT_EQ(line.failure().message, c.message);
    EXPECT_EQ(exit_status_of(line.failure()), 2);
  }
}

TEST(CommandLine, TheUsageLineShowsListsAndSwitches) {
  EXPECT_EQ(usage_line(kSyntax),
            "Usage: Tool [-C DIR] [--annotation NAME --fasta NAME... [--skip NAME...] [--all] [--code N]]");
}

}  // namespace
}  // namespace vesmar
