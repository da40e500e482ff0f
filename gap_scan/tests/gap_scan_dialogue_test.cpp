#include "gap_scan/gap_scan_dialogue.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vesmar {
namespace {

const std::string kRegionQuestion =
    "Search for deletions in exons (e), introns (i), or intergenic regions (n)? ";
const std::string kFirstNameQuestion = "Your first name: ";
const std::string kAlignmentQuestion = "Alignment_results file name: ";

void no_shell(const char*) {}

struct Asked {
  Result<GapScanSettings> settings;
  std::string out;
};

Asked ask(const std::string& answers) {
  std::istringstream in(answers);
  std::ostringstream out;
  Console console{in, out, no_shell};
  Result<GapScanSettings> settings = ask_gap_scan_settings(console);
  return Asked{std::move(settings), out.str()};
}

// The question is named without the blank that ends its prompt.
std::string no_answer_to(const std::string& question) {
  return "standard input ended before the question \"" + question.substr(0, question.size() - 1) +
         "\" was answered";
}

TEST(GapScanDialogue, TheRegionQuestionComesBackUntilALowercaseLetter) {
  Asked asked = ask("E exons\nx\ne ann");
  EXPECT_EQ(asked.out, kRegionQuestion + kRegionQuestion + kRegionQuestion + kRegionQuestion +
                           kFirstNameQuestion + kAlignmentQuestion);
  ASSERT_FALSE(asked.settings.ok());
  EXPECT_EQ(asked.settings.failure().message, no_answer_to(kAlignmentQuestion));
}

TEST(GapScanDialogue, TheEndOfInputNamesTheQuestionWaiting) {
  struct Case {
    const char* answers;
    std::string question;
  };
  const Case cases[] = {
      {"", kRegionQuestion},
      {"  \n\n", kRegionQuestion},
      {"E\n", kRegionQuestion},
      {"n\n", kFirstNameQuestion},
      {"i ann\n", kAlignmentQuestion},
      {"e ann no_such_file.txt\n", kAlignmentQuestion},
  };
  for (const Case& c : cases) {
    Asked asked = ask(c.answers);
    ASSERT_FALSE(asked.settings.ok()) << c.answers;
    EXPECT_EQ(asked.settings.failure().message, no_answer_to(c.question)) << c.answers;
    EXPECT_EQ(asked.settings.failure().exit_status, 1);
  }
}

}  // namespace
}  // namespace vesmar
