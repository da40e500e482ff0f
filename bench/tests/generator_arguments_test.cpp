#include "bench/generator_arguments.h"

#include <gtest/gtest.h>

namespace vesmar::bench {
namespace {

TEST(GeneratorArguments, ReadsScaleSeedStressAndFolder) {
  Result<GeneratorSettings> settings =
      parse_generator_arguments({"--scale", "medium", "--seed", "42", "--stress", "--out", "/tmp/x"});
  ASSERT_TRUE(settings.ok()) << settings.failure().message;
  EXPECT_EQ(settings.value().scale.name, "medium");
  EXPECT_EQ(settings.value().seed, 42u);
  EXPECT_TRUE(settings.value().stress);
  EXPECT_EQ(settings.value().folder, "/tmp/x");
}

TEST(GeneratorArguments, DefaultsToTheSmallScaleAndSeedOne) {
  Result<GeneratorSettings> settings = parse_generator_arguments({"--out", "d"});
  ASSERT_TRUE(settings.ok());
  EXPECT_EQ(settings.value().scale.name, "small");
  EXPECT_EQ(settings.value().seed, 1u);
  EXPECT_FALSE(settings.value().stress);
  EXPECT_FALSE(settings.value().results_only);
  EXPECT_TRUE(parse_generator_arguments({"--results-only", "--out", "d"}).value().results_only);
}

TEST(GeneratorArguments, RejectsWhatItCannotUse) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message_part;
  };
  const Case cases[] = {
      {{}, "--out FOLDER is required"},
      {{"--out", "d", "--scale", "huge"}, "--scale must be genome, medium or small, not huge"},
      {{"--out", "d", "--seed", "12x"}, "--seed must be a whole number, not 12x"},
      {{"--out", "d", "--seed", "-1"}, "--seed must be a whole number, not -1"},
      {{"--out"}, "--out needs a value"},
      {{"--out", "d", "--fast"}, "unknown argument --fast"},
  };
  for (const Case& c : cases) {
    Result<GeneratorSettings> settings = parse_generator_arguments(c.arguments);
    ASSERT_FALSE(settings.ok()) << c.message_part;
    EXPECT_NE(settings.failure().message.find(c.message_part), std::string::npos) << settings.failure().message;
    EXPECT_EQ(settings.failure().kind, FailureKind::usage);
  }
}

TEST(GeneratorArguments, HelpAndVersionAreTextsToPrintInsteadOfAPackage) {
  Result<GeneratorSettings> help = parse_generator_arguments({"--help"});
  ASSERT_TRUE(help.ok());
  EXPECT_NE(help.value().early_text.find("usage: bench_generate"), std::string::npos);
  Result<GeneratorSettings> version = parse_generator_arguments({"--out", "d", "--version"});
  ASSERT_TRUE(version.ok());
  EXPECT_EQ(version.value().early_text, std::to_string(kGeneratorVersion) + "\n");
}

}  // namespace
}  // namespace vesmar::bench
