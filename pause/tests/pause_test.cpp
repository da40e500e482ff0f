// Runs the built PAUSE command as the scanners run it: in a terminal (a
// pseudo-terminal here) and with standard input from a file.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <utmp.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kPause = PAUSE_BINARY;
const std::string kPrompt = "Press any key to continue . . . ";

TEST(PauseCommand, WithoutATerminalReturnsAtOnceAndPrintsNothing) {
  ScratchFolder folder;
  for (const char* input : {"", "x\n", "\n\n\n"}) {
    SCOPED_TRACE(input);
    const ProgramRun run = testing::run_program(kPause, folder, input);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

// PAUSE started on a pseudo-terminal, as a user in a terminal starts it.
class TerminalRun {
 public:
  // The terminal's settings are taken before PAUSE starts: taken after, they
  // could already be the ones PAUSE sets while it waits.
  TerminalRun() {
    int terminal = -1;
    if (::openpty(&master_, &terminal, nullptr, nullptr, nullptr) != 0) return;
    ::tcgetattr(terminal, &initial_);
    terminal_ = ::dup(terminal);
    child_ = ::fork();
    if (child_ == 0) {
      ::close(master_);
      if (::login_tty(terminal) != 0) ::_exit(126);
      ::execl(kPause.c_str(), kPause.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(terminal);
  }
  ~TerminalRun() {
    if (child_ > 0 && !exited_) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
    if (terminal_ >= 0) ::close(terminal_);
  }

  bool started() const { return child_ > 0 && master_ >= 0; }

  // What the command printed until `text` appeared, or until it ended. A
  // command that hangs is given up after a minute, so a fault cannot stall
  // the test run.
  std::string read_until(const std::string& text) {
    while (printed_.find(text) == std::string::npos) {
      pollfd ready{master_, POLLIN, 0};
      if (::poll(&ready, 1, 60'000) <= 0) break;
      char bytes[256];
      const ssize_t got = ::read(master_, bytes, sizeof bytes);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;  // the command ended and closed the terminal
      printed_.append(bytes, static_cast<std::size_t>(got));
    }
    return printed_;
  }

  bool still_running() { return !exited_ && ::waitpid(child_, &status_, WNOHANG) == 0; }

  void press(const std::string& keys) {
    ASSERT_EQ(::write(master_, keys.data(), keys.size()), ssize_t(keys.size()));
  }

  // The exit status, or -1 when it did not end within a minute.
  int exit_status() {
    for (int tenth = 0; tenth < 600 && !exited_; ++tenth) {
      if (::waitpid(child_, &status_, WNOHANG) == child_) {
        exited_ = true;
        break;
      }
      ::poll(nullptr, 0, 100);
    }
    if (!exited_) return -1;
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
  }

  const termios& initial_settings() const { return initial_; }

  // What is left in the terminal's input for the program that reads it
  // next, the shell: read key by key, as the shell's line editor does.
  std::string left_for_the_next_reader() {
    termios raw = initial_;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(terminal_, TCSANOW, &raw);
    std::string left;
    pollfd ready{terminal_, POLLIN, 0};
    char bytes[64];
    while (::poll(&ready, 1, 200) > 0) {
      const ssize_t got = ::read(terminal_, bytes, sizeof bytes);
      if (got <= 0) break;
      left.append(bytes, static_cast<std::size_t>(got));
    }
    return left;
  }

  termios settings() const {
    termios now{};
    ::tcgetattr(master_, &now);
    return now;
  }

 private:
  int master_ = -1;
  int terminal_ = -1;  // the child's terminal, kept to see what is left in it
  termios initial_{};
  pid_t child_ = -1;
  int status_ = 0;
  bool exited_ = false;
  std::string printed_;
};

TEST(PauseCommand, InATerminalPromptsAndWaitsForOneWholeKeyPress) {
  // Enter, a letter without Enter, an arrow key (an escape sequence), a
  // letter of two bytes.
  for (const std::string key : {"\r", "x", "\x1b[A", "\xc3\xa9"}) {
    SCOPED_TRACE(key);
    TerminalRun run;
    ASSERT_TRUE(run.started());
    const termios before = run.initial_settings();
    EXPECT_EQ(run.read_until(kPrompt), kPrompt);
    EXPECT_TRUE(run.still_running()) << "PAUSE must wait for the key";
    run.press(key);
    EXPECT_EQ(run.exit_status(), 0);
    // The key is not echoed; the cursor moves to the next line.
    EXPECT_EQ(run.read_until(kPrompt + "\r\n"), kPrompt + "\r\n");
    const termios after = run.settings();
    EXPECT_EQ(after.c_lflag, before.c_lflag) << "the terminal's settings are restored";
    EXPECT_EQ(run.left_for_the_next_reader(), "") << "the whole key press is taken";
  }
}

TEST(PauseCommand, CtrlCCountsAsAKeyAndLeavesTheTerminalAsItWas) {
  TerminalRun run;
  ASSERT_TRUE(run.started());
  const termios before = run.initial_settings();
  run.read_until(kPrompt);
  run.press("\x03");
  EXPECT_EQ(run.exit_status(), 0);
  EXPECT_EQ(run.settings().c_lflag, before.c_lflag);
}

#ifdef GAP_REGION_SCAN_BINARY
// A scanner ends by running "PAUSE" through the shell. With this command on
// the PATH, a run whose input is not a terminal ends at once and quietly,
// without the shell's "PAUSE: not found".
TEST(PauseCommand, AScannerRunEndsWithoutANotFoundMessage) {
  ScratchFolder folder;
  folder.remove("bin/PAUSE");
  std::filesystem::create_symlink(kPause, folder.path("bin/PAUSE"));
  folder.write("Desktop/vesmar/Feature_locations/cexons.txt", "g.exon1\n2\n6\nI\n1\n");
  folder.write("Desktop/vesmar/Alignment_results/run1.txt", "5\n0\n0\n0\n5\n0\n");
  const ProgramRun run = testing::run_program(GAP_REGION_SCAN_BINARY, folder, "e\nann\nrun1.txt\n");
  // The three-position file gets the warning that it ends before the
  // genome does, and nothing else.
  EXPECT_EQ(run.err.find("not found"), std::string::npos) << run.err;
  EXPECT_TRUE(run.err.starts_with("Gap_region_scan: warning: ")) << run.err;
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.ends_with("Assigning deletions to exons...\nDone\n")) << run.out;
}
#endif

}  // namespace
}  // namespace vesmar
