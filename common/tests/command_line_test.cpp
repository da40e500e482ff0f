#include "common/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesmar {
namespace {

constexpr AnswerOption kAnswers[] = {
    {"strain", "NAME=FILE", "a strain", {}, Repeat::AtLeastOnce},
    {"background", "NAME=FILE", "a background strain", {}, Repeat::AnyNumber},
    {"depth", "N", "the least depth", "3"},
};
constexpr CommandLineSyntax kSyntax{"Tool", "Tool: does it.", kAnswers, "", "", ""};

Result<CommandLine> parsed(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "Tool");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  return parse_command_line(static_cast<int>(argv.size()), argv.data(), kSyntax);
}

TEST(CommandLine, RepeatedOptionsKeepEveryValueInOrder) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> strains;
    std::vector<std::string> backgrounds;
    std::string depth;
  };
  const Case cases[] = {
      {{"--strain", "a=1"}, {"a=1"}, {}, "3"},
      {{"--strain=a=1", "--strain", "b=2", "--depth", "5"}, {"a=1", "b=2"}, {}, "5"},
      {{"--background", "p=0", "--strain", "a=1", "--background=q=9"}, {"a=1"}, {"p=0", "q=9"}, "3"},
  };
  for (const Case& c : cases) {
    Result<CommandLine> line = parsed(c.arguments);
    ASSERT_TRUE(line.ok()) << line.failure().message;
    EXPECT_EQ(line.value().request, CommandLine::Request::Answers);
    EXPECT_EQ(line.value().arguments.all("strain"), c.strains);
    EXPECT_EQ(line.value().arguments.all("background"), c.backgrounds);
    EXPECT_EQ(line.value().arguments["depth"], c.depth);
  }
}

TEST(CommandLine, ARepeatedOptionThatMustBeGivenIsMissedAndAnOnceOptionStaysOnce) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--background", "p=0"}, "--strain is missing: give every answer, or none to be asked"},
      {{"--strain", "a=1", "--depth", "1", "--depth", "2"}, "--depth is given twice"},
      {{"--strain"}, "--strain needs a value"},
  };
  for (const Case& c : cases) {
    Result<CommandLine> line = parsed(c.arguments);
    ASSERT_FALSE(line.ok());
    EXPECT_EQ(line.failure().message, c.message);
  }
  EXPECT_EQ(parsed({}).value().request, CommandLine::Request::Dialogue);
}

TEST(CommandLine, UsageAndHelpShowTheRepeats) {
  EXPECT_EQ(usage_line(kSyntax),
            "Usage: Tool [-C DIR] [--strain NAME=FILE... [--background NAME=FILE...] [--depth N]]");
  EXPECT_NE(help_text(kSyntax).find("a strain (may be given again)"), std::string::npos);
}

}  // namespace
}  // namespace vesmar
