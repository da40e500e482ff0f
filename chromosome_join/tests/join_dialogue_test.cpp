#include "chromosome_join/join_dialogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

// Standard input that runs `at_end` when the program reads past its last
// answer: the moment after the genome file name (given without a line feed)
// has been read and before the join opens the chromosome files.
class AnswersThenAction : public std::streambuf {
 public:
  AnswersThenAction(std::string answers, std::function<void()> at_end)
      : answers_(std::move(answers)), at_end_(std::move(at_end)) {
    setg(answers_.data(), answers_.data(), answers_.data() + answers_.size());
  }

 protected:
  int_type underflow() override {
    if (at_end_) {
      at_end_();
      at_end_ = nullptr;
    }
    return traits_type::eof();
  }

 private:
  std::string answers_;
  std::function<void()> at_end_;
};

// Runs the dialogue in the scratch folder, as the program does in its own.
class InFolder {
 public:
  explicit InFolder(const testing::ScratchFolder& folder) {
    char* old = ::getcwd(nullptr, 0);
    old_ = old;
    std::free(old);
    EXPECT_EQ(::chdir(folder.root().c_str()), 0);
  }
  ~InFolder() { EXPECT_EQ(::chdir(old_.c_str()), 0); }

 private:
  std::string old_;
};

void no_shell(const char*) {}

struct DialogueRun {
  Status status;
  std::string out;
};

DialogueRun run_removing(const testing::ScratchFolder& folder, const std::string& answers,
                         const std::string& removed) {
  InFolder in_folder(folder);
  AnswersThenAction input(answers, [&] { folder.remove(removed); });
  std::istream in(&input);
  std::ostringstream out;
  std::ostringstream warnings;
  Console console{in, out, no_shell};
  DialogueRun run;
  run.status = run_chromosome_join(console, warnings);
  run.out = out.str();
  EXPECT_EQ(warnings.str(), "");
  return run;
}

TEST(ChromosomeJoinDialogue, AFirstFileGoneBeforeTheJoinFailsAtTheJoinAfterTheGenomeAnswer) {
  testing::ScratchFolder folder;
  folder.write("Desktop/chrI.fa", ">chrI\nACGT\n");
  folder.write("Desktop/chrII.fa", ">chrII\nTTTT\n");
  const DialogueRun run = run_removing(folder, "m\n2\nchrI.fa\nchrII.fa\ngenome.txt", "Desktop/chrI.fa");
  ASSERT_FALSE(run.status.ok());
  EXPECT_EQ(run.status.failure().message, "no such file name (Chromosome_join, location 45, standard input line 5).");
  EXPECT_EQ(run.status.failure().exit_status, 2);
  EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome.txt"), "");
}

TEST(ChromosomeJoinDialogue, ALaterFileGoneBeforeTheJoinKeepsTheChromosomesBeforeIt) {
  testing::ScratchFolder folder;
  folder.write("Desktop/chrI.fa", ">chrI\nACGT\n");
  folder.write("Desktop/chrII.fa", ">chrII\nTTTT\n");
  const DialogueRun run = run_removing(folder, "m\n2\nchrI.fa\nchrII.fa\ngenome.txt", "Desktop/chrII.fa");
  ASSERT_FALSE(run.status.ok());
  EXPECT_EQ(run.status.failure().message, "no such file name (Chromosome_join, location 45).");
  EXPECT_EQ(run.status.failure().exit_status, 2);
  EXPECT_EQ(folder.read("Desktop/vesmar/Genome_sequences/genome.txt"), "ACGT\n" + std::string(46, 'g') + "\n");
}

}  // namespace
}  // namespace vesmar
